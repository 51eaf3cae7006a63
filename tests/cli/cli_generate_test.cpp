#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_fixture.h"

namespace rerore {
namespace {

// Each frame in a fresh position of its own: arc and parabola set no
// supports, so their nodes must not inherit those of an earlier frame.
// GEOMETRY is removed after generating, so that only Store can write it.
TEST(CliGenerate, GeneratedFramesAreStoredSoundOrAsMechanisms) {
  test::ExampleData examples;
  const std::tuple<std::string, std::string, std::string, int, int> runs[] = {
      {"011", "beam", "4.0 7.5 12.3", 3, 0},
      {"012", "frame", "3.0:2:5.0 3.0:3:2.5", 9, 0},
      {"013", "arc", "10 180 0 2", 2, 2},
      {"014", "parabola", "10 2 6.7", 6, 2},
  };
  for (const auto& [position, kind, values, elements, status] : runs) {
    std::filesystem::create_directories(examples.data / ("SDIR" + position));
    const auto generated = examples.run("generate " + kind, position, values);
    ASSERT_EQ(generated.status, 0) << kind << generated.err;
    const std::string x = "." + position;
    EXPECT_EQ(test::At<int16_t>(test::ReadFile(examples.file(position, "ELEMENTS" + x)), 0),
              elements)
        << kind;
    std::filesystem::remove(examples.file(position, "GEOMETRY" + x));
    const auto result = examples.run("store", position);
    EXPECT_EQ(result.status, status) << kind << result.err;
    EXPECT_EQ(examples.number(position, "GEOMETRY" + x), status == 0 ? 1 : -1) << kind;
    EXPECT_EQ(result.out == "checkResult 0\n", status == 0) << kind << result.out;
  }
  EXPECT_EQ(test::At<int16_t>(test::ReadFile(examples.file("011", "DLT.011")), 0), 3);
  EXPECT_EQ(test::At<int16_t>(test::ReadFile(examples.file("012", "RAHMENDAT.012")), 0), 2);
}

TEST(CliGenerate, RefusedInputExitsWith5AndWrongArgumentsWith1) {
  test::ExampleData examples;
  std::filesystem::create_directories(examples.data / "SDIR011");
  auto result = examples.run("generate beam", "011", "4.0 4.0");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: Coordinates of field ends must be increasing, x1 < x2 < x3 ...\n");
  result = examples.run("generate frame", "011", "3:1:5");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: 2 piers and more make a frame\n");
  for (const auto& [kind, values] : {std::pair{"circle", "1"}, {"arc", "10 180 0"}, {"beam", ""}}) {
    result = examples.run("generate " + std::string(kind), "011", values);
    EXPECT_EQ(result.status, 1) << kind;
    EXPECT_NE(result.err.find("usage: rerore-cli generate"), std::string::npos) << kind;
  }
}

}  // namespace
}  // namespace rerore
