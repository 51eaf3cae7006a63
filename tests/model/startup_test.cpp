#include "model/startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "model/position_files.h"
#include "model/settings_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::ReadFile;
using test::RecordingMessages;
using test::TempDir;

TEST(CommandLine, WindowsAndPosixDataPathsAndTheGeometryFlag) {
  CommandLine line = ParseCommandLine(".001 @C:\\DATA\\");
  ASSERT_TRUE(line.valid);
  EXPECT_EQ(line.extension, ".001");
  EXPECT_EQ(line.dataPath, "C:\\DATA\\");
  EXPECT_FALSE(line.resetGeometry);

  line = ParseCommandLine(".001 @C:\\DATA\\ @G");
  EXPECT_EQ(line.dataPath, "C:\\DATA\\");
  EXPECT_EQ(line.flagToken, "G");
  EXPECT_TRUE(line.resetGeometry);

  line = ParseCommandLine(".017 @/home/eng/data/ @Gx");
  EXPECT_EQ(line.extension, ".017");
  EXPECT_EQ(line.dataPath, "/home/eng/data/");
  EXPECT_TRUE(line.resetGeometry);

  line = ParseCommandLine(".017 @/data/ @H");
  EXPECT_FALSE(line.resetGeometry);

  EXPECT_FALSE(ParseCommandLine("").valid);
  EXPECT_FALSE(ParseCommandLine(".001 C:\\DATA\\").valid);  // no "@": refused
}

TEST(CommandLine, PositionPathsFollowTheDataPathsSeparator) {
  PositionPaths paths;
  paths.dataPath = "C:\\DATA\\";
  paths.extension = ".001";
  BuildPositionPaths(paths, "001");
  EXPECT_EQ(paths.positionDirectory, "C:\\DATA\\SDIR001\\");
  EXPECT_EQ(paths.file("ELEMENTS"), "C:\\DATA\\SDIR001\\ELEMENTS.001");
  EXPECT_EQ(paths.echoFile(), "C:\\DATA\\SDIR001\\ECHO_G.001.TXT");
  EXPECT_EQ(paths.temporaryEchoFile(), "C:\\DATA\\SDIR001\\ECHO_G.TMP.TXT");

  paths.dataPath = "/srv/data/";
  BuildPositionPaths(paths, "001");
  EXPECT_EQ(paths.positionDirectory, "/srv/data/SDIR001/");
  EXPECT_EQ(paths.workingDirectory, std::filesystem::current_path().string() + "/");
}

class Startup : public ::testing::Test {
 protected:
  std::string positionDir(const std::string& name) { return data / ("SDIR" + name + "/"); }
  test::SettingsHome home;
  TempDir data;
  Session session;
  RecordingMessages messages;
};

TEST_F(Startup, NewPositionGetsDefaultCrossSectionAndMaterialFiles) {
  std::filesystem::create_directories(positionDir("001"));
  ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(session.paths.extension, ".001");
  EXPECT_EQ(session.paths.positionName, "001");

  ModelTables expected;
  SetDefaultCrossSection(expected);
  SetDefaultMaterial(expected);
  std::string cross(2 + 140, '\0');
  cross[0] = 1;
  std::memcpy(cross.data() + 2, &expected.crossSections[1], 140);
  EXPECT_EQ(ReadFile(positionDir("001") + "CROSS.001"), cross);
  std::string matr(2 + 112, '\0');
  matr[0] = 1;
  std::memcpy(matr.data() + 2, &expected.materials[1], 112);
  EXPECT_EQ(ReadFile(positionDir("001") + "MATR.001"), matr);

  // No echo file: the start values of a new position.
  const ModelParameters& p = session.model.params;
  EXPECT_EQ(p.displayState68, -1);
  EXPECT_EQ(p.displayState108, 20);
  EXPECT_EQ(p.materialInputState, 1);
  EXPECT_EQ(p.materialConstant, 0.16);
  EXPECT_EQ(p.defaultModulus, 26700000.0);
  EXPECT_EQ(p.sectionDefaultOnly, 50000.0f);
  EXPECT_EQ(session.storedStateSum, ChangeSum(p));
  EXPECT_EQ(session.paths.geometryPresent, 0);
  EXPECT_EQ(session.view.extents.xmax, 50.0f);
  EXPECT_EQ(session.view.extents.ymax, 30.0f);
  EXPECT_FALSE(std::filesystem::exists(data / "TEST"));  // the write test cleans up
}

