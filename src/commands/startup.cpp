#include "commands/startup.h"

#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <system_error>
#include <utility>

#include "commands/load_old_data.h"
#include "model/file_io.h"
#include "model/native_path.h"
#include "model/position_files.h"
#include "model/settings_files.h"

namespace rerore {

namespace {

std::string WithoutDot(const std::string& extension) {
  return extension.empty() ? extension : extension.substr(1);
}

// The write test of the data directory.
bool DataPathWritable(const PositionPaths& paths, UserMessages& messages) {
  const std::string testFile = paths.dataPath + "TEST";
  if (!WriteFileAtomically(testFile, std::string_view())) {
    messages.message(Format("The file %s cannot be stored!", testFile.c_str()),
                     Format("Does the directory %s exist?", paths.dataPath.c_str()));
    return false;
  }
  RemoveFile(testFile);
  return true;
}

void SetStartDefaults(Session& s) {
  ModelParameters& p = s.model.params;
  p.materialConstant = kMaterialConstant;
  p.textHeight = kStartTextHeight;
  SetDefaultMaterial(s.model);
  SetDefaultCrossSection(s.model);
  p.sectionDefaultOnly = kSectionDefaultOnly;
  p.defaultModulus = kDefaultModulusParameter;
}

// The default section and material go into the position's files only when
// the position has its folder already; a new position gets them with its
// first write.
void ReadTablesOrDefaults(Session& s, UserMessages& messages) {
  std::error_code error;
  const bool folder = std::filesystem::is_directory(NativePath(s.paths.positionDirectory), error);
  ReadElementsFile(s.paths, s.model, &messages);
  ReadNodesFile(s.paths, s.model, &messages);
  ReadSupportsFile(s.paths, s.model, &messages);
  if (!ReadCrossSectionsFile(s.paths, s.model, &messages)) {
    SetDefaultCrossSection(s.model);
    s.model.params.sectionDefaultOnly = kSectionDefaultOnly;
    if (folder) WriteCrossSectionsFile(s.paths, s.model);
  }
  if (!ReadMaterialsFile(s.paths, s.model, &messages)) {
    SetDefaultMaterial(s.model);
    s.model.params.defaultModulus = kDefaultModulusParameter;
    if (folder) WriteMaterialsFile(s.paths, s.model);
  }
}

}  // namespace

void ReadWorldWindow(Session& s, UserMessages* messages) {
  s.view.extents = DrawingExtents{};
  ReadExtentFile(s.paths, s.view.extents, messages);
  s.view.autoScale = true;
}

bool EchoFilePresent(const PositionPaths& paths) {
  const std::string path = paths.echoFile();
  if (!FileReadable(path)) return false;
  std::error_code error;
  const auto time = std::filesystem::last_write_time(NativePath(path), error);
  return !error && time.time_since_epoch().count() != 0;
}

StartResult StartProgram(Session& s, UserMessages& messages, const std::string& commandLine) {
  return StartProgram(s, messages, ParseCommandLine(commandLine));
}

StartResult StartProgram(Session& s, UserMessages& messages, const CommandLine& line) {
  if (!line.valid) {
    messages.message(kMissingInputText, kMissingInputTitle);
    return StartResult::MissingInput;
  }
  s.paths.resetGeometry = line.resetGeometry ? 1 : 0;
  s.paths.extension = line.extension;
  s.paths.dataPath = line.dataPath;
  if (LoadPosition(s, messages) == 0) return StartResult::NotWritable;
  s.view.resetZoomRequested = true;
  return StartResult::Started;
}

int LoadPosition(Session& s, UserMessages& messages) {
  ModelParameters& p = s.model.params;
  const std::string name = WithoutDot(s.paths.extension);
  s.paths.dataPath = WithTrailingSeparator(s.paths.dataPath);
  BuildPositionPaths(s.paths, name);
  MakeSettingsDirectory(s.paths);
  if (const std::string tooLong = PathTooLong(s.paths); !tooLong.empty()) {
    messages.message(Format(kPathTooLongText, tooLong.c_str()), "Error");
    return 0;
  }
  if (!DataPathWritable(s.paths, messages)) return 0;
  // A run killed while writing can have left temporary files behind. The
  // folder itself is made by the first action that writes into it, so that
  // a mistyped extension leaves nothing behind.
  RemoveTemporaryFiles(s.paths.positionDirectory);
  UsePositionName(s.paths, name);
  SetStartDefaults(s);
  if (s.paths.resetGeometry == 1) WriteGeometryFile(s.paths, 0);
  s.view.lineWidth = ReadLineWidth(s.paths);
  s.view.display = DisplayOptions{};
  p.beamGeneratorMark = 0;
  ReadParametersFile(s.paths, s.model, &messages);
  ReadTablesOrDefaults(s, messages);
  ReadWorldWindow(s, &messages);
  if (!EchoFilePresent(s.paths)) {
    p.setTitle("");
    p.tolerance = kTolerance;
    p.displayState68 = -1;
    p.materialConstant = kMaterialConstant;
    p.displayState108 = 20;
    p.materialInputState = 1;
    p.angleFlag = 1;
  } else {
    p.angleFlag = 1;
    p.tolerance = kTolerance;
    LoadOldData(s, messages, kLoadPositionEcho);
  }
  s.view.fangenOption = ReadSnapSettings(s.paths).option;
  s.storedStateSum = ChangeSum(s.model.params);
  s.paths.geometryPresent = GeometryFileExists(s.paths) ? 1 : 0;
  return 1;
}

void ResetParameters(ModelTables& model) {
  Trace("\nG10 Zuruecksetzen\n");
  uint8_t* b = model.params.bytes();
  const int32_t one = 1;
  std::memcpy(b + 679, &one, sizeof one);
  model.params.tolerance = kTolerance;
  static constexpr std::pair<int, int> kCleared[] = {
      {0, 7},     {12, 17},   {20, 23},   {28, 33},   {38, 41},   {44, 51},
      {58, 59},   {62, 63},   {66, 91},   {98, 99},   {130, 131}, {496, 511},
      {520, 575}, {592, 607}, {664, 664}, {666, 670}, {672, 677}, {684, 684}};
  for (const auto& [from, to] : kCleared) std::memset(b + from, 0, to - from + 1);
}

}  // namespace rerore
