// rerore-cli echo: start-up, then the Echo command with a file's text in
// place of what the user would type into the echo editor; a loaded text
// is kept as End keeps it.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "commands/position_commands.h"
#include "model/file_io.h"
#include "model/native_path.h"

namespace rerore {

namespace {

// The echo reader reads no more of a file than this either.
constexpr size_t kLargestEchoText = size_t{64} << 20;

}  // namespace

int RunEcho(const Arguments& arguments) {
  Arguments start;
  std::string edited;
  if (!SplitStartAndValue(arguments, start, edited)) {
    std::fprintf(stderr, "usage: rerore-cli echo EXT @DATAPATH FILE\n");
    return kExitUsage;
  }
  Session session;
  CliMessages messages;
  if (const int status = StartFromArguments(session, messages, start)) return status;
  const std::optional<std::string> text = ReadFilePrefix(edited, kLargestEchoText);
  if (!text) {
    messages.message(Format("File %s not found!", edited.c_str()), "Attention", MessageIcon::Stop);
    return kExitUsage;
  }
  const EchoEdit edit = BeginEchoEdit(session);
  WriteFileAtomically(edit.path, *text);
  // The text counts as edited even when the clock did not move on.
  std::error_code error;
  std::filesystem::last_write_time(NativePath(edit.path), edit.writtenAt + std::chrono::seconds(1),
                                   error);
  if (!FinishEchoEdit(session, messages, edit, true)) return kExitRejected;
  // As after the window's Echo and End: the next start loads this frame.
  EndProgram(session, messages);
  return 0;
}

}  // namespace rerore
