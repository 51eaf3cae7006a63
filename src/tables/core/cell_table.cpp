#include "tables/core/cell_table.h"

#include "model/parse_number.h"
#include "model/user_messages.h"

namespace rerore {

bool CellTable::rowHasText(int row) const {
  for (int column = 1; column < columns_; ++column)
    if (!empty(row, column)) return true;
  return false;
}

bool ColumnsFilled(const CellTable& cells, int row, int first, int last) {
  for (int column = first; column <= last; ++column)
    if (cells.empty(row, column)) return false;
  return true;
}

float CellNumber(const std::string& text, float current, const char* format) {
  if (text == Format(format, current)) return current;
  return parseNumber(text);
}

}  // namespace rerore
