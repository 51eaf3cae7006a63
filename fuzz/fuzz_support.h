// What the fuzz targets share: a silent user, and a scratch data directory
// of their own for the files the code under test writes.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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
// a settings home inside it so that no settings file of the user is read.
// It is removed again when the fuzzer exits.
inline std::string ScratchDataPath(const char* target) {
  namespace fs = std::filesystem;
  fs::path& base = ScratchBase();
  base = fs::temp_directory_path() / (std::string(target) + "-" + std::to_string(getpid()));
  fs::remove_all(base);
  fs::create_directories(base / "home");
  setenv("XDG_DATA_HOME", (base / "home").c_str(), 1);
  std::atexit([] {
    std::error_code error;
    fs::remove_all(ScratchBase(), error);
  });
  return base.string() + "/";
}

}  // namespace rerore::fuzz
