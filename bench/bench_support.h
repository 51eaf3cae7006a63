// What the benchmarks share: a user who is never told anything, and a
// scratch data directory with the positions of the frames they time.
#pragma once

#include <filesystem>
#include <string>

#include "model/position_paths.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore::bench {

class Quiet : public UserMessages {
 public:
  void message(const std::string&, const std::string&, MessageIcon) override {}
  Answer ask(const std::string&, const std::string&, MessageButtons) override {
    return Answer::Cancel;
  }
};

// A data directory below the temporary folder (the path ends with '/'),
// removed again with everything in it when the object goes.
struct ScratchData {
  explicit ScratchData(const std::string& name)
      : path((std::filesystem::temp_directory_path() / name).string() + "/") {}
  ~ScratchData() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  const std::string path;
};

// Points the session at position `name` of the data directory and creates
// the position directory.
inline void UseBenchPosition(Session& s, const std::string& dataPath, const std::string& name) {
  s.paths.dataPath = dataPath;
  s.paths.extension = "." + name;
  s.paths.positionName = name;
  BuildPositionPaths(s.paths, name);
  std::filesystem::create_directories(s.paths.positionDirectory);
}

}  // namespace rerore::bench
