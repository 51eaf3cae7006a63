#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_fixture.h"

namespace rerore {
namespace {

// load gives an empty position its default section and material; end
// then writes no echo file, since there is no element or node.
TEST(CliLoad, AnEmptyPositionGetsTheDefaultTablesAndEndAddsNoEchoFile) {
  test::ExampleData examples;
  std::filesystem::create_directories(examples.data / "SDIR005");
  const std::vector<std::string> defaults = {"CROSS.005", "MATR.005"};
  auto result = examples.run("load", "005");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(examples.files("005"), defaults);  // their bytes: see the start-up test
  result = examples.run("end", "005");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(examples.files("005"), defaults);
}

TEST(CliLoad, UnwritableDataDirectoryAndUsageErrors) {
  test::ExampleData examples;
  const std::string path = examples.file("001", "ECHO_G.001.TXT/");  // a file, not a directory
  auto result = examples.cli("load .001 @" + path);
  EXPECT_EQ(result.status, 4);
  EXPECT_EQ(result.err, "Does the directory " + path + " exist?: The file " + path +
                            "TEST cannot be stored!\n");
  result = examples.cli("");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("usage: rerore-cli"), std::string::npos);
  result = examples.cli("load .001");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Missing input: Command line: .POS @PathData\\ \n");
}

}  // namespace
}  // namespace rerore
