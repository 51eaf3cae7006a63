// rerore-cli check, and the one place where a check outcome becomes the
// tool's output: the "checkResult N" line and the exit status.
#include <cstdio>

#include "check/rebuild.h"
#include "check/structure_check.h"
#include "cli/commands.h"

namespace rerore {

namespace {

int CheckResultNumber(const CheckOutcome& outcome) {
  switch (outcome.kind) {
    case CheckOutcome::Kind::Sound:
      return 0;
    case CheckOutcome::Kind::Mechanism:
      return outcome.equation;
    case CheckOutcome::Kind::Refused:
      return kRefusedCheckNumber;
  }
  return kRefusedCheckNumber;
}

int ExitStatus(const CheckOutcome& outcome) {
  switch (outcome.kind) {
    case CheckOutcome::Kind::Sound:
      return 0;
    case CheckOutcome::Kind::Mechanism:
      return kExitSingular;
    case CheckOutcome::Kind::Refused:
      return kExitCheckRefused;
  }
  return kExitCheckRefused;
}

}  // namespace

void PrintCheckResult(const CheckOutcome& outcome) {
  std::printf("checkResult %i\n", CheckResultNumber(outcome));
}

int ReportCheckResult(const CheckOutcome& outcome) {
  PrintCheckResult(outcome);
  return ExitStatus(outcome);
}

int RunCheck(const Arguments& arguments) {
  Session session;
  CliMessages messages;
  const int started = StartFromArguments(session, messages, arguments);
  if (started != 0) return started;
  RebuildModel(session, messages);
  return ReportCheckResult(CheckStructure(session, messages));
}

}  // namespace rerore
