// What the fuzz targets share: a silent user, a scratch data directory of
// their own for the files the code under test writes, and the packed
// position that the position targets take as input.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/file_io.h"
#include "model/position_paths.h"
#include "model/user_messages.h"

namespace rerore::fuzz {

class SilentMessages : public UserMessages {
 public:
  void message(const std::string&, const std::string&, MessageIcon) override {}
  Answer ask(const std::string&, const std::string&, MessageButtons) override {
    return Answer::Cancel;
  }
};

inline std::filesystem::path& ScratchBase() {
  static std::filesystem::path base;
  return base;
}

// A fresh data directory below the temporary folder (ending with '/'), and
// a settings home inside it so that no settings file of the user is read
// and none is written to the current directory. It is removed again when
// the fuzzer exits.
inline std::string ScratchDataPath(const char* target) {
  namespace fs = std::filesystem;
  fs::path& base = ScratchBase();
  base = fs::temp_directory_path() / (std::string(target) + "-" + std::to_string(getpid()));
  fs::remove_all(base);
  fs::create_directories(base / "home" / "VELTRANIX");
  setenv("XDG_DATA_HOME", (base / "home").c_str(), 1);
  std::atexit([] {
    std::error_code error;
    fs::remove_all(ScratchBase(), error);
  });
  return base.string() + "/";
}

// A packed position: for each of these files a 16-bit little-endian length
// and that many bytes (the length 0xFFFF: the file is missing).
inline constexpr std::array<const char*, 8> kPackedFiles = {
    "PARAMR", "ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR", "EXTENSIOR", "GEOMETRY"};
inline constexpr uint16_t kMissingFile = 0xFFFF;

// Writes the packed files into the position; what the input does not reach
// stays missing.
inline void UnpackPosition(const PositionPaths& paths, const uint8_t* data, size_t size) {
  size_t at = 0;
  for (const char* name : kPackedFiles) {
    const std::string path = paths.file(name);
    RemoveFile(path);
    if (at + 2 > size) continue;
    const uint16_t length = static_cast<uint16_t>(data[at] | data[at + 1] << 8);
    at += 2;
    if (length == kMissingFile) continue;
    const size_t take = std::min<size_t>(length, size - at);
    WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(data + at), take));
    at += take;
  }
}

}  // namespace rerore::fuzz
