// rerore-cli: the program's position handling, check and generators without
// a window, for scripts and tests.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "model/user_messages.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const rerore::Arguments&);
  const char* usage;
};

const Command kCommands[] = {
    {"load", rerore::RunLoad, "load EXT @DATAPATH [@G]     start-up only: load the position"},
    {"store", rerore::RunStore,
     "store EXT @DATAPATH [@G]    start-up, then Store: check the frame"},
    {"end", rerore::RunEnd, "end EXT @DATAPATH [@G]      start-up, then End: the echo file"},
    {"store-as", rerore::RunStoreAs,
     "store-as EXT @DATAPATH NAME                   start-up, then Store as NAME"},
    {"echo", rerore::RunEcho,
     "echo EXT @DATAPATH FILE                       start-up, then Echo with FILE as the text"},
    {"generate", rerore::RunGenerate,
     "generate beam EXT @DATAPATH X1 X2 ...         continuous beam, span ends in m"},
    {"generate", rerore::RunGenerate,
     "generate frame EXT @DATAPATH H:N:S [H:N:S ...]  storeys: height, columns, spacing"},
    {"generate", rerore::RunGenerate,
     "generate arc EXT @DATAPATH R LEFT RIGHT N     radius, angles in degrees, segments"},
    {"generate", rerore::RunGenerate,
     "generate parabola EXT @DATAPATH L F N         base length, height, elements"},
    {"check", rerore::RunCheck,
     "check EXT @DATAPATH                           rebuild and check the frame"},
    {"import-dxf", rerore::RunImportDxf, rerore::kImportDxfUsage},
    {"export-dxf", rerore::RunExportDxf, rerore::kExportDxfUsage},
#ifdef RERORE_WITH_RENDER
    {"render", rerore::RunRender, rerore::kRenderUsage},
#endif
};

void PrintUsage() {
  std::fprintf(stderr, "usage: rerore-cli COMMAND ...\n");
  for (const Command& command : kCommands) std::fprintf(stderr, "  rerore-cli %s\n", command.usage);
  std::fprintf(stderr,
               "EXT is the position's extension (.001), DATAPATH the data directory (one "
               "argument);\nthe position's files lie in DATAPATH/SDIR001/.\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  if (argc < 2) {
    PrintUsage();
    return rerore::kExitUsage;
  }
  for (const Command& command : kCommands) {
    if (std::strcmp(argv[1], command.name) != 0) continue;
    try {
      return rerore::RunReportingUnwrittenFiles(command.run,
                                                rerore::Arguments(argv + 2, argv + argc));
    } catch (const rerore::ProgramExit& exit) {
      return exit.code;
    }
  }
  PrintUsage();
  return rerore::kExitUsage;
}
