#include <cstdio>

#include "check/rebuild.h"
#include "check/structure_check.h"
#include "cli/commands.h"

namespace rerore {

int ReportCheckResult(int checkResult) {
  std::printf("checkResult %i\n", checkResult);
  if (checkResult == 0) return 0;
  return checkResult > 0 ? kExitSingular : kExitCheckRefused;
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
