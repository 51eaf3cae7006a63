

#include "support/test_support.h"

namespace rerore {
namespace {

// CI runs .ci/run; it must run exactly the test command the README gives.
TEST(Readme, CiRunsTheReadmesTestCommand) {
  const std::string readme = test::ReadFile(std::string(RERORE_SOURCE_DIR) + "/README.md");
  const std::string ci = test::ReadFile(std::string(RERORE_SOURCE_DIR) + "/.ci/run");
  const std::string marker = "Install, build and run every test:\n\n```sh\n";
  const size_t start = readme.find(marker);
  ASSERT_NE(start, std::string::npos);
  const size_t from = start + marker.size();
  const std::string command = readme.substr(from, readme.find('\n', from) - from);
  EXPECT_NE(command.find("ctest"), std::string::npos);
  EXPECT_NE(ci.find(command + "\n"), std::string::npos) << command;
}

}  // namespace
}  // namespace rerore
