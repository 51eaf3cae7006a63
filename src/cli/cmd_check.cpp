#include <cstdio>

#include "check/rebuild.h"
#include "check/structure_check.h"
#include "cli/commands.h"

namespace rerore {

int RunCheck(const Arguments& arguments) {
  Session session;
  CliMessages messages;
  const int started = StartFromArguments(session, messages, arguments);
  if (started != 0) return started;
  RebuildModel(session, messages);
  const int result = CheckStructure(session, messages);
  std::printf("checkResult %i\n", result);
  if (result > 0) return kExitSingular;
  return result < 0 ? kExitCheckRefused : 0;
}

}  // namespace rerore
