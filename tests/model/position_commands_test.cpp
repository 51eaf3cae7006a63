#include "model/position_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "echo/echo_test_frames.h"
#include "model/settings_files.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::RecordingMessages;
using test::TempDir;

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

std::string Extr(const test::SettingsHome& home) {
  return ReadFile(home.dir() / "VELTRANIX/EXTR").c_str();
}

TEST(PositionCommands, NewAsksToEraseAnUnchangedFrame) {
  test::SettingsHome home;
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  s.paths.geometryPresent = 1;
  s.storedStateSum = ChangeSum(s.model.params);
  RecordingMessages messages;
  NameAnswers names;
  messages.answers = {Answer::No, Answer::Yes};
  EXPECT_EQ(NewPosition(s, messages, names.request()), CommandEnd::Unchanged);
  EXPECT_EQ(s.paths.extension, ".007");
  EXPECT_EQ(NewPosition(s, messages, names.request()), CommandEnd::Stay);
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[1].text, "New frame ? Erase screen?");
  EXPECT_EQ(messages.messages[1].title, "New frame");
  EXPECT_EQ(s.paths.extension, ".NEW");
  EXPECT_EQ(s.paths.positionName, "NEW");
  EXPECT_EQ(s.paths.positionDirectory, data.path() + "SDIRNEW/");
  EXPECT_EQ(s.paths.geometryPresent, 0);
  EXPECT_EQ(Extr(home), ".NEW");
  EXPECT_EQ(s.model.params.elementCount, 2);  // the frame stays on the screen
  EXPECT_TRUE(names.prefills.empty());
}

TEST(PositionCommands, NewOnAChangedFrameAsksToSave) {
  test::SettingsHome home;
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "NEW");
  s.storedStateSum = ChangeSum(s.model.params) + 1;
  RecordingMessages messages;
  messages.answers = {Answer::Cancel, Answer::Yes};
  NameAnswers names{{" 042 "}, {}};
  EXPECT_EQ(NewPosition(s, messages, names.request()), CommandEnd::Unchanged);
  EXPECT_EQ(messages.messages.at(0).text, "Save changes?");
  EXPECT_EQ(messages.messages.at(0).title, "Erase");
  // Yes on an unnamed position names it first.
  EXPECT_EQ(NewPosition(s, messages, names.request()), CommandEnd::Stay);
  EXPECT_EQ(names.prefills, std::vector<std::string>{"NEW"});
  EXPECT_TRUE(fs::is_directory(data / "SDIR042"));
  EXPECT_EQ(s.paths.extension, ".NEW");
}

TEST(PositionCommands, StoreAsTrimsTheNameAndAsksAgainWhenTheFolderFails) {
  test::SettingsHome home;
  TempDir data;
  Session s;
  test::UsePosition(s, data.path(), "001");
  s.paths.geometryPresent = 1;
  test::WriteFile(data / "SDIRBAD", "a file, not a folder");
  RecordingMessages messages;
  NameAnswers names{{"  BAD ", " 017  "}, {}};
  EXPECT_TRUE(StoreAs(s, messages, names.request()));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Directory " + data.path() + "SDIRBAD cannot be generated!");
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_EQ(names.prefills, (std::vector<std::string>{"001", "BAD"}));
  EXPECT_EQ(s.paths.extension, ".017");
  EXPECT_EQ(s.paths.positionName, "017");
  EXPECT_EQ(s.paths.positionDirectory, data.path() + "SDIR017/");
  EXPECT_EQ(s.paths.geometryPresent, 0);
  EXPECT_EQ(Extr(home), ".017");
  EXPECT_TRUE(test::ListDirectory(data / "SDIR017").empty());  // no data file yet

  // Stop after a failure keeps the name that failed.
  NameAnswers stop{{"BAD"}, {}};
  EXPECT_FALSE(StoreAs(s, messages, stop.request()));
  EXPECT_EQ(s.paths.extension, ".BAD");
  NameAnswers none;
  EXPECT_FALSE(StoreAs(s, messages, none.request()));
  EXPECT_EQ(s.paths.extension, ".BAD");
}

