// Conversion of text lines written in the DOS code page 850 into the
// Windows code page 1252, in which the program keeps every text.
#pragma once

#include <string>

namespace rerore {

// The code-page-1252 byte for one code-page-850 byte. Bytes below 0x80 are
// the same in both; a character that 1252 lacks (box drawing, shades) gets
// its nearest look-alike.
unsigned char OemToAnsiByte(unsigned char oem);

// Converts a whole line in place.
void OemToAnsi(std::string& line);

}  // namespace rerore
