#include "cli/commands.h"
#include "commands/startup.h"

namespace rerore {

int StartFromArguments(Session& session, CliMessages& messages, const Arguments& arguments) {
  std::string commandLine;
  for (const std::string& argument : arguments) {
    if (!commandLine.empty()) commandLine += ' ';
    commandLine += argument;
  }
  switch (StartProgram(session, messages, commandLine)) {
    case StartResult::Started:
      return 0;
    case StartResult::MissingInput:
      return kExitUsage;
    case StartResult::NotWritable:
      return kExitStartFailed;
  }
  return kExitUsage;
}

int RunLoad(const Arguments& arguments) {
  Session session;
  CliMessages messages;
  return StartFromArguments(session, messages, arguments);
}

}  // namespace rerore