TEST(PositionCommands, StoreNamesAnUnnamedPositionBeforeWritingAnything) {
  test::SettingsHome home;
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "NEW");
  for (int j = 1; j <= 3; ++j) s.model.nodes[j].supportU = s.model.nodes[j].supportV = 0.0f;
  s.model.nodes[1].supportU = s.model.nodes[1].supportV = s.model.nodes[1].supportPhi = 1.0f;
  RecordingMessages messages;
  bool echoBeforeNaming = true;
  const StoreOutcome outcome = Store(s, messages, [&](const std::string& prefill) {
    echoBeforeNaming = test::Exists(data / "SDIRNEW/ECHO_G.NEW.TXT");
    EXPECT_EQ(prefill, "NEW");
    return std::optional<std::string>("CANT");
  });
  EXPECT_FALSE(echoBeforeNaming);
  EXPECT_EQ(outcome.end, CommandEnd::Quit) << outcome.checkResult;  // a clamped cantilever
  EXPECT_EQ(outcome.checkResult, 0);
  EXPECT_EQ(s.paths.extension, ".CANT");
  EXPECT_TRUE(test::Exists(data / "SDIRCANT/ECHO_G.CANT.TXT"));
  EXPECT_EQ(ReadFile(data / "SDIRCANT/GEOMETRY.CANT"), std::string("\1\0\0\0", 4));
  EXPECT_FALSE(test::Exists(data / "SDIRNEW/ECHO_G.NEW.TXT"));
}

TEST(PositionCommands, OpenTakesTheNameAfterSdir) {
  test::SettingsHome home;
  TempDir data;
  {
    Session stored;
    test::MakeCantileverFrame(stored, data.path(), "007");
    EndProgram(stored);
  }
  Session s;
  test::UsePosition(s, data.path(), "001");
  RecordingMessages messages;
  EXPECT_FALSE(OpenPosition(s, messages, data.path() + "POS7"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, data.path() + "POS7");
  EXPECT_EQ(messages.messages[0].title, "No directory with a position!");
  EXPECT_EQ(s.paths.extension, ".001");

  EXPECT_TRUE(OpenPosition(s, messages, data.path() + "SDIR007/"));
  EXPECT_EQ(s.paths.extension, ".007");
  EXPECT_EQ(s.paths.positionName, "007");
  EXPECT_EQ(s.model.params.elementCount, 2);
  EXPECT_EQ(s.model.params.titleText(), "Position 007");
  EXPECT_TRUE(s.view.resetZoomRequested);
  EXPECT_EQ(s.paths.geometryPresent, 1);
  EXPECT_EQ(Extr(home), ".007");
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST(PositionCommands, EndWritesTheEchoFileOnlyForACompleteModel) {
  TempDir data;
  for (int missing = 0; missing < 3; ++missing) {
    Session s;
    test::MakeCantileverFrame(s, data.path(), "007");
    RemoveFile(s.paths.echoFile());
    ModelParameters& p = s.model.params;
    (missing == 0 ? p.materialCount : missing == 1 ? p.elementCount : p.nodeCount) = 0;
    EXPECT_EQ(EndProgram(s), CommandEnd::Quit);
    EXPECT_FALSE(test::Exists(s.paths.echoFile())) << missing;
  }
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  EXPECT_EQ(EndProgram(s), CommandEnd::Quit);
  EXPECT_EQ(ReadFile(s.paths.echoFile()).substr(0, 21), "TITEL\r\nPosition 007\r\n");
  EXPECT_FALSE(test::Exists(s.paths.file("GEOMETRY")));
}

TEST(PositionCommands, EchoEditReloadsOnlyAnEditedFile) {
  test::SettingsHome home;
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  s.storedStateSum = 0;
  // The sum is taken before the echo file gives the blank title a name.
  const uint32_t unnamed = ChangeSum(s.model.params);
  const EchoEdit edit = BeginEchoEdit(s);
  EXPECT_EQ(edit.path, data.path() + "SDIR007/ECHO_G.TMP.TXT");
  EXPECT_EQ(s.storedStateSum, unnamed);
  EXPECT_EQ(s.model.params.titleText(), "Position 007");
  RecordingMessages messages;
  EXPECT_FALSE(FinishEchoEdit(s, messages, edit, true));  // OK without editing

  std::string text = ReadFile(edit.path);
  text.replace(text.find("6.00 3.50"), 9, "7.00 3.50");
  test::WriteFile(edit.path, text);
  fs::last_write_time(edit.path, edit.writtenAt + std::chrono::seconds(1));
  EXPECT_FALSE(FinishEchoEdit(s, messages, edit, false));  // Cancel
  EXPECT_EQ(s.model.elements[2].xb, 6.0f);
  s.view.auxLineCount = 3;
  EXPECT_TRUE(FinishEchoEdit(s, messages, edit, true));
  EXPECT_EQ(s.model.elements[2].xb, 7.0f);
  EXPECT_EQ(s.paths.loadedEchoName, "ECHO_G.TMP.TXT");
  EXPECT_EQ(s.view.auxLineCount, 0);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
