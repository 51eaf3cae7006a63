#include "check/rebuild.h"
#include "check/structure_check.h"
#include "commands/position_commands.h"
#include "echo/echo_writer.h"
#include "model/file_io.h"
#include "model/position_files.h"
#include "model/settings_files.h"

namespace rerore {

StoreOutcome Store(Session& s, UserMessages& messages, const PositionNameRequest& askName) {
  if (IsUnnamedPosition(s.paths))
    StoreAs(s, messages, askName);
  else
    MakePositionDirectory(s.paths);
  WriteExtr(s.paths);
  s.storedStateSum = ChangeSum(s.model.params);
  const FileWriteWatch watch;
  // Every table from memory first: the rebuild reads CROSS back, and the
  // check must see the tables the user sees.
  WriteModelTables(s.paths, s.model);
  WriteModelExtent(s);
  RebuildModel(s, messages);
  WriteEcho(s, s.paths.echoFile());
  StoreOutcome outcome;
  outcome.check = CheckStructure(s, messages);
  if (!outcome.check.isSound()) return outcome;
  // GEOMETRY = 1 vouches for the files beside it: with one of them missing
  // the program stays, so that nothing of the frame is lost.
  std::string unwritten = watch.firstFailureIn(s.paths.positionDirectory);
  if (unwritten.empty() && !WriteGeometryFile(s.paths, kGeometryChecked))
    unwritten = s.paths.file("GEOMETRY");
  if (!unwritten.empty()) {
    messages.message(Format("The file %s cannot be stored!", unwritten.c_str()), "Error");
    return outcome;
  }
  outcome.end = CommandEnd::Quit;
  return outcome;
}

}  // namespace rerore
