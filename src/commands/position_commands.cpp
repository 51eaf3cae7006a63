#include "commands/position_commands.h"

#include "check/rebuild.h"
#include "commands/load_old_data.h"
#include "commands/startup.h"
#include "echo/echo_writer.h"
#include "model/native_path.h"
#include "model/position_files.h"
#include "model/settings_files.h"

namespace rerore {

namespace fs = std::filesystem;

namespace {

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Creates dataPath + "SDIR" + name; true when it is a directory afterwards.
// A name that makes the position's path too long is refused.
bool CreatePositionFolder(const PositionPaths& paths, const std::string& name,
                          UserMessages& messages) {
  PositionPaths named = paths;
  BuildPositionPaths(named, name);
  if (const std::string tooLong = PathTooLong(named); !tooLong.empty()) {
    messages.message(Format(kPathTooLongText, tooLong.c_str()), "Error");
    return false;
  }
  const std::string folder = paths.dataPath + "SDIR" + name;
  std::error_code error;
  fs::create_directory(NativePath(folder), error);
  if (fs::is_directory(NativePath(folder), error)) return true;
  messages.message(Format("Directory %s cannot be generated!", folder.c_str()), "Error");
  return false;
}

std::optional<fs::file_time_type> ModificationTime(const std::string& path) {
  std::error_code error;
  const fs::file_time_type time = fs::last_write_time(NativePath(path), error);
  if (error) return std::nullopt;
  return time;
}

// The position name of a folder: the text after its last separator +
// "SDIR"; nullopt when there is none.
std::optional<std::string> PositionNameOfFolder(std::string folder) {
  while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  size_t best = std::string::npos;
  for (const char* mark : {"/SDIR", "\\SDIR"}) {
    const size_t at = folder.rfind(mark);
    if (at != std::string::npos && (best == std::string::npos || at > best)) best = at;
  }
  if (best == std::string::npos) return std::nullopt;
  return folder.substr(best + std::string("/SDIR").size());
}

// An element whose ends have no node has been added since the last
// rebuild (drawn, say).
bool ElementsWithoutNodes(const ModelTables& model) {
  const auto known = [&model](int node) { return node >= 1 && node <= NodeRows(model); };
  for (int k = 1; k <= ElementRows(model); ++k)
    if (!known(model.elements[k].nodeLeft) || !known(model.elements[k].nodeRight)) return true;
  return false;
}

// The echo file as End leaves it.
void WriteEchoOfFrame(Session& s, UserMessages& messages) {
  if (ElementsWithoutNodes(s.model)) {
    EnsurePositionDirectory(s.paths);
    RebuildModel(s, messages);
  }
  const ModelParameters& p = s.model.params;
  if (p.materialCount < 1 || p.elementCount < 1 || p.nodeCount < 1) return;
  EnsurePositionDirectory(s.paths);
  WriteEcho(s, s.paths.echoFile());
}

}  // namespace

bool IsUnnamedPosition(const PositionPaths& paths) { return paths.extension == kUnnamedExtension; }

bool StoreAs(Session& s, UserMessages& messages, const PositionNameRequest& askName) {
  std::optional<std::string> entered = askName(s.paths.positionName);
  if (!entered) return false;
  while (true) {
    const std::string name = TrimBlanks(*entered);
    UsePositionName(s.paths, name);
    if (CreatePositionFolder(s.paths, name, messages)) break;
    entered = askName(name);
    if (!entered) return false;
  }
  BuildPositionPaths(s.paths, s.paths.positionName);
  MakePositionDirectory(s.paths);
  s.paths.geometryPresent = 0;
  WriteExtr(s.paths);
  // The new position holds the frame on the screen at once: a rebuild, a
  // table or a paint that reads its files then finds the user's tables.
  WriteModelTables(s.paths, s.model);
  return true;
}

CommandEnd NewPosition(Session& s, UserMessages& messages, const PositionNameRequest& askName,
                       std::optional<bool> changed) {
  if (!changed.value_or(ChangeSum(s.model.params) != s.storedStateSum)) {
    const Answer answer =
        messages.ask("New frame ? Erase screen?", "New frame", MessageButtons::YesNoCancel);
    if (answer != Answer::Yes) return CommandEnd::Unchanged;
  } else {
    const Answer answer = messages.ask("Save changes?", "Erase", MessageButtons::YesNoCancel);
    if (answer == Answer::Cancel) return CommandEnd::Unchanged;
    if (answer == Answer::Yes) {
      if (IsUnnamedPosition(s.paths))
        StoreAs(s, messages, askName);
      else
        MakePositionDirectory(s.paths);
    }
  }
  // The frame stays, but no longer in the scale chosen for the loaded
  // extents: without automatic scale the overall dimensions go too.
  s.view.autoScale = false;
  UsePositionName(s.paths, kUnnamedPosition);
  BuildPositionPaths(s.paths, kUnnamedPosition);
  WriteExtr(s.paths);
  s.paths.geometryPresent = 0;
  // The frame on the screen becomes the content of NEW, on disk too.
  EnsurePositionDirectory(s.paths);
  WriteModelTables(s.paths, s.model);
  return CommandEnd::Stay;
}

bool SaveChangesBeforeOpen(Session& s, UserMessages& messages, const PositionNameRequest& askName) {
  const Answer answer = messages.ask("Save changes?", "Open", MessageButtons::YesNoCancel);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  if (IsUnnamedPosition(s.paths)) {
    if (!StoreAs(s, messages, askName)) return false;
  } else {
    MakePositionDirectory(s.paths);
  }
  WriteEchoOfFrame(s, messages);
  return true;
}

bool OpenPosition(Session& s, UserMessages& messages, const std::string& chosenFolder) {
  const std::optional<std::string> name = PositionNameOfFolder(chosenFolder);
  if (!name) {
    messages.message(chosenFolder, "No directory with a position!");
    return false;
  }
  s.paths.extension = "." + *name;
  if (const std::optional<std::string> dataPath = ReadDpath()) s.paths.dataPath = *dataPath;
  LoadPosition(s, messages);
  s.view.resetZoomRequested = true;
  WriteExtr(s.paths);
  return true;
}

CommandEnd EndProgram(Session& s, UserMessages& messages) {
  WriteEchoOfFrame(s, messages);
  return CommandEnd::Quit;
}

EchoEdit BeginEchoEdit(Session& s) {
  MakePositionDirectory(s.paths);
  s.storedStateSum = ChangeSum(s.model.params);
  EchoEdit edit;
  edit.path = s.paths.temporaryEchoFile();
  WriteEcho(s, edit.path);
  edit.writtenAt = ModificationTime(edit.path).value_or(fs::file_time_type::min());
  return edit;
}

bool FinishEchoEdit(Session& s, UserMessages& messages, const EchoEdit& edit, bool accepted) {
  if (!accepted) return false;
  const std::optional<fs::file_time_type> now = ModificationTime(edit.path);
  if (!now || *now <= edit.writtenAt) return false;
  return LoadOldData(s, messages, kLoadTemporaryEcho);
}

}  // namespace rerore
