#include "commands/position_commands.h"

#include <tuple>

#include "model/file_io.h"
#include "model/settings_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

// Answers the name dialog from a list; nullopt (Stop) when it runs out.
struct NameAnswers {
  std::vector<std::string> names;
  std::vector<std::string> prefills;
  PositionNameRequest request() {
    return [this](const std::string& prefill) -> std::optional<std::string> {
      prefills.push_back(prefill);
      if (prefills.size() > names.size()) return std::nullopt;
      return names[prefills.size() - 1];
    };
  }
};

class PositionCommands : public ::testing::Test {
 protected:
  // The position in EXTR, the last one the program had open.
  std::string Extr() const { return ReadFile(home.dir() / "VELTRANIX/EXTR").c_str(); }
  // The session is at position `name`, and EXTR says so.
  void ExpectAt(const std::string& name, int geometryPresent) const {
    EXPECT_EQ(std::tie(s.paths.extension, s.paths.positionName, s.paths.positionDirectory,
                       s.paths.geometryPresent),
              std::tuple("." + name, name, data.path() + "SDIR" + name + test::kSeparator,
                         geometryPresent));
    EXPECT_EQ(Extr(), "." + name);
  }
  test::SettingsHome home;
  test::TempDir data;
  Session s;
  test::RecordingMessages messages;
};

TEST_F(PositionCommands, NewAsksToEraseAnUnchangedFrameAndToSaveAChangedOne) {
  test::MakeCantileverFrame(s, data.path(), "007");
  s.paths.geometryPresent = 1;
  s.storedStateSum = ChangeSum(s.model.params);
  NameAnswers names{{" 042 "}, {}};
  messages.answers = {Answer::No, Answer::Yes};
  EXPECT_EQ(std::tuple(NewPosition(s, messages, names.request()), s.paths.extension),
            std::tuple(CommandEnd::Unchanged, ".007"));
  EXPECT_EQ(NewPosition(s, messages, names.request()), CommandEnd::Stay);
  EXPECT_EQ(messages.texts().at(1), "New frame: New frame ? Erase screen?");
  ExpectAt("NEW", 0);
  // The frame stays on the screen, and in NEW.
  EXPECT_EQ(std::tuple(s.model.params.elementCount, names.prefills.size(),
                       test::At<int16_t>(ReadFile(data / "SDIRNEW/ELEMENTS.NEW"), 0)),
            std::tuple(2, 0u, 2));

  s.storedStateSum = ChangeSum(s.model.params) + 1;
  messages.answers = {Answer::Cancel, Answer::Yes};
  EXPECT_EQ(NewPosition(s, messages, names.request()), CommandEnd::Unchanged);
  EXPECT_EQ(messages.texts().at(2), "Erase: Save changes?");
  // Yes on the unnamed position names it first.
  EXPECT_EQ(NewPosition(s, messages, names.request()), CommandEnd::Stay);
  EXPECT_EQ(std::tuple(names.prefills, fs::is_directory(data / "SDIR042"), s.paths.extension),
            std::tuple(std::vector<std::string>{"NEW"}, true, ".NEW"));
}

TEST_F(PositionCommands, StoreAsTrimsTheNameAndAsksAgainWhenTheFolderFails) {
  test::MakeCantileverFrame(s, data.path(), "001");
  s.model.crossSections[2] = s.model.crossSections[1];
  s.model.params.crossSectionCount = 2;
  s.paths.geometryPresent = 1;
  test::WriteFile(data / "SDIRBAD", "a file, not a folder");
  NameAnswers names{{"  BAD ", " 017  "}, {}};
  EXPECT_TRUE(StoreAs(s, messages, names.request()));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: Directory " + data.path() +
                                                       "SDIRBAD cannot be generated!"});
  EXPECT_EQ(names.prefills, (std::vector<std::string>{"001", "BAD"}));
  ExpectAt("017", 0);
  // The new position holds every table at once, the second section too.
  EXPECT_EQ(test::ListDirectory(data / "SDIR017"),
            (std::vector<std::string>{"CROSS.017", "ELEMENTS.017", "EXTENSIOR.017", "GEOMETRY.017",
                                      "LKNOTENR.017", "MATR.017", "NODES.017", "PARAMR.017"}));
  EXPECT_EQ(test::At<int16_t>(ReadFile(data / "SDIR017/CROSS.017"), 0), 2);
  EXPECT_EQ(ReadFile(data / "SDIR017/GEOMETRY.017"), test::kGeometryZero);

  NameAnswers stop{{"BAD"}, {}};  // Stop after a failure keeps the name that failed
  EXPECT_FALSE(StoreAs(s, messages, stop.request()));
  EXPECT_EQ(s.paths.extension, ".BAD");
  NameAnswers none;
  EXPECT_FALSE(StoreAs(s, messages, none.request()));
  EXPECT_EQ(s.paths.extension, ".BAD");
}

