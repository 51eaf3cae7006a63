#include "commands/cell_table.h"

#include "model/parse_number.h"

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

bool RowsInOrder(const CellTable& cells, int first, int last, UserMessages& messages) {
  int gap = 0;
  for (int row = 1; row < cells.rows(); ++row) {
    if (gap != 0 && cells.rowHasText(row)) {
      // A row left out altogether is not the same slip as a missing cell.
      const char* text = cells.rowHasText(gap) ? "Row %i is incomplete" : "Row %i is empty";
      messages.message(Format(text, gap), "Error");
      return false;
    }
    if (gap == 0 && !ColumnsFilled(cells, row, first, last)) gap = row;
  }
  return true;
}

bool NumbersFit(const CellTable& cells, int first, int last, UserMessages& messages) {
  for (int row = 1; row < cells.rows(); ++row)
    for (int column = first; column <= last; ++column) {
      const std::string& text = cells.at(row, column);
      if (text.empty() || parseFiniteNumber(text)) continue;
      messages.message(TooLargeNumberMessage(text), "Error");
      return false;
    }
  return true;
}

float CellNumber(const std::string& text, float current, const char* format) {
  if (text == Format(format, current)) return current;
  return parseNumber(text);
}

}  // namespace rerore
