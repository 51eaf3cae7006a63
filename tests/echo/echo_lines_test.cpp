#include "echo/echo_lines.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <optional>
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

TEST(EchoLines, KeywordsAndSectionLengths) {
  const EchoLineStore store =
      Fill("TITEL\nTITLE\nmy frame\nMATERIAL\n1\n1 2 0\nPARAMETER\nx\nNODES \nNODES\n0\n");
  EXPECT_EQ(store.section(1), kOrdinaryLine);  // the writer's own spelling is no keyword
  EXPECT_EQ(store.section(7), kSectionParameter);
  // "NODES " is no keyword, so PARAMETER runs to line 9.
  const std::tuple<int, int, int> sections[] = {{kSectionTitle, 2, 2},
                                                {kSectionMaterial, 4, 3},
                                                {kSectionParameter, 7, 3},
                                                {kSectionNodes, 10, 2},
                                                {kSectionSupports, 0, 0}};
  for (const auto& [section, line, length] : sections) {
    EXPECT_EQ(std::tuple(store.keywordLine(section), store.sectionLength(section)),
              std::tuple(line, length))
        << section;
  }
}

TEST(EchoLines, DosTextIsConvertedUntilAWindowsUmlautAppears) {
  // \x84 (DOS) converts, but not in the title nor after \xC4 (Windows).
  const EchoLineStore store = Fill("TITLE\nTr\x84ger\nTr\x84ger\n\xC4nderung \x84\nTr\x84ger\n");
  EXPECT_EQ(Lines(store, 2, 5),
            (std::vector<std::string>{"Tr\x84ger", "Tr\xE4ger", "\xC4nderung \x84", "Tr\x84ger"}));
}

// The platform's converter as the reference; nullopt where Windows lacks the character.
#ifdef _WIN32
std::optional<unsigned char> LibraryConversion(unsigned char oem) {
  const char in[1] = {static_cast<char>(oem)};
  wchar_t wide[2] = {};
  if (MultiByteToWideChar(850, MB_ERR_INVALID_CHARS, in, 1, wide, 2) != 1) return std::nullopt;
  char out[8] = {};
  BOOL usedDefault = FALSE;
  if (WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide, 1, out, sizeof out, nullptr,
                          &usedDefault) != 1 ||
      usedDefault)
    return std::nullopt;
  return static_cast<unsigned char>(out[0]);
}
#else
std::optional<unsigned char> LibraryConversion(unsigned char oem) {
  iconv_t converter = iconv_open("CP1252", "CP850");
  EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  char in[1] = {static_cast<char>(oem)};
  char out[8] = {};
  char *inPointer = in, *outPointer = out;
  size_t inLeft = 1, outLeft = sizeof out;
  const bool converted =
      iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<size_t>(-1) &&
      outPointer - out == 1;
  iconv_close(converter);
  if (!converted) return std::nullopt;
  return static_cast<unsigned char>(out[0]);
}
#endif

// DOS characters land on the Windows ones; box drawing becomes ASCII.
TEST(CodePage, AgreesWithTheLibraryAndDrawsBoxesInAscii) {
  int exact = 0;
  for (int oem = 0x80; oem <= 0xFF; ++oem) {
    const auto expected = LibraryConversion(static_cast<unsigned char>(oem));
    const unsigned char got = OemToAnsiByte(static_cast<unsigned char>(oem));
    exact += expected.has_value();
    if (expected)
      EXPECT_EQ(got, *expected) << std::hex << "byte 0x" << oem;
    else
      EXPECT_LT(got, 0x80) << std::hex << "byte 0x" << oem;
  }
  EXPECT_GT(exact, 80);
  EXPECT_EQ(OemToAnsiByte(0xC4), '-');  // a horizontal line of a DOS table
  EXPECT_EQ(OemToAnsiByte(0xB3), '|');
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
  int code = 0;
  try {
    ReadEchoLines(store, s.paths, messages, "ECHO_G.001.TXT");
  } catch (const ProgramExit& exit) {
    code = exit.code;
  }
  EXPECT_EQ(code, 1);
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
