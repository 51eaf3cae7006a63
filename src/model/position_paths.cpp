#include "model/position_paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/constants.h"
#include "model/file_io.h"
#include "model/native_path.h"
#include "model/user_messages.h"

namespace rerore {

namespace fs = std::filesystem;

namespace {
#ifdef _WIN32
constexpr char kNativeSeparator = '\\';
#else
constexpr char kNativeSeparator = '/';
#endif
}  // namespace

char PositionPaths::separator() const {
  if (!dataPath.empty() && (dataPath.back() == '\\' || dataPath.back() == '/'))
    return dataPath.back();
  return kNativeSeparator;
}

std::string PositionPaths::file(const std::string& name) const {
  return positionDirectory + name + extension;
}

std::string PositionPaths::plainFile(const std::string& name) const {
  return positionDirectory + name;
}

std::string PositionPaths::echoFile() const {
  return positionDirectory + "ECHO_G" + extension + ".TXT";
}

std::string PositionPaths::temporaryEchoFile() const {
  return positionDirectory + "ECHO_G.TMP.TXT";
}

CommandLine ParseCommandLine(const std::string& text) {
  CommandLine line;
  const size_t first = text.find('@');
  if (text.empty() || first == std::string::npos) return line;
  line.valid = true;
  // The character just before each "@" is the separating blank.
  line.extension = text.substr(0, first > 0 ? first - 1 : 0);
  const size_t second = text.find('@', first + 1);
  if (second == std::string::npos) {
    line.dataPath = text.substr(first + 1);
  } else {
    const size_t end = second > first + 1 ? second - 1 : first + 1;
    line.dataPath = text.substr(first + 1, end - (first + 1));
    line.flagToken = text.substr(second + 1);
    line.resetGeometry = !line.flagToken.empty() && line.flagToken[0] == 'G';
  }
  return line;
}

CommandLine CommandLineFromArguments(const std::vector<std::string>& arguments) {
  CommandLine line;
  const auto marked = [](const std::string& argument) {
    return !argument.empty() && argument[0] == '@';
  };
  if (arguments.size() < 2 || arguments.size() > 3 || !marked(arguments[1])) return line;
  if (arguments.size() == 3 && !marked(arguments[2])) return line;
  line.valid = true;
  line.extension = arguments[0];
  line.dataPath = arguments[1].substr(1);
  if (arguments.size() == 3) {
    line.flagToken = arguments[2].substr(1);
    line.resetGeometry = !line.flagToken.empty() && line.flagToken[0] == 'G';
  }
  return line;
}

std::string WithTrailingSeparator(const std::string& dataPath) {
  if (dataPath.empty() || dataPath.back() == '/' || dataPath.back() == '\\') return dataPath;
  return dataPath + kNativeSeparator;
}

std::string PathTooLong(const PositionPaths& paths) {
  constexpr size_t kLongest = kPathBufferSize - 1;  // the fields end with a NUL
  if (paths.dataPath.size() > kLongest) return paths.dataPath;
  if (paths.positionDirectory.size() > kLongest ||
      paths.extension.size() > static_cast<size_t>(kExtensionBufferSize - 1))
    return paths.positionDirectory;
  return "";
}

std::string DefaultSettingsDirectory() {
#ifdef _WIN32
  const char* appData = std::getenv("APPDATA");
  if (!appData || !*appData) return "";
  return std::string(appData) + "\\VELTRANIX";
#else
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && *dataHome) return std::string(dataHome) + "/VELTRANIX";
  const char* home = std::getenv("HOME");
  if (!home || !*home) return "";
  return std::string(home) + "/.local/share/VELTRANIX";
#endif
}

void UsePositionName(PositionPaths& paths, const std::string& name) {
  paths.positionName = name;
  paths.extension = "." + name;
}

void BuildPositionPaths(PositionPaths& paths, const std::string& nameWithoutDot) {
  std::error_code error;
  const std::string current = PathText(fs::current_path(error));
  paths.workingDirectory = current + kNativeSeparator;
  paths.positionDirectory = paths.dataPath + "SDIR" + nameWithoutDot + paths.separator();
  paths.settingsDirectory = DefaultSettingsDirectory();
  paths.settingsDirectoryPresent =
      !paths.settingsDirectory.empty() &&
              fs::is_directory(NativePath(paths.settingsDirectory), error)
          ? 1
          : 0;
}

void MakeSettingsDirectory(PositionPaths& paths) {
  if (paths.settingsDirectory.empty()) return;
  std::error_code error;
  fs::create_directories(NativePath(paths.settingsDirectory), error);
  paths.settingsDirectoryPresent = fs::is_directory(NativePath(paths.settingsDirectory), error);
}

std::string SettingsFilePath(const PositionPaths& paths, const std::string& name) {
  if (paths.settingsDirectoryPresent == 1) return paths.settingsDirectory + kNativeSeparator + name;
  return "";
}

void MakePositionDirectory(const PositionPaths& paths) {
  std::error_code error;
  fs::create_directory(NativePath(paths.positionDirectory), error);
  if (FileReadable(SettingsFilePath(paths, "FHTEST"))) {
    TextOut text;
    text.print("%s\n", paths.settingsDirectory.c_str());
    text.save(paths.plainFile("PathAppData"));
  }
}

void EnsurePositionDirectory(const PositionPaths& paths) {
  std::error_code error;
  fs::create_directories(NativePath(paths.positionDirectory), error);
}

std::string TraceFilePath() {
#ifdef _WIN32
  return "D:\\PR\\CTRACE.TXT";
#else
  return "/tmp/PR/CTRACE.TXT";
#endif
}

void Trace(const std::string& text) {
  TextOut out;
  out.put(text);
  AppendToFile(TraceFilePath(), out.bytes());
}

}  // namespace rerore
