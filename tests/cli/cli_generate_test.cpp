#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace rerore {
namespace {

class CliGenerate : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(data / "SDIR001"); }
  test::CommandResult Generate(const std::string& kind, const std::string& values) {
    return test::RunCommand("XDG_DATA_HOME=" + home.path() + " " + RERORE_CLI + " generate " +
                            kind + " .001 @" + data.path() + " " + values);
  }
  int16_t CountIn(const std::string& name) const {
    return test::At<int16_t>(test::ReadFile(data / ("SDIR001/" + name + ".001")), 0);
  }
  test::TempDir data;
  test::TempDir home;
};

TEST_F(CliGenerate, EachGeneratorWritesItsFiles) {
  const std::tuple<std::string, std::string, int> runs[] = {
      {"beam", "4.0 7.5 12.3", 3},
      {"frame", "3.0:3:4.0 2.5:3:4", 10},
      {"arc", "10 180 0 2", 2},
      {"parabola", "10 2 6.7", 6},
  };
  for (const auto& [kind, values, elements] : runs) {
    const auto result = Generate(kind, values);
    ASSERT_EQ(result.status, 0) << kind << result.err;
    EXPECT_EQ(CountIn("ELEMENTS"), elements) << kind;
  }
  EXPECT_EQ(CountIn("DLT"), 3);
  EXPECT_EQ(CountIn("RAHMENDAT"), 2);
}

TEST_F(CliGenerate, RefusedInputExitsWith5AndWrongArgumentsWith1) {
  auto result = Generate("beam", "4.0 4.0");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: Coordinates of field ends must be increasing, x1 < x2 < x3 ...\n");
  result = Generate("frame", "3:1:5");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: 2 piers and more make a frame\n");
  for (const auto& [kind, values] : {std::pair{"circle", "1"}, {"arc", "10 180 0"}, {"beam", ""}}) {
    result = Generate(kind, values);
    EXPECT_EQ(result.status, 1) << kind;
    EXPECT_NE(result.err.find("usage: rerore-cli generate"), std::string::npos) << kind;
  }
}

// Each frame in a position of its own: arc and parabola set no supports,
// so their nodes must not inherit those of an earlier frame. GEOMETRY is
// removed after generating, so that only Store can write it again.
TEST(CliGenerateThenStore, BeamAndFrameAreSoundCurvesWithoutSupportsAreMechanisms) {
  const std::tuple<std::string, std::string, int> runs[] = {
      {"beam", "4.0 7.5 12.3", 0},
      {"frame", "3.0:2:5.0 3.0:3:2.5", 0},
      {"arc", "10 180 0 8", 2},
      {"parabola", "10 2 4", 2},
  };
  for (const auto& [kind, values, status] : runs) {
    test::TempDir data;
    test::TempDir home;
    std::filesystem::create_directories(data / "SDIR001");
    const std::string cli = "XDG_DATA_HOME=" + home.path() + " " + RERORE_CLI;
    const std::string position = " .001 @" + data.path();
    ASSERT_EQ(test::RunCommand(cli + " generate " + kind + position + " " + values).status, 0);
    const std::string geometry = data / "SDIR001/GEOMETRY.001";
    std::filesystem::remove(geometry);
    const auto result = test::RunCommand(cli + " store" + position);
    EXPECT_EQ(result.status, status) << kind << result.err;
    if (status == 0) {
      EXPECT_EQ(result.out, "checkResult 0\n") << kind;
      EXPECT_EQ(test::ReadFile(geometry), std::string("\1\0\0\0", 4)) << kind;
    } else {
      EXPECT_FALSE(test::Exists(geometry)) << kind;
    }
  }
}

}  // namespace
}  // namespace rerore
