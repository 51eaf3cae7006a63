#include "echo/card_parser.h"

#include <algorithm>
#include <climits>

#include "model/parse_number.h"

namespace rerore {

namespace {

// Text fields: punctuation, digits, letters and the German umlauts and
// sharp s of both the DOS and the Windows code page.
constexpr std::string_view kTextCharacters =
    "!#$%&\\'`)({}/[]=?*+,.-\"0123456789"
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "\x81\x9A\x94\x99\x84\x8E\xE1\xE4\xF6\xFC\xC4\xD6\xDC";

// What a token may hold to count as a number when tokens are dropped.
constexpr std::string_view kNumberCharacters = "0123456789-,.eE";

bool IsNumericType(int type) {
  return type == kFieldDecimal || type == kFieldExponent || type == kFieldInteger;
}

bool CouldBeNumber(const std::string& token) {
  return token.find_first_not_of(kNumberCharacters) == std::string::npos;
}

char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

int16_t ToInt16(int value) { return static_cast<int16_t>(std::clamp(value, INT16_MIN, INT16_MAX)); }

}  // namespace

std::string_view AllowedCharacters(int type) {
  switch (type) {
    case kFieldText:
      return kTextCharacters;
    case kFieldDecimal:
      return "0123456789-,.";
    case kFieldExponent:
      return "0123456789+-,.Ee";
    case kFieldInteger:
      return "0123456789";
    case kFieldYesNo:
      return "jnJN";
    case kFieldKind:
      return "dDeEfFgGmMqQsStTrRvVwW&IiYy";
    case kFieldAlphanumeric:
      return "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    case kFieldAbcd:
      return "abcdABCD";
    case kFieldDigitsPlus:
      return "0123456789 +";
    case kFieldVe:
      return "vVeE";
    case kFieldDigitsComma:
      return "0123456789 ,";
    case kFieldDefg:
      return "dDeEfFgG";
    case kFieldSfwu:
      return "sfwSFWuU";
    case kFieldCb:
      return "cCbB";
    case kFieldUo:
      return "uUoO";
    default:
      return "";
  }
}

std::vector<std::string> SplitTokens(std::string_view line) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (tokens.size() < static_cast<size_t>(kCardMaxTokens)) {
    i = line.find_first_not_of(' ', i);
    if (i == std::string_view::npos) break;
    const size_t end = std::min(line.find(' ', i), line.size());
    tokens.emplace_back(line.substr(i, end - i));
    i = end;
  }
  return tokens;
}

void DropInvalidTokens(std::vector<std::string>& tokens, const std::vector<int>& types) {
  for (size_t p = 0; p < types.size() && p < tokens.size(); ++p) {
    if (!IsNumericType(types[p])) continue;
    while (p < tokens.size() && !CouldBeNumber(tokens[p])) {
      const bool laterNumber = std::any_of(tokens.begin() + p, tokens.end(), CouldBeNumber);
      if (!laterNumber) return;
      tokens.erase(tokens.begin() + p);
    }
  }
}

CardField ParseField(std::string_view token, int type) {
  CardField field;
  field.text = token.substr(0, kCardFieldChars);
  const std::string_view allowed = AllowedCharacters(type);
  for (char& c : field.text) {
    if (type != kFieldText) c = ToUpper(c);
    if ((type == kFieldDecimal || type == kFieldExponent) && c == ',') c = '.';
    if (allowed.find(c) == std::string_view::npos)
      c = ' ';
    else
      field.present = true;
  }
  if (!field.present) return field;
  if (type == kFieldInteger) {
    field.integer = ToInt16(parseInteger(field.text));
    field.value = field.integer;
  } else {
    field.value = parseNumber(field.text);
  }
  return field;
}

int CardParser::parseCountLine(int lineNumber) {
  for (int r = 1; r <= kCountLineClearedRows; ++r) rows_[r][1] = CardField{};
  std::vector<std::string> tokens = SplitTokens(store_.line(lineNumber));
  if (tokens.size() > 1) DropInvalidTokens(tokens, {kFieldInteger});
  for (size_t k = 1; k <= tokens.size() && k <= static_cast<size_t>(kCardRows); ++k)
    rows_[k][1] = ParseField(tokens[k - 1], k == 1 ? kFieldInteger : kFieldText);
  return rows_[1][1].integer;
}

int CardParser::parseRows(int firstLine, int rows, const std::vector<int>& types) {
  if (firstLine < 1) return 0;
  const int available = std::max(0, store_.count() - firstLine + 1);
  rows = std::clamp(rows, 0, std::min(kCardRows, available));
  const size_t fields = std::min(types.size(), static_cast<size_t>(kCardFields));
  for (int r = 1; r <= rows; ++r) {
    std::vector<std::string> tokens = SplitTokens(store_.line(firstLine + r - 1));
    if (tokens.size() > fields) DropInvalidTokens(tokens, types);
    if (tokens.size() < fields) tokens.resize(fields, "0");
    for (size_t k = 1; k <= fields; ++k) rows_[r][k] = ParseField(tokens[k - 1], types[k - 1]);
  }
  return rows;
}

}  // namespace rerore
