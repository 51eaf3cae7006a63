#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_fixture.h"

namespace rerore {
namespace {

// check and store print the same result and exit 0 (sound), 2 (singular)
// or 3 (the check refused the model); only store writes GEOMETRY 1.
TEST(CliCheckAndStore, ResultAndExitStatusForSoundSingularAndRefusedFrames) {
  for (const std::string command : {"check", "store"}) {
    test::ExampleData examples;
    auto result = examples.run(command, "001");
    EXPECT_EQ(result.status, 0) << command << result.err;
    EXPECT_EQ(result.out, "checkResult 0\n") << command;
    EXPECT_EQ(examples.number("001", "GEOMETRY.001"), command == "store" ? 1 : 0) << command;
    EXPECT_TRUE(test::Exists(examples.file("001", "FLEXDIA.001"))) << command;

    result = examples.run(command, "003");  // a hinged portal: a mechanism
    EXPECT_EQ(result.status, 2) << command;
    EXPECT_EQ(result.out, "checkResult 14\n") << command;
    EXPECT_NE(result.err.find("Error: Singularity in row 14\nEquation 14 is the rotation of node "
                              "4: the frame can move there.\n"),
              std::string::npos)
        << command << result.err;
    EXPECT_EQ(examples.number("003", "GEOMETRY.003"), 0) << command;

    // A section without area: the check refuses the model.
    const std::string echoPath = examples.file("003", "ECHO_G.003.TXT");
    std::string echo = test::ReadFile(echoPath);
    echo.replace(echo.find("1.2000E-01"), 10, "0.0000E+00");
    test::WriteFile(echoPath, echo);
    result = examples.run(command, "003");
    EXPECT_EQ(result.status, 3) << command;
    EXPECT_EQ(result.out, "checkResult -1\n") << command;
    EXPECT_NE(result.err.find("RERORE: Error in the stiffness of element 1. Check E, A and I\n"),
              std::string::npos)
        << command;
    EXPECT_EQ(examples.number("003", "GEOMETRY.003"), 0) << command;
    examples.expectNoTemporaryFiles("001");
    examples.expectNoTemporaryFiles("003");
  }
}

TEST(CliStore, SoundFramesAreStoredWithEveryFile) {
  test::ExampleData examples;
  for (const std::string position : {"001", "002"}) {
    const auto result = examples.run("store", position);
    EXPECT_EQ(result.status, 0) << position << result.err;
    std::vector<std::string> names = {"FILES",       "D1.TXT",
                                      "DEFSUP.TXT",  "MATH_KMATRIX.TXT",
                                      "FLEXMAX.TXT", "ECHO_G." + position + ".TXT"};
    for (const char* table : {"ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR", "PARAMR", "DOFSK",
                              "GRAFIKGO", "EXTENSIOR", "MATRIX", "MATRIXORI", "MATRIXP", "LU",
                              "INVERSE", "FLEXDIA", "FLEXMAX", "GEOMETRY"})
      names.push_back(table + ("." + position));
    for (const std::string& name : names)
      EXPECT_TRUE(test::Exists(examples.file(position, name))) << name;
    examples.expectNoTemporaryFiles(position);
  }
  EXPECT_EQ(test::ReadFile(examples.home / "VELTRANIX/EXTR").c_str(), std::string(".002"));
  const std::string echo = test::ReadFile(examples.file("002", "ECHO_G.002.TXT"));
  EXPECT_EQ(echo.substr(0, 37), "TITEL\r\nContinuous beam, three spans\r\n");
}

TEST(CliStore, AnUnnamedPositionIsRefused) {
  test::ExampleData examples;
  std::filesystem::create_directories(examples.data / "SDIRNEW");
  const auto result = examples.run("store", "NEW");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Store: The position NEW has no name yet: Store as needs one.\n");
  EXPECT_FALSE(test::Exists(examples.file("NEW", "ECHO_G.NEW.TXT")));
}

TEST(CliEnd, RewritesTheEchoFileOfALoadedPosition) {
  test::ExampleData examples;
  const auto result = examples.run("end", "001");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::string echo = test::ReadFile(examples.file("001", "ECHO_G.001.TXT"));
  EXPECT_EQ(echo.substr(0, 31), "TITEL\r\nPortal frame 6 m x 4 m\r\n");
  EXPECT_NE(echo.find("\r\nNODES\r\n4\r\n1 0.00 0.00  1.0000E+00  1.0000E+00  1.0000E+00\r\n"),
            std::string::npos);
  EXPECT_EQ(examples.number("001", "GEOMETRY.001"), 0);  // loaded from the echo file
  examples.expectNoTemporaryFiles("001");
}

}  // namespace
}  // namespace rerore
