#include "check/rebuild.h"
#include "check/structure_check.h"
#include "commands/position_commands.h"
#include "echo/echo_writer.h"
#include "model/position_files.h"
#include "model/settings_files.h"

namespace rerore {

namespace {

constexpr int32_t kGeometryComplete = 1;

}  // namespace

StoreOutcome Store(Session& s, UserMessages& messages, const PositionNameRequest& askName) {
  if (IsUnnamedPosition(s.paths))
    StoreAs(s, messages, askName);
  else
    MakePositionDirectory(s.paths);
  WriteExtr(s.paths);
  s.storedStateSum = ChangeSum(s.model.params);
  WriteModelExtent(s);
  RebuildModel(s, messages);
  WriteEcho(s, s.paths.echoFile());
  StoreOutcome outcome;
  outcome.check = CheckStructure(s, messages);
  if (!outcome.check.isSound()) return outcome;
  WriteGeometryFile(s.paths, kGeometryComplete);
  outcome.end = CommandEnd::Quit;
  return outcome;
}

}  // namespace rerore
