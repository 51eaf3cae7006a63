#include "commands/startup.h"

#include <tuple>

#include "model/native_path.h"
#include "model/position_files.h"
#include "model/settings_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::ReadFile;

TEST(CommandLine, WindowsAndPosixDataPathsAndTheGeometryFlag) {
  const struct {
    const char *text, *extension, *dataPath;
    bool resetGeometry;
  } cases[] = {{".001 @C:\\DATA\\", ".001", "C:\\DATA\\", false},
               {".017 @/home/eng/data/ @Gx", ".017", "/home/eng/data/", true},
               {".017 @/data/ @H", ".017", "/data/", false}};
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.text);
    EXPECT_EQ(std::tie(line.valid, line.extension, line.dataPath, line.resetGeometry),
              std::tuple(true, c.extension, c.dataPath, c.resetGeometry));
  }
  EXPECT_FALSE(ParseCommandLine("").valid || ParseCommandLine(".001 C:\\DATA\\").valid);  // no "@"
  // The position's paths follow the data path's separator.
  PositionPaths paths;
  paths.dataPath = "C:\\DATA\\";
  paths.extension = ".001";
  BuildPositionPaths(paths, "001");
  EXPECT_EQ((std::vector<std::string>{paths.file("ELEMENTS"), paths.temporaryEchoFile()}),
            (std::vector<std::string>{"C:\\DATA\\SDIR001\\ELEMENTS.001",
                                      "C:\\DATA\\SDIR001\\ECHO_G.TMP.TXT"}));
  paths.dataPath = "/srv/data/";
  BuildPositionPaths(paths, "001");
  EXPECT_EQ(paths.echoFile(), "/srv/data/SDIR001/ECHO_G.001.TXT");
  EXPECT_EQ(paths.workingDirectory, PathText(std::filesystem::current_path()) + test::kSeparator);
}

// Puts a value at a byte offset of a file image.
template <class T>
void Put(std::string& bytes, size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

class Startup : public ::testing::Test {
 protected:
  StartResult Start(const std::string& commandLine) {
    std::filesystem::create_directories(data / "SDIR001");
    return StartProgram(session, messages, commandLine);
  }
  std::string settings(const std::string& name) const { return home.dir() / ("VELTRANIX/" + name); }
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
};

TEST_F(Startup, NewPositionGetsTheDefaultTablesAndStartValues) {
  ASSERT_EQ(Start(".001 @" + data.path()), StartResult::Started);
  EXPECT_TRUE(messages.messages.empty());

  std::string cross(2 + 140, '\0');  // count 1; width, height, inertia, area, default, number
  Put<int16_t>(cross, 0, 1);
  for (auto [offset, value] :
       {std::pair{84, 0.2f}, {88, 0.4f}, {96, 0.0010666667f}, {100, 0.08f}, {104, 50000.0f}})
    Put(cross, 2 + offset, value);
  Put<int16_t>(cross, 2 + 132, 1);
  EXPECT_EQ(ReadFile(data / "SDIR001/CROSS.001"), cross);
  std::string matr(2 + 112, '\0');  // count 1; modulus, number
  Put<int16_t>(matr, 0, 1);
  Put(matr, 2 + 84, 26700000.0f);
  Put<int16_t>(matr, 2 + 104, 1);
  EXPECT_EQ(ReadFile(data / "SDIR001/MATR.001"), matr);

  // No echo file: the start values of a new position.
  const ModelParameters& p = session.model.params;
  EXPECT_EQ((std::vector<int>{p.displayState68, p.displayState108, p.materialInputState}),
            (std::vector<int>{-1, 20, 1}));
  EXPECT_EQ((std::vector<double>{p.materialConstant, p.defaultModulus, p.sectionDefaultOnly}),
            (std::vector<double>{0.16, 26700000.0, 50000.0}));
  EXPECT_EQ(session.storedStateSum, ChangeSum(p));
  EXPECT_EQ(session.paths.geometryPresent, 0);
  EXPECT_EQ(std::vector<float>({session.view.extents.xmax, session.view.extents.ymax}),
            std::vector<float>({50.0f, 30.0f}));
  // No settings files either: their defaults.
  EXPECT_EQ(std::tuple(session.view.lineWidth, session.view.fangenOption), std::tuple(1, 1));
  EXPECT_FALSE(std::filesystem::exists(data / "TEST"));  // the write test cleans up
}

TEST_F(Startup, ExistingFilesAreLoadedAndTheGeometryFlagWritesZero) {
  Session writer;
  test::UsePosition(writer, data.path(), "003");
  std::filesystem::create_directories(writer.paths.positionDirectory);
  writer.model.params.elementCount = 1;
  SetElementRight(writer.model.elements[1], 4.0f, 0.0f);
  writer.model.params.setTitle("Shed");
  WriteElementsFile(writer.paths, writer.model);
  WriteParametersFile(writer.paths, writer.model);
  WriteExtentFile(writer.paths, DrawingExtents{-1.0f, -2.0f, 4.0f, 3.0f});

  ASSERT_EQ(Start(".003 @" + data.path() + " @G"), StartResult::Started);
  EXPECT_EQ(ReadFile(session.paths.file("GEOMETRY")), std::string(4, '\0'));
  EXPECT_EQ(std::vector<float>({float(session.paths.geometryPresent),
                                float(session.model.params.elementCount),
                                float(session.view.autoScale), session.model.elements[1].xb,
                                session.view.extents.xmin, session.view.extents.ymax}),
            std::vector<float>({1, 1, 1, 4.0f, -1.0f, 3.0f}));
  EXPECT_EQ(session.model.params.titleText(), "");  // no echo file: the title is cleared
}

TEST_F(Startup, MissingInputAndAnUnwritableDataDirectoryEndTheStartWithTheirMessages) {
  EXPECT_EQ(StartProgram(session, messages, ""), StartResult::MissingInput);
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Missing input: Command line: .POS @PathData\\ "});
  messages.messages.clear();
  // A path below a regular file cannot be written, even by root.
  test::WriteFile(data / "file", "x");
  const std::string path = data / "file/";
  ASSERT_EQ(StartProgram(session, messages, ".001 @" + path), StartResult::NotWritable);
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Does the directory " + path + " exist?: The file " + path +
                                     "TEST cannot be stored!"});
}

