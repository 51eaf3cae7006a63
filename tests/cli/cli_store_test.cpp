#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "support/test_support.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::RunCommand;
using test::TempDir;

// A copy of the example data directory.
struct ExampleData {
  TempDir data;
  TempDir home;
  ExampleData() {
    fs::copy(std::string(RERORE_SOURCE_DIR) + "/examples/DATA", data.path(),
             fs::copy_options::recursive);
  }
  test::CommandResult run(const std::string& command, const std::string& position) {
    return RunCommand("XDG_DATA_HOME=" + home.path() + " " + RERORE_CLI + " " + command + " ." +
                      position + " @" + data.path());
  }
  std::string file(const std::string& position, const std::string& name) const {
    return data.path() + "SDIR" + position + "/" + name;
  }
};

int32_t Int32File(const std::string& path) {
  const std::string bytes = ReadFile(path);
  int32_t value = -1;
  if (bytes.size() == sizeof value) std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

void ExpectNoTemporaryFiles(const std::string& directory) {
  for (const std::string& name : test::ListDirectory(directory)) {
    EXPECT_EQ(name.find("~tmp"), std::string::npos) << name;
    EXPECT_NE(name, "ECHO_G.TMP.TXT");
  }
}

TEST(CliEnd, RewritesTheEchoFileOfALoadedPosition) {
  ExampleData examples;
  const auto result = examples.run("end", "001");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::string echo = ReadFile(examples.file("001", "ECHO_G.001.TXT"));
  EXPECT_EQ(echo.substr(0, 31), "TITEL\r\nPortal frame 6 m x 4 m\r\n");
  EXPECT_NE(echo.find("\r\nNODES\r\n4\r\n1 0.00 0.00  1.0000E+00  1.0000E+00  1.0000E+00\r\n"),
            std::string::npos);
  for (const char* name : {"D1.TXT", "FILES", "GRAFIKGO.001", "PARAMR.001", "DOFSK.001"})
    EXPECT_TRUE(test::Exists(examples.file("001", name))) << name;
  EXPECT_EQ(Int32File(examples.file("001", "GEOMETRY.001")), 0);  // loaded from the echo file
  ExpectNoTemporaryFiles(examples.data / "SDIR001");
}

TEST(CliEnd, WritesNoEchoFileWithoutElements) {
  ExampleData examples;
  fs::create_directories(examples.data / "SDIR005");
  const auto result = examples.run("end", "005");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(test::ListDirectory(examples.data / "SDIR005"),
            (std::vector<std::string>{"CROSS.005", "MATR.005"}));
}

}  // namespace
}  // namespace rerore
