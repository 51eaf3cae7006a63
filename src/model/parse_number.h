// Reading a number from a table cell or a dialog field.
#pragma once

#include <string_view>

namespace rerore {

// Every "," counts as "."; at most the first 119 characters are read;
// leading blanks are skipped; the number ends at the first character that
// cannot continue a decimal number with optional sign, point and exponent.
// An empty or non-numeric text gives 0. Independent of the process locale.
float parseNumber(std::string_view text);

// The standard decimal integer conversion of the dialogs: leading blanks
// skipped, an optional sign, then the leading digits; 0 when no digit leads.
int parseInteger(std::string_view text);

}  // namespace rerore
