#include "echo/code_page.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

namespace rerore {
namespace {

// The C library's converter as an independent reference: one byte in, one out.
std::optional<unsigned char> LibraryConversion(iconv_t converter, unsigned char oem) {
  char in[1] = {static_cast<char>(oem)};
  char out[8] = {};
  char *inPointer = in, *outPointer = out;
  size_t inLeft = 1, outLeft = sizeof out;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1) ||
      outPointer - out != 1)
    return std::nullopt;
  return static_cast<unsigned char>(out[0]);
}

// Every DOS character that the Windows page has lands on that character;
// box drawing and blocks become a plain ASCII look-alike.
TEST(CodePage, AgreesWithTheLibraryAndDrawsBoxesInAscii) {
  iconv_t converter = iconv_open("CP1252", "CP850");
  ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
  int exact = 0;
  for (int oem = 0x80; oem <= 0xFF; ++oem) {
    const auto expected = LibraryConversion(converter, static_cast<unsigned char>(oem));
    const unsigned char got = OemToAnsiByte(static_cast<unsigned char>(oem));
    exact += expected.has_value();
    if (expected)
      EXPECT_EQ(got, *expected) << std::hex << "byte 0x" << oem;
    else
      EXPECT_LT(got, 0x80) << std::hex << "byte 0x" << oem;
  }
  iconv_close(converter);
  EXPECT_GT(exact, 80);
  EXPECT_EQ(OemToAnsiByte(0xC4), '-');  // a horizontal line of a DOS table
  EXPECT_EQ(OemToAnsiByte(0xB3), '|');
}

}  // namespace
}  // namespace rerore
