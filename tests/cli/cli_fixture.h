// A copy of the example data directory with a settings home of its own, and
// rerore-cli run on it.
#pragma once

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace rerore::test {

struct ExampleData {
  TempDir data;
  TempDir home;
  ExampleData() {
    std::filesystem::copy(std::string(RERORE_SOURCE_DIR) + "/examples/DATA", data.path(),
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(home / "VELTRANIX");  // EXTR goes there
  }
  // "rerore-cli ARGUMENTS" with this settings home.
  CommandResult cli(const std::string& arguments) const {
    return RunCommand("XDG_DATA_HOME=" + home.path() + " QT_QPA_PLATFORM=offscreen " + RERORE_CLI +
                      " " + arguments);
  }
  // "rerore-cli COMMAND .POSITION @DATAPATH MORE"
  CommandResult run(const std::string& command, const std::string& position,
                    const std::string& more = "") const {
    return cli(command + " ." + position + " @" + data.path() + " " + more);
  }
  std::string file(const std::string& position, const std::string& name) const {
    return data / ("SDIR" + position + "/" + name);
  }
  std::vector<std::string> files(const std::string& position) const {
    return ListDirectory(data / ("SDIR" + position));
  }
  // A file holding one 32-bit number (GEOMETRY), or -1.
  int32_t number(const std::string& position, const std::string& name) const {
    const std::string bytes = ReadFile(file(position, name));
    int32_t value = -1;
    if (bytes.size() == sizeof value) std::memcpy(&value, bytes.data(), sizeof value);
    return value;
  }
  // No command leaves a temporary file in the position directory.
  void expectNoTemporaryFiles(const std::string& position) const {
    for (const std::string& name : files(position)) {
      EXPECT_EQ(name.find("~tmp"), std::string::npos) << name;
      EXPECT_NE(name, "ECHO_G.TMP.TXT");
    }
  }
};

}  // namespace rerore::test
