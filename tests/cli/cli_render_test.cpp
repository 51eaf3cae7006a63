#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::RunCommand;
using test::TempDir;

std::string Cli(const std::string& arguments, const std::string& settingsHome) {
  return "XDG_DATA_HOME=" + settingsHome + " QT_QPA_PLATFORM=offscreen " + RERORE_CLI + " " +
         arguments;
}

bool RenderBuiltIn() {
  return RunCommand(std::string(RERORE_CLI)).err.find("render EXT") != std::string::npos;
}

uint32_t BigEndian(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

// A position with one beam of 6 m, stored as the program stores it.
void WriteBeam(const std::string& dataPath) {
  std::filesystem::create_directories(dataPath + "SDIR001");
  Session s;
  test::UsePosition(s, dataPath, "001");
  ElementRecord& e = s.model.elements[1];
  SetElementLeft(e, 0, 0);
  SetElementRight(e, 6, 0);
  s.model.params.elementCount = 1;
  WriteElementsFile(s.paths, s.model);
  WriteExtentFile(s.paths, {0, 0, 6, 0});
}

TEST(CliRender, WritesAnImageOfTheGivenSize) {
  if (!RenderBuiltIn()) GTEST_SKIP() << "built without the desktop program";
  TempDir data;
  TempDir home;
  WriteBeam(data.path());
  const std::string png = data / "beam.png";
  const auto result =
      RunCommand(Cli("render .001 @" + data.path() + " " + png + " --size 640x400", home.path()));
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string bytes = test::ReadFile(png);
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(BigEndian(bytes, 16), 640u);  // IHDR width and height
  EXPECT_EQ(BigEndian(bytes, 20), 400u);
}

TEST(CliRender, WritesThePrintedPageAsPdf) {
  if (!RenderBuiltIn()) GTEST_SKIP() << "built without the desktop program";
  TempDir data;
  TempDir home;
  WriteBeam(data.path());
  const std::string pdf = data / "beam.pdf";
  const auto result = RunCommand(Cli("render .001 @" + data.path() + " " + pdf, home.path()));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(test::ReadFile(pdf).substr(0, 5), "%PDF-");
}

TEST(CliRender, RefusesAMissingOutputOrABadSize) {
  if (!RenderBuiltIn()) GTEST_SKIP() << "built without the desktop program";
  TempDir data;
  TempDir home;
  WriteBeam(data.path());
  EXPECT_EQ(RunCommand(Cli("render .001 @" + data.path(), home.path())).status, 1);
  const std::string png = data / "x.png";
  const auto bad =
      RunCommand(Cli("render .001 @" + data.path() + " " + png + " --size 640", home.path()));
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("usage: rerore-cli render"), std::string::npos);
  EXPECT_FALSE(test::Exists(png));
}

}  // namespace
}  // namespace rerore
