// The small settings files of the program (line width, snap settings, the last
// extension) and the files read from the current directory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/position_paths.h"

namespace rerore {

int32_t ReadLineWidth(const PositionPaths& paths);  // ZELTRDB, 1 when missing
bool WriteLineWidth(const PositionPaths& paths, int32_t width);

struct SnapSettings {
  float value;
  int32_t option;  // the checked state of a view option
};
SnapSettings ReadSnapSettings(const PositionPaths& paths);  // 0.05 and 1 when missing

// EXTR: the 241-byte extension buffer, the bytes after the text zero.
bool WriteExtr(const PositionPaths& paths);
bool SettingsFlagPresent(const PositionPaths& paths);  // FHTEST

// DPATH in the current directory: a data path of at most 241 bytes.
std::optional<std::string> ReadDpath();

}  // namespace rerore