TEST_F(Startup, ExistingFilesAreLoadedAndTheGeometryFlagWritesZero) {
  // Prepare a position with elements, PARAMR and an extent.
  Session writer;
  test::UsePosition(writer, data.path(), "003");
  std::filesystem::create_directories(writer.paths.positionDirectory);
  writer.model.params.elementCount = 1;
  SetElementRight(writer.model.elements[1], 4.0f, 0.0f);
  writer.model.params.setTitle("Shed");
  WriteElementsFile(writer.paths, writer.model);
  WriteParametersFile(writer.paths, writer.model);
  WriteExtentFile(writer.paths, DrawingExtents{-1.0f, -2.0f, 4.0f, 3.0f});

  ASSERT_EQ(StartProgram(session, messages, "003 @" + data.path() + " @G"), StartResult::Started);
  // "003" has no dot: its first character gives way to the dot.
  EXPECT_EQ(session.paths.extension, ".03");

  Session loaded;
  ASSERT_EQ(StartProgram(loaded, messages, ".003 @" + data.path() + " @G"), StartResult::Started);
  EXPECT_EQ(ReadFile(loaded.paths.file("GEOMETRY")), std::string(4, '\0'));
  EXPECT_EQ(loaded.paths.geometryPresent, 1);
  EXPECT_EQ(loaded.model.params.elementCount, 1);
  EXPECT_EQ(loaded.view.elementsAtLoad, 1);
  EXPECT_EQ(loaded.model.elements[1].xb, 4.0f);
  EXPECT_EQ(loaded.view.extents.xmin, -1.0f);
  EXPECT_EQ(loaded.view.extents.ymax, 3.0f);
  EXPECT_TRUE(loaded.view.autoScale);
  EXPECT_EQ(loaded.model.params.titleText(), "");  // no echo file: the title is cleared
}

TEST_F(Startup, UnwritableDataDirectoryEndsTheStartWithItsMessage) {
  if (geteuid() == 0) {
    // root writes everywhere: use a path below a regular file instead.
    test::WriteFile(data / "file", "x");
    const std::string path = data / "file/";
    ASSERT_EQ(StartProgram(session, messages, ".001 @" + path), StartResult::NotWritable);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "The file " + path + "TEST cannot be stored!");
    EXPECT_EQ(messages.messages[0].title, "Does the directory " + path + " exist?");
    return;
  }
  chmod(data.path().c_str(), 0500);
  EXPECT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::NotWritable);
  chmod(data.path().c_str(), 0700);
  ASSERT_EQ(messages.messages.size(), 1u);
}

TEST_F(Startup, EmptyCommandLineIsRefusedWithMissingInput) {
  EXPECT_EQ(StartProgram(session, messages, ""), StartResult::MissingInput);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Command line: .POS @PathData\\ ");
  EXPECT_EQ(messages.messages[0].title, "Missing input");
}

TEST_F(Startup, SettingsFilesLiveInTheSettingsDirectory) {
  std::filesystem::create_directories(positionDir("001"));
  const std::string settings = home.dir() / "VELTRANIX/";
  test::WriteFile(settings + "FMARGIN", "0.25\n");
  test::WriteFile(settings + "ZELTRDB", std::string("\3\0\0\0", 4));
  float fangenValue = 0.5f;
  int32_t fangenOption = 0;
  test::WriteFile(settings + "FANGEN", std::string(reinterpret_cast<char*>(&fangenValue), 4) +
                                           std::string(reinterpret_cast<char*>(&fangenOption), 4));
  ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
  EXPECT_EQ(session.paths.settingsDirectoryPresent, 1);
  EXPECT_EQ(session.view.margin, 0.25f);
  EXPECT_EQ(session.view.lineWidth, 3);
  EXPECT_EQ(session.view.fangenOption, 0);

  ASSERT_TRUE(WriteExtr(session.paths));
  const std::string extr = ReadFile(settings + "EXTR");
  ASSERT_EQ(extr.size(), 241u);
  EXPECT_EQ(extr.substr(0, 5), std::string(".001\0", 5));
  EXPECT_EQ(extr.find_first_not_of('\0', 4), std::string::npos);

  // FHTEST makes the position directory record the settings directory.
  test::WriteFile(settings + "FHTEST", "");
  MakePositionDirectory(session.paths);
  EXPECT_EQ(ReadFile(session.paths.plainFile("PathAppData")),
            session.paths.settingsDirectory + "\r\n");
}

TEST_F(Startup, MissingSettingsGiveTheirDefaults) {
  std::filesystem::create_directories(positionDir("001"));
  test::WriteFile(home.dir() / "VELTRANIX/FMARGIN", "none");
  ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
  EXPECT_EQ(session.view.margin, 0.05f);
  EXPECT_EQ(session.view.lineWidth, 1);
  EXPECT_EQ(session.view.fangenValue, 0.05f);
  EXPECT_EQ(session.view.fangenOption, 1);
}

}  // namespace
}  // namespace rerore
