// The field parser of the echo reader: a line of the store is split at
// blanks into tokens, every token is filtered by the character set of its
// field's type and converted, and the results land in the parse table
// (rows of fields, 1-based like the cards they come from).
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "echo/echo_lines.h"
#include "model/constants.h"

namespace rerore {

// Field types. Only the decimal and integer types occur in the sections of
// this program; the others are offered for cards of other kinds.
enum FieldType : int {
  kFieldText = 0,
  kFieldDecimal = 1,   // "0123456789-,."
  kFieldExponent = 2,  // "0123456789+-,.Ee"
  kFieldInteger = 3,   // "0123456789"
  kFieldYesNo = 4,     // "jnJN"
  kFieldKind = 5,      // "dDeEfFgGmMqQsStTrRvVwW&IiYy"
  kFieldAlphanumeric = 6,
  kFieldAbcd = 7,
  kFieldDigitsPlus = 8,
  kFieldVe = 9,
  kFieldDigitsComma = 10,
  kFieldDefg = 11,
  kFieldSfwu = 15,
  kFieldCb = 16,
  kFieldUo = 17,
};

// The characters a field of the type keeps ("" for an unknown type).
std::string_view AllowedCharacters(int type);

// The blank-separated tokens of a line, at most kCardMaxTokens.
std::vector<std::string> SplitTokens(std::string_view line);

// Removes the tokens that cannot be numbers where a number is expected,
// so that an annotation such as "b=0.2" does not shift the fields after
// it. `types` are the types of fields 1..n; positions beyond them are text
// and stay. Dropping ends where no token from that position on could be a
// number.
void DropInvalidTokens(std::vector<std::string>& tokens, const std::vector<int>& types);

struct CardField {
  std::string text;  // the filtered token, at most kCardFieldChars characters
  int16_t integer = 0;
  float value = 0.0f;
  bool present = false;  // at least one character of the token was allowed
};

// Filters a token by the character set of the type and converts it.
CardField ParseField(std::string_view token, int type);

class CardParser {
 public:
  explicit CardParser(const EchoLineStore& store) : store_(store), rows_(kCardRows + 1) {}

  // The count line after a keyword. Returns the count (row 1, field 1).
  int parseCountLine(int lineNumber);
  // Rows 1..rows from the lines first, first + 1, ... with fields of the
  // given types. Only stored lines are read and at most kCardRows rows;
  // returns the number of rows parsed.
  int parseRows(int firstLine, int rows, const std::vector<int>& types);

  const CardField& field(int row, int k) const { return rows_[row][k]; }
  int16_t integer(int row, int k) const { return rows_[row][k].integer; }
  float value(int row, int k) const { return rows_[row][k].value; }

 private:
  const EchoLineStore& store_;
  std::vector<std::array<CardField, kCardFields + 1>> rows_;  // row 0 unused
};

}  // namespace rerore
