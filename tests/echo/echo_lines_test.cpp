#include "echo/echo_lines.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace rerore {
namespace {

EchoLineStore Fill(const std::string& bytes) {
  EchoLineStore store;
  store.fill(bytes);
  return store;
}

TEST(EchoLines, CommentsLineEndsAndEmptyLines) {
  const EchoLineStore store = Fill("; comment\r\nTITEL\r\n\r\nMATERIAL\nlast");
  ASSERT_EQ(store.count(), 4);
  EXPECT_EQ(store.line(1), "TITEL");
  EXPECT_EQ(store.line(2), "");
  EXPECT_EQ(store.line(3), "MATERIAL");
  EXPECT_EQ(store.line(4), "last");
  EXPECT_EQ(store.line(5), "");  // outside the store
  EXPECT_EQ(store.line(0), "");
  EXPECT_EQ(Fill("").count(), 0);
  EXPECT_EQ(Fill(";only\n;comments\n").count(), 0);
}

TEST(EchoLines, LongLinesAreCutIntoCardsAndTheStoreHoldsAtMost1500) {
  const std::string longLine(126 + 10, 'x');
  EchoLineStore store = Fill(std::string(126, 'a') + "\n" + longLine + "\n");
  ASSERT_EQ(store.count(), 3);
  EXPECT_EQ(store.line(1).size(), 126u);
  EXPECT_EQ(store.line(2), std::string(126, 'x'));
  EXPECT_EQ(store.line(3), std::string(10, 'x'));

  std::string many;
  for (int i = 1; i <= 1600; ++i) many += std::to_string(i) + "\n";
  store.fill(many + "PARABOLA\n");
  EXPECT_EQ(store.count(), 1500);
  EXPECT_EQ(store.line(1500), "1500");
  EXPECT_EQ(store.keywordLine(kSectionParabola), 0);
}

TEST(EchoLines, KeywordsAndSectionLengths) {
  const EchoLineStore store =
      Fill("TITEL\nTITLE\nmy frame\nMATERIAL\n1\n1 2 0\nPARAMETER\nx\nNODES \nNODES\n0\n");
  EXPECT_EQ(store.section(1), kOrdinaryLine);  // the writer's own spelling is no keyword
  EXPECT_EQ(store.keywordLine(kSectionTitle), 2);
  EXPECT_EQ(store.sectionLength(kSectionTitle), 2);
  EXPECT_EQ(store.keywordLine(kSectionMaterial), 4);
  EXPECT_EQ(store.sectionLength(kSectionMaterial), 3);
  EXPECT_EQ(store.section(7), kSectionParameter);
  EXPECT_EQ(store.sectionLength(kSectionParameter), 3);  // "NODES " is no keyword
  EXPECT_EQ(store.keywordLine(kSectionNodes), 10);
  EXPECT_EQ(store.sectionLength(kSectionNodes), 2);
  EXPECT_EQ(store.keywordLine(kSectionSupports), 0);
  EXPECT_EQ(store.sectionLength(kSectionSupports), 0);
}

TEST(EchoLines, DosTextIsConvertedUntilAWindowsUmlautAppears) {
  // \x84 is ä in the DOS page; \xC4 is Ä in the Windows page.
  const EchoLineStore store = Fill("TITLE\nTr\x84ger\nTr\x84ger\n\xC4nderung \x84\nTr\x84ger\n");
  EXPECT_EQ(store.line(2), "Tr\x84ger");  // the title line is never converted
  EXPECT_EQ(store.line(3), "Tr\xE4ger");
  EXPECT_EQ(store.line(4), "\xC4nderung \x84");  // from here on nothing is converted
  EXPECT_EQ(store.line(5), "Tr\x84ger");
}

TEST(EchoLines, FileOnlyInTheWorkingDirectoryIsCopiedUnchanged) {
  test::TempDir data;
  test::TempDir work;
  Session s;
  test::UsePosition(s, data.path(), "001");
  std::filesystem::create_directories(s.paths.positionDirectory);
  s.paths.workingDirectory = work.path();
  const std::string text = "; note\r\nTITLE\r\n" + std::string(200, 'z') + "\r\n";
  test::WriteFile(work / "ECHO_G.001.TXT", text);
  EchoLineStore store;
  test::RecordingMessages messages;
  EXPECT_EQ(ReadEchoLines(store, s.paths, messages, "ECHO_G.001.TXT"), 3);
  EXPECT_EQ(test::ReadFile(s.paths.positionDirectory + "ECHO_G.001.TXT"), text);
  EXPECT_TRUE(messages.messages.empty());
}

TEST(EchoLines, FileInNeitherPlaceEndsTheProgramWithAHint) {
  test::TempDir data;
  test::TempDir work;
  Session s;
  test::UsePosition(s, data.path(), "001");
  s.paths.workingDirectory = work.path();
  EchoLineStore store;
  test::RecordingMessages messages;
  try {
    ReadEchoLines(store, s.paths, messages, "ECHO_G.001.TXT");
    FAIL() << "no program end";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].title, "Hint");
  EXPECT_EQ(messages.messages[0].text, " Neither the file " + s.paths.positionDirectory +
                                           "ECHO_G.001.TXT nor the following file exist" +
                                           work.path() + "ECHO_G.001.TXT");
}

}  // namespace
}  // namespace rerore