// Settings are read from their folder, made if missing; never written into the current one.
TEST_F(Startup, SettingsLiveInTheirDirectoryWhichIsMadeIfMissing) {
  test::WriteFile(settings("ZELTRDB"), std::string("\3\0\0\0", 4));
  test::WriteFile(settings("FANGEN"), std::string("\0\0\0\x3f\0\0\0\0", 8));  // 0.5f, option 0
  test::WriteFile(settings("FHTEST"), "");  // the position directory records the settings one
  ASSERT_EQ(Start(".001 @" + data.path()), StartResult::Started);
  EXPECT_EQ(std::tuple(session.view.lineWidth, session.view.fangenOption), std::tuple(3, 0));
  MakePositionDirectory(session.paths);
  EXPECT_EQ(ReadFile(session.paths.plainFile("PathAppData")),
            session.paths.settingsDirectory + "\r\n");

  const std::string folder = home.dir() / "VELTRANIX";
  std::filesystem::remove_all(NativePath(folder));
  test::TempDir work;
  const test::CurrentDirectory inWork(work.path());
  ASSERT_EQ(Start(".001 @" + data.path()), StartResult::Started);
  EXPECT_EQ(std::tuple(session.paths.settingsDirectoryPresent, WriteExtr(session.paths)),
            std::tuple(1, true));
  EXPECT_EQ(ReadFile(settings("EXTR")), ".001" + std::string(237, '\0'));

  std::filesystem::remove_all(NativePath(folder));
  test::WriteFile(folder, "a file where the folder belongs");
  ASSERT_EQ(Start(".001 @" + data.path()), StartResult::Started);
  EXPECT_EQ(std::tuple(session.paths.settingsDirectoryPresent, session.view.lineWidth),
            std::tuple(0, 1));
  EXPECT_FALSE(WriteExtr(session.paths) || WriteLineWidth(session.paths, 4));
  EXPECT_TRUE(test::ListDirectory(work.path()).empty());
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
