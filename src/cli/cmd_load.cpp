#include "cli/commands.h"
#include "commands/startup.h"
#include "model/file_io.h"

namespace rerore {

int StartFromArguments(Session& session, CliMessages& messages, const Arguments& arguments) {
  switch (StartProgram(session, messages, CommandLineFromArguments(arguments))) {
    case StartResult::Started:
      return 0;
    case StartResult::MissingInput:
      return kExitUsage;
    case StartResult::NotWritable:
      return kExitStartFailed;
  }
  return kExitUsage;
}

bool SplitStartAndValue(const Arguments& arguments, Arguments& start, std::string& value) {
  constexpr size_t kStartArguments = 2;  // EXT @DATAPATH
  if (arguments.size() != kStartArguments + 1) return false;
  start.assign(arguments.begin(), arguments.begin() + kStartArguments);
  value = arguments.back();
  return true;
}

int RunReportingUnwrittenFiles(int (*command)(const Arguments&), const Arguments& arguments) {
  const FileWriteWatch watch;
  const int status = command(arguments);
  if (watch.failedFiles().empty() || status == kExitUsage || status == kExitStartFailed)
    return status;
  CliMessages messages;
  for (const std::string& path : watch.failedFiles())
    messages.message(Format("The file %s cannot be stored!", path.c_str()), "Error",
                     MessageIcon::Stop);
  return kExitFileNotWritten;
}

int RunLoad(const Arguments& arguments) {
  Session session;
  CliMessages messages;
  return StartFromArguments(session, messages, arguments);
}

}  // namespace rerore
