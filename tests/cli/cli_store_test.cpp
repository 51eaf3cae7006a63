#include <gtest/gtest.h>

#include <cstdlib>
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
    fs::create_directories(home / "VELTRANIX");  // EXTR goes there, not into the current folder
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

TEST(CliStore, SoundFramesAreStoredCompleteWithGeometryOne) {
  ExampleData examples;
  for (const std::string position : {"001", "002"}) {
    const auto result = examples.run("store", position);
    EXPECT_EQ(result.status, 0) << position << result.err;
    EXPECT_EQ(result.out, "checkResult 0\n");
    EXPECT_EQ(Int32File(examples.file(position, "GEOMETRY." + position)), 1);
    const std::string x = "." + position;
    for (const std::string& name : {"ELEMENTS" + x,
                                    "NODES" + x,
                                    "LKNOTENR" + x,
                                    "CROSS" + x,
                                    "MATR" + x,
                                    "PARAMR" + x,
                                    "DOFSK" + x,
                                    "GRAFIKGO" + x,
                                    "EXTENSIOR" + x,
                                    std::string("FILES"),
                                    "ECHO_G" + x + ".TXT",
                                    std::string("D1.TXT"),
                                    std::string("DEFSUP.TXT"),
                                    std::string("MATH_KMATRIX.TXT"),
                                    "MATRIX" + x,
                                    "MATRIXORI" + x,
                                    "MATRIXP" + x,
                                    "LU" + x,
                                    "INVERSE" + x,
                                    "FLEXDIA" + x,
                                    "FLEXMAX" + x,
                                    std::string("FLEXMAX.TXT")})
      EXPECT_TRUE(test::Exists(examples.file(position, name))) << name;
    ExpectNoTemporaryFiles(examples.data / ("SDIR" + position));
  }
  EXPECT_EQ(ReadFile(examples.home / "VELTRANIX/EXTR").c_str(), std::string(".002"));
  const std::string echo = ReadFile(examples.file("002", "ECHO_G.002.TXT"));
  EXPECT_EQ(echo.substr(0, 37), "TITEL\r\nContinuous beam, three spans\r\n");
}

TEST(CliStore, AMechanismOrARefusedModelKeepsGeometryAtZero) {
  ExampleData examples;
  auto result = examples.run("store", "003");
  EXPECT_EQ(result.status, 2) << result.err;
  EXPECT_EQ(result.out.rfind("checkResult ", 0), 0u);
  EXPECT_GT(std::atoi(result.out.c_str() + 12), 0);
  EXPECT_EQ(Int32File(examples.file("003", "GEOMETRY.003")), 0);
  ExpectNoTemporaryFiles(examples.data / "SDIR003");

  // A section without area: the check refuses the model.
  const std::string echoPath = examples.file("003", "ECHO_G.003.TXT");
  std::string echo = ReadFile(echoPath);
  echo.replace(echo.find("1.2000E-01"), 10, "0.0000E+00");
  test::WriteFile(echoPath, echo);
  result = examples.run("store", "003");
  EXPECT_EQ(result.status, 3) << result.err;
  EXPECT_EQ(result.out, "checkResult -1\n");
  EXPECT_EQ(Int32File(examples.file("003", "GEOMETRY.003")), 0);
}

TEST(CliStore, AnUnnamedPositionIsRefused) {
  ExampleData examples;
  fs::create_directories(examples.data / "SDIRNEW");
  const auto result = examples.run("store", "NEW");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Store: The position NEW has no name yet: Store as needs one.\n");
  EXPECT_FALSE(test::Exists(examples.file("NEW", "ECHO_G.NEW.TXT")));
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
