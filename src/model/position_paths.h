// The paths of the position in work: extension, data path, position
// directory, working and settings directories, and the file names built
// from them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rerore {

struct PositionPaths {
  std::string extension;          // with one leading dot, e.g. ".001"
  std::string positionName;       // the extension without its dot
  std::string dataPath;           // as written on the command line, ending with a separator
  std::string positionDirectory;  // dataPath + "SDIR" + name + separator
  std::string workingDirectory;   // current directory at start-up + separator
  std::string settingsDirectory;  // application-data folder + "VELTRANIX"
  int32_t settingsDirectoryPresent = 0;
  int32_t resetGeometry = 0;  // the command line carried a flag token starting with "G"
  int32_t geometryPresent = 0;

  // positionDirectory + name + extension, e.g. ".../SDIR001/ELEMENTS.001".
  std::string file(const std::string& name) const;
  // positionDirectory + name, for the files without the position's extension.
  std::string plainFile(const std::string& name) const;
  // positionDirectory + "ECHO_G" + extension + ".TXT".
  std::string echoFile() const;
  // positionDirectory + "ECHO_G.TMP.TXT".
  std::string temporaryEchoFile() const;
  // The separator that the data path ends with ('/' when it ends with none).
  char separator() const;
};

struct CommandLine {
  bool valid = false;  // false: the start is refused with "Missing input"
  std::string extension;
  std::string dataPath;
  std::string flagToken;
  bool resetGeometry = false;
};

inline constexpr const char* kMissingInputText = "Command line: .POS @PathData\\ ";
inline constexpr const char* kMissingInputTitle = "Missing input";

// The command line: the extension token, " @" and the data path, optionally
// " @" and a flag token. The desktop program passes its arguments joined by
// single blanks.
CommandLine ParseCommandLine(const std::string& text);

// The same from separate arguments, as the command-line tool gets them:
// EXT, "@" + data path, optionally "@" + flag. The data path is the whole
// second argument, so it may hold blanks and "@" of its own.
CommandLine CommandLineFromArguments(const std::vector<std::string>& arguments);

// A data path without a separator at its end gets one; an empty path (the
// current directory) stays empty.
std::string WithTrailingSeparator(const std::string& dataPath);

inline constexpr const char* kPathTooLongText = "The path %s is too long";
// The data path or position directory that does not fit the position
// files' path fields, or an empty string when both fit. Such a path is
// refused rather than cut, which would name another directory.
std::string PathTooLong(const PositionPaths& paths);

// The user's application-data folder + "VELTRANIX": the XDG data home on
// this platform, %APPDATA% on Windows; empty when the environment names no
// such folder.
std::string DefaultSettingsDirectory();

// Names the position: positionName = name, extension = "." + name.
void UsePositionName(PositionPaths& paths, const std::string& name);

// Sets workingDirectory, positionDirectory, settingsDirectory and
// settingsDirectoryPresent for the given name.
void BuildPositionPaths(PositionPaths& paths, const std::string& nameWithoutDot);

// Creates the settings directory when it is missing (with the folders above
// it) and sets settingsDirectoryPresent accordingly.
void MakeSettingsDirectory(PositionPaths& paths);

// A settings file in the settings directory; an empty path when there is no
// settings directory: the settings are then neither read nor written, and
// never land in whatever the current directory happens to be.
std::string SettingsFilePath(const PositionPaths& paths, const std::string& name);

// Creates the position directory and, when the settings file FHTEST exists,
// records the settings directory in it (PathAppData).
void MakePositionDirectory(const PositionPaths& paths);

// Creates the position directory (and the data directory) when missing, so
// that what is about to be written has its place.
void EnsurePositionDirectory(const PositionPaths& paths);

// Appends to the trace file; dropped silently when it cannot be opened.
void Trace(const std::string& text);
std::string TraceFilePath();

}  // namespace rerore
