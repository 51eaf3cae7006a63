#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "support/test_support.h"

namespace rerore {
namespace {

using test::RunCommand;
using test::TempDir;

std::string Cli(const std::string& arguments, const std::string& settingsHome) {
  return "XDG_DATA_HOME=" + settingsHome + " " + RERORE_CLI + " " + arguments;
}

TEST(CliLoad, CreatesTheDefaultTablesOfAnEmptyPosition) {
  TempDir data;
  TempDir home;
  std::filesystem::create_directories(data / "SDIR001");
  const auto result = RunCommand(Cli("load .001 @" + data.path(), home.path()));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(test::ListDirectory(data / "SDIR001"),
            (std::vector<std::string>{"CROSS.001", "MATR.001"}));
  const std::string cross = test::ReadFile(data / "SDIR001/CROSS.001");
  ASSERT_EQ(cross.size(), 142u);
  float width = 0;
  std::memcpy(&width, cross.data() + 2 + 84, 4);
  EXPECT_EQ(width, 0.2f);
}

TEST(CliLoad, UnwritableDataDirectoryExitsWithStatus4AndTheMessage) {
  TempDir data;
  TempDir home;
  test::WriteFile(data / "file", "x");
  const std::string path = data / "file/";
  const auto result = RunCommand(Cli("load .001 @" + path, home.path()));
  EXPECT_EQ(result.status, 4);
  EXPECT_EQ(result.err, "Does the directory " + path + " exist?: The file " + path +
                            "TEST cannot be stored!\n");
}

TEST(CliLoad, UsageErrors) {
  TempDir home;
  auto result = RunCommand(Cli("", home.path()));
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("usage: rerore-cli"), std::string::npos);
  result = RunCommand(Cli("load .001", home.path()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Missing input: Command line: .POS @PathData\\ \n");
}

}  // namespace
}  // namespace rerore
