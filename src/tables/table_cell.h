// One cell of the table editor.
#pragma once

#include <QString>

namespace rerore {

struct TableCell {
  QString text;
  bool readOnly = false;
  QString toolTip;  // shown when the pointer rests on the cell
};

// A rectangle of cells, inclusive on all sides; empty when top > bottom.
struct CellRange {
  int top = 0;
  int left = 0;
  int bottom = -1;
  int right = -1;

  bool isEmpty() const { return top > bottom || left > right; }
  bool contains(int row, int column) const {
    return row >= top && row <= bottom && column >= left && column <= right;
  }
  static CellRange single(int row, int column) { return {row, column, row, column}; }
};

}  // namespace rerore
