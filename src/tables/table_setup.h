// What every table dialog does with its grid when it opens: the table kind,
// the column classes, the shape, the headers and the row labels.
#pragma once

#include <QString>
#include <vector>

#include "commands/cell_table.h"
#include "tables/table_editor.h"

namespace rerore {

struct GridColumn {
  const char* header;
  CellClass characterClass;  // unused for the label column
  double widthFactor;        // times the editor's default width
};

// Gives the grid its kind and its columns' classes, the counts with one
// fixed row and column, the headers, the row labels ("%d") and the widths.
void SetUpTable(TableEditor& grid, TableKind kind, int rows,
                const std::vector<GridColumn>& columns);

// The width of all columns together, for sizing a dialog around its table.
int TableWidth(const TableEditor& grid);

// Writes the data cells (rows and columns from 1) of `data` into the grid.
void ShowCells(TableEditor& grid, const CellTable& data);

// Marks a whole data column read-only with a tip saying why.
void SetColumnReadOnly(TableEditor& grid, int column, const QString& toolTip);

}  // namespace rerore
