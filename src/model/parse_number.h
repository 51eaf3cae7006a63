// Reading a number from a table cell or a dialog field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rerore {

// Every "," counts as "."; at most the first 119 characters are read;
// leading blanks are skipped; the number ends at the first character that
// cannot continue a decimal number with optional sign, point and exponent.
// An empty or non-numeric text gives 0. Independent of the process locale.
// A number beyond the float range gives plus or minus infinity.
float parseNumber(std::string_view text);

// The same number, or nothing when it does not fit a float (its magnitude
// beyond FLT_MAX): such a value is refused where it is typed or read, so
// that no infinity ever reaches the model.
std::optional<float> parseFiniteNumber(std::string_view text);

// "The number %s is too large", naming the text as it was typed.
std::string TooLargeNumberMessage(std::string_view text);

// The standard decimal integer conversion of the dialogs: leading blanks
// skipped, an optional sign, then the leading digits; 0 when no digit leads.
int parseInteger(std::string_view text);

}  // namespace rerore
