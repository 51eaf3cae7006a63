#include "model/parse_number.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "model/constants.h"
#include "model/user_messages.h"

namespace rerore {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of s that forms a decimal number.
size_t NumberPrefix(const std::string& s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

// The number of the text in double precision; nothing when it holds none.
// An exponent beyond the double range gives zero (negative exponent) or
// infinity, like the C library.
std::optional<double> ReadNumber(std::string_view text) {
  std::string s(text.substr(0, kParseNumberChars));
  for (char& c : s)
    if (c == ',') c = '.';
  size_t start = 0;
  while (start < s.size() && IsBlank(s[start])) ++start;
  s.erase(0, start);
  const size_t length = NumberPrefix(s);
  if (length == 0) return std::nullopt;
  // from_chars takes no leading plus sign.
  const size_t skip = s[0] == '+' ? 1 : 0;
  double value = 0.0;
  const auto result = std::from_chars(s.data() + skip, s.data() + length, value);
  if (result.ec == std::errc::result_out_of_range) {
    const bool negative = s[0] == '-';
    const size_t e = s.find_first_of("eE");
    if (e < length && s[e + 1] == '-') return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
  }
  return value;
}

}  // namespace

float parseNumber(std::string_view text) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return 0.0f;
  if (std::fabs(*value) > FLT_MAX) return *value < 0.0 ? -HUGE_VALF : HUGE_VALF;
  return static_cast<float>(*value);
}

std::optional<float> parseFiniteNumber(std::string_view text) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return 0.0f;
  if (std::fabs(*value) > FLT_MAX) return std::nullopt;
  return static_cast<float>(*value);
}

std::string TooLargeNumberMessage(std::string_view text) {
  return Format("The number %s is too large", std::string(text).c_str());
}

int parseInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  while (i < text.size() && IsDigit(text[i])) {
    value = value * 10 + (text[i++] - '0');
    if (value > INT_MAX) value = INT_MAX;  // saturate like the C library does
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace rerore
