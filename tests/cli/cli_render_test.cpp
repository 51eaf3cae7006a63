#include <gtest/gtest.h>

#include <cstdint>

#include "cli/cli_fixture.h"

namespace rerore {
namespace {

uint32_t BigEndian(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

TEST(CliRender, ImageOfTheGivenSizeThePrintedPageAndRefusedArguments) {
  test::ExampleData examples;
  if (examples.cli("").err.find("render EXT") == std::string::npos)
    GTEST_SKIP() << "built without the desktop program";
  const std::string png = examples.data / "frame.png";
  auto result = examples.run("render", "001", png + " --size 640x400");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string image = test::ReadFile(png);
  ASSERT_GT(image.size(), 24u);
  EXPECT_EQ(image.substr(1, 3), "PNG");
  EXPECT_EQ(BigEndian(image, 16), 640u);  // IHDR width and height
  EXPECT_EQ(BigEndian(image, 20), 400u);

  const std::string pdf = examples.data / "frame.pdf";
  result = examples.run("render", "001", pdf);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(test::ReadFile(pdf).substr(0, 5), "%PDF-");

  EXPECT_EQ(examples.run("render", "001").status, 1);
  const std::string refused = examples.data / "x.png";
  result = examples.run("render", "001", refused + " --size 640");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("usage: rerore-cli render"), std::string::npos);
  EXPECT_FALSE(test::Exists(refused));
}

}  // namespace
}  // namespace rerore
