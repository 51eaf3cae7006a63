#include "model/settings_files.h"

#include <cstring>

#include "model/constants.h"
#include "model/file_io.h"

namespace rerore {

int32_t ReadLineWidth(const PositionPaths& paths) {
  int32_t width = kDefaultLineWidth;
  if (const auto data = ReadFilePrefix(SettingsFilePath(paths, "ZELTRDB"), sizeof width))
    BinaryIn(*data).get(width);
  return width;
}

bool WriteLineWidth(const PositionPaths& paths, int32_t width) {
  BinaryOut out;
  out.put(width);
  const std::string path = SettingsFilePath(paths, "ZELTRDB");
  return !path.empty() && out.save(path);
}

SnapSettings ReadSnapSettings(const PositionPaths& paths) {
  SnapSettings settings{kDefaultSnapValue, kDefaultSnapOption};
  if (const auto data = ReadFilePrefix(SettingsFilePath(paths, "FANGEN"), 8)) {
    BinaryIn in(*data);
    in.get(settings.value);
    in.get(settings.option);
  }
  return settings;
}

bool WriteExtr(const PositionPaths& paths) {
  char buffer[kExtensionBufferSize] = {};
  std::strncpy(buffer, paths.extension.c_str(), sizeof buffer - 1);
  BinaryOut out;
  out.putBytes(buffer, sizeof buffer);
  const std::string path = SettingsFilePath(paths, "EXTR");
  return !path.empty() && out.save(path);
}

bool SettingsFlagPresent(const PositionPaths& paths) {
  return FileReadable(SettingsFilePath(paths, "FHTEST"));
}

std::optional<std::string> ReadDpath() {
  const auto data = ReadFilePrefix("DPATH", kExtensionBufferSize);
  if (!data) return std::nullopt;
  return std::string(data->c_str());
}

}  // namespace rerore
