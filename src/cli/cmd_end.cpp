// rerore-cli end: start-up, then End (the echo file with its companion
// files when the model has a material, an element and a node).
#include "cli/commands.h"
#include "commands/position_commands.h"

namespace rerore {

int RunEnd(const Arguments& arguments) {
  Session session;
  CliMessages messages;
  if (const int status = StartFromArguments(session, messages, arguments); status != 0)
    return status;
  EndProgram(session, messages);
  return 0;
}

}  // namespace rerore
