#include "echo/code_page.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <optional>

namespace rerore {
namespace {

// The platform's converter as an independent reference: one byte in, one
// out, nullopt when the Windows page lacks the character.
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

// Every DOS character that the Windows page has lands on that character;
// box drawing and blocks become a plain ASCII look-alike.
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

}  // namespace
}  // namespace rerore
