// rerore-cli store-as: start-up, then Store as with the name from the
// command line instead of the "Store" dialog.
#include <cstdio>
#include <utility>

#include "cli/commands.h"
#include "commands/position_commands.h"

namespace rerore {

int RunStoreAs(const Arguments& arguments) {
  Arguments start;
  std::string name;
  if (!SplitStartAndValue(arguments, start, name)) {
    std::fprintf(stderr, "usage: rerore-cli store-as EXT @DATAPATH NAME\n");
    return kExitUsage;
  }
  Session session;
  CliMessages messages;
  if (const int status = StartFromArguments(session, messages, start)) return status;
  // The name is given once; a refused one is not asked for again.
  std::optional<std::string> answer = name;
  const bool named = StoreAs(
      session, messages, [&](const std::string&) { return std::exchange(answer, std::nullopt); });
  return named ? 0 : kExitStartFailed;
}

}  // namespace rerore
