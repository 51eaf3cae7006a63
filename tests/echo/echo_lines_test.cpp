#include "echo/echo_lines.h"

#include <tuple>

#include "echo/code_page.h"
#include "support/test_support.h"

namespace rerore {
namespace {

EchoLineStore Fill(const std::string& bytes) {
  EchoLineStore store;
  store.fill(bytes);
  return store;
}

// Lines from..to of the store ("" outside it).
std::vector<std::string> Lines(const EchoLineStore& store, int from, int to) {
  std::vector<std::string> lines;
  for (int n = from; n <= to; ++n) lines.push_back(store.line(n));
  return lines;
}

TEST(EchoLines, CommentsLineEndsAndEmptyLines) {
  const EchoLineStore store = Fill("; comment\r\nTITEL\r\n\r\nMATERIAL\nlast");
  EXPECT_EQ(store.count(), 4);
  EXPECT_EQ(Lines(store, 0, 5),
            (std::vector<std::string>{"", "TITEL", "", "MATERIAL", "last", ""}));
  EXPECT_EQ(Fill("").count() + Fill(";only\n;comments\n").count(), 0);
}

TEST(EchoLines, LongLinesAreCutIntoCardsAndTheStoreHoldsAtMost1500) {
  EchoLineStore store = Fill(std::string(126, 'a') + "\n" + std::string(136, 'x') + "\n");
  EXPECT_EQ(Lines(store, 1, 4),
            (std::vector<std::string>{std::string(126, 'a'), std::string(126, 'x'),
                                      std::string(10, 'x'), ""}));
  std::string many;
  for (int i = 1; i <= 1600; ++i) many += std::to_string(i) + "\n";
  store.fill(many + "PARABOLA\n");
  EXPECT_EQ(std::tuple(store.count(), store.line(1500), store.keywordLine(kSectionParabola)),
            std::tuple(1500, "1500", 0));
}

// "NODES " is no keyword, so PARAMETER runs to line 9; nor is the writer's "TITEL".
TEST(EchoLines, KeywordsAndSectionLengths) {
  const EchoLineStore store =
      Fill("TITEL\nTITLE\nmy frame\nMATERIAL\n1\n1 2 0\nPARAMETER\nx\nNODES \nNODES\n0\n");
  EXPECT_EQ(std::tuple(store.section(1), store.section(7)),
            std::tuple(kOrdinaryLine, kSectionParameter));
  std::vector<int> found;  // keyword line and length of each section
  for (int section :
       {kSectionTitle, kSectionMaterial, kSectionParameter, kSectionNodes, kSectionSupports})
    found.insert(found.end(), {store.keywordLine(section), store.sectionLength(section)});
  EXPECT_EQ(found, (std::vector<int>{2, 2, 4, 3, 7, 3, 10, 2, 0, 0}));
}

TEST(EchoLines, DosTextIsConvertedUntilAWindowsUmlautAppears) {
  // \x84 (DOS) converts, but not in the title nor after \xC4 (Windows).
  const EchoLineStore store = Fill("TITLE\nTr\x84ger\nTr\x84ger\n\xC4nderung \x84\nTr\x84ger\n");
  EXPECT_EQ(Lines(store, 2, 5),
            (std::vector<std::string>{"Tr\x84ger", "Tr\xE4ger", "\xC4nderung \x84", "Tr\x84ger"}));
}

// DOS characters land on the Windows ones (0x83: not Latin-1); box drawing becomes ASCII.
TEST(CodePage, DosLettersLandOnTheWindowsOnesAndBoxesOnAscii) {
  const std::pair<unsigned char, unsigned char> cases[] = {
      {0x84, 0xE4}, {0x81, 0xFC}, {0x8E, 0xC4}, {0x9A, 0xDC}, {0xE1, 0xDF}, {0x82, 0xE9},
      {0xF8, 0xB0}, {0xFD, 0xB2}, {0x9F, 0x83}, {0xC4, '-'},  {0xB3, '|'}};
  for (const auto& [oem, ansi] : cases) EXPECT_EQ(OemToAnsiByte(oem), ansi) << std::hex << +oem;
  EXPECT_LT(OemToAnsiByte(0xD5), 0x80);  // a dotless i: no Windows letter
}

// Nowhere: the program ends; only in the working directory: copied over.
TEST(EchoLines, FileInNeitherPlaceEndsTheProgramAndOneInTheWorkingDirectoryIsCopied) {
  test::TempDir data;
  test::TempDir work;
  Session s;
  test::UsePosition(s, data.path(), "001");
  s.paths.workingDirectory = work.path();
  EchoLineStore store;
  test::RecordingMessages messages;
  try {
    ReadEchoLines(store, s.paths, messages, "ECHO_G.001.TXT");
    ADD_FAILURE() << "no exit";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Hint:  Neither the file " + s.paths.positionDirectory +
                                     "ECHO_G.001.TXT nor the following file exist" + work.path() +
                                     "ECHO_G.001.TXT"});
  messages.messages.clear();
  std::filesystem::create_directories(s.paths.positionDirectory);
  const std::string text = "; note\r\nTITLE\r\n" + std::string(200, 'z') + "\r\n";
  test::WriteFile(work / "ECHO_G.001.TXT", text);
  EXPECT_EQ(ReadEchoLines(store, s.paths, messages, "ECHO_G.001.TXT"), 3);
  EXPECT_EQ(test::ReadFile(s.paths.positionDirectory + "ECHO_G.001.TXT"), text);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
