#include "echo/code_page.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

namespace rerore {
namespace {

// The C library's converter is an independent reference: every DOS
// character that the Windows code page has must land on that character.
std::optional<unsigned char> LibraryConversion(iconv_t converter, unsigned char oem) {
  char in[1] = {static_cast<char>(oem)};
  char out[8] = {};
  char* inPointer = in;
  char* outPointer = out;
  size_t inLeft = 1;
  size_t outLeft = sizeof out;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1))
    return std::nullopt;
  if (outPointer - out != 1) return std::nullopt;
  return static_cast<unsigned char>(out[0]);
}

TEST(CodePage, AgreesWithTheLibraryWhereTheWindowsPageHasTheCharacter) {
  iconv_t converter = iconv_open("CP1252", "CP850");
  ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
  int exact = 0;
  for (int oem = 0x80; oem <= 0xFF; ++oem) {
    const auto expected = LibraryConversion(converter, static_cast<unsigned char>(oem));
    const unsigned char got = OemToAnsiByte(static_cast<unsigned char>(oem));
    if (expected) {
      ++exact;
      EXPECT_EQ(got, *expected) << std::hex << "byte 0x" << oem;
    } else {
      // Box drawing and blocks: a plain ASCII look-alike, never a letter
      // of the upper half.
      EXPECT_LT(got, 0x80) << std::hex << "byte 0x" << oem;
    }
  }
  iconv_close(converter);
  EXPECT_GT(exact, 80);
}

TEST(CodePage, GermanLettersAndAsciiLines) {
  std::string line = "Tr\x84ger \x8E \x99 \x9A \xE1 \x81 \x94 [m]";  // DOS: ä Ä Ö Ü ß ü ö
  OemToAnsi(line);
  EXPECT_EQ(line, "Tr\xE4ger \xC4 \xD6 \xDC \xDF \xFC \xF6 [m]");
  EXPECT_EQ(OemToAnsiByte(0xC4), '-');  // a horizontal line of a DOS table
  EXPECT_EQ(OemToAnsiByte(0xB3), '|');
}

}  // namespace
}  // namespace rerore
