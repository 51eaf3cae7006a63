// rerore-cli store: start-up, then Store without any dialog. The exit
// status tells how the structural check judged the frame.
#include "cli/commands.h"
#include "commands/position_commands.h"

namespace rerore {

int RunStore(const Arguments& arguments) {
  Session session;
  CliMessages messages;
  if (const int status = StartFromArguments(session, messages, arguments); status != 0)
    return status;
  if (IsUnnamedPosition(session.paths)) {
    messages.message("The position NEW has no name yet: Store as needs one.", "Store",
                     MessageIcon::Stop);
    return kExitUsage;
  }
  const StoreOutcome outcome =
      Store(session, messages, [](const std::string&) { return std::optional<std::string>(); });
  return ReportCheckResult(outcome.check);
}

}  // namespace rerore