// A sound frame whose files could not all be written stays open with GEOMETRY 0.
TEST_F(PositionCommands, AStoreThatCannotWriteAFileStaysOpenWithoutGeometryOne) {
  test::MakeCantileverFrame(s, data.path(), "007");
  s.model.nodes[1].supportV = s.model.nodes[1].supportPhi = 1.0f;
  fs::create_directories(s.paths.file("DOFSK"));  // a folder where the file belongs
  const StoreOutcome outcome = Store(s, messages, {});
  EXPECT_EQ(std::tuple(outcome.check, outcome.end),
            std::tuple(CheckOutcome::sound(), CommandEnd::Stay));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: The file " + s.paths.file("DOFSK") +
                                                       " cannot be stored!"});
  EXPECT_EQ(ReadFile(s.paths.file("GEOMETRY")), test::kGeometryZero);
}

TEST_F(PositionCommands, OpenTakesTheNameAfterSdir) {
  {
    Session stored;
    test::MakeCantileverFrame(stored, data.path(), "007");
    EndProgram(stored, messages);
  }
  test::UsePosition(s, data.path(), "001");
  EXPECT_TRUE(OpenPosition(s, messages, data.path() + "SDIR007/"));
  ExpectAt("007", 1);
  EXPECT_EQ(std::tuple(s.model.params.elementCount, s.model.params.titleText(),
                       s.view.resetZoomRequested, messages.messages.empty()),
            std::tuple(2, "Position 007", true, true));
}

TEST_F(PositionCommands, EndWritesTheEchoFileOnlyForACompleteModel) {
  for (int missing = 0; missing < 2; ++missing) {
    Session incomplete;
    test::MakeCantileverFrame(incomplete, data.path(), "007");
    RemoveFile(incomplete.paths.echoFile());
    ModelParameters& p = incomplete.model.params;
    (missing == 0 ? p.materialCount : p.elementCount) = 0;
    EXPECT_EQ(EndProgram(incomplete, messages), CommandEnd::Quit);
    EXPECT_FALSE(test::Exists(incomplete.paths.echoFile())) << missing;
  }
  test::MakeCantileverFrame(s, data.path(), "007");
  EXPECT_EQ(EndProgram(s, messages), CommandEnd::Quit);
  EXPECT_EQ(ReadFile(s.paths.echoFile()).substr(0, 21), "TITEL\r\nPosition 007\r\n");
  EXPECT_FALSE(test::Exists(s.paths.file("GEOMETRY")));
}

TEST_F(PositionCommands, EchoEditLoadsNeitherAnUneditedFileNorOneWithoutAFrame) {
  test::MakeCantileverFrame(s, data.path(), "007");
  s.storedStateSum = 0;
  // The sum is taken before the echo file gives the blank title a name.
  const uint32_t unnamed = ChangeSum(s.model.params);
  const EchoEdit edit = BeginEchoEdit(s);
  EXPECT_EQ(edit.path, data.path() + "SDIR007" + test::kSeparator + "ECHO_G.TMP.TXT");
  EXPECT_EQ(std::tuple(s.storedStateSum, s.model.params.titleText()),
            std::tuple(unnamed, "Position 007"));
  EXPECT_FALSE(FinishEchoEdit(s, messages, edit, true));  // OK without editing

  test::WriteFile(edit.path, "garbage text");
  fs::last_write_time(edit.path, edit.writtenAt + std::chrono::seconds(1));
  EXPECT_FALSE(FinishEchoEdit(s, messages, edit, false));  // Cancel
  EXPECT_TRUE(messages.messages.empty());
  // Text without any section holds no frame: nothing is loaded.
  const std::string elements = ReadFile(s.paths.file("ELEMENTS"));
  EXPECT_FALSE(FinishEchoEdit(s, messages, edit, true));
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Error: The echo text holds no frame; nothing was loaded."});
  EXPECT_EQ(std::tuple(s.model.params.elementCount, ReadFile(s.paths.file("ELEMENTS"))),
            std::tuple(2, elements));
}

}  // namespace
}  // namespace rerore
