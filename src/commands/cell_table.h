// The texts of a table dialog's cells, as the grid shows them: row 0 holds
// the headers and column 0 the row labels, so data start at (1, 1) and row
// i of a table is record i of the model. The table logic reads and writes
// this plain form; the grid widget only copies texts in and out of it.
#pragma once

#include <string>
#include <vector>

#include "model/user_messages.h"

namespace rerore {

class CellTable {
 public:
  CellTable(int rows, int columns)
      : rows_(rows), columns_(columns), texts_(static_cast<size_t>(rows * columns)) {}

  int rows() const { return rows_; }
  int columns() const { return columns_; }

  std::string& at(int row, int column) { return texts_[Index(row, column)]; }
  const std::string& at(int row, int column) const { return texts_[Index(row, column)]; }
  bool empty(int row, int column) const { return at(row, column).empty(); }
  // True when any data cell of the row holds text.
  bool rowHasText(int row) const;

 private:
  size_t Index(int row, int column) const { return static_cast<size_t>(row * columns_ + column); }

  int rows_;
  int columns_;
  std::vector<std::string> texts_;
};

// True when columns first..last of the row all hold text.
bool ColumnsFilled(const CellTable& cells, int row, int first, int last);

// Rows are meant to be filled from row 1 without gaps: a row that lacks one
// of columns first..last while a later row holds text would be dropped or
// shift the numbering. Then "Row %i is incomplete" (the first such row;
// "Row %i is empty" when it holds no text at all) in a box titled "Error"
// and false; true when the rows are in order.
bool RowsInOrder(const CellTable& cells, int first, int last, UserMessages& messages);

// Every filled cell of columns first..last holds a number that fits a
// float; else "The number %s is too large" (the first such cell) in a box
// titled "Error" and false.
bool NumbersFit(const CellTable& cells, int first, int last, UserMessages& messages);

// The number a cell stands for. A cell that still shows `current` in the
// table's format keeps the full value: accepting a table the user did not
// touch must not round the model to the digits shown.
float CellNumber(const std::string& text, float current, const char* format);

}  // namespace rerore
