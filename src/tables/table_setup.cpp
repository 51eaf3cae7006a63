#include "tables/table_setup.h"

#include "tables/table_help.h"

namespace rerore {

void SetUpTable(TableEditor& grid, TableKind kind, int rows,
                const std::vector<GridColumn>& columns) {
  grid.setKind(kind);
  std::vector<CellClass> classes{CellClass::Any};  // the label column
  for (size_t c = 1; c < columns.size(); ++c) classes.push_back(columns[c].characterClass);
  grid.setColumnClasses(std::move(classes));
  const int count = static_cast<int>(columns.size());
  grid.setRowCount(rows);
  grid.setColumnCount(count);
  grid.setFixedRowCount(1);
  grid.setFixedColumnCount(1);
  for (int c = 0; c < count; ++c) {
    const GridColumn& column = columns[static_cast<size_t>(c)];
    grid.setItemText(0, c, column.header);
    grid.setColumnWidth(c, static_cast<int>(grid.defaultColumnWidth() * column.widthFactor));
  }
  for (int r = 1; r < rows; ++r) grid.setItemText(r, 0, QString::number(r));
  ExplainColumns(grid, kind);
}

int TableWidth(const TableEditor& grid) {
  int width = 0;
  for (int c = 0; c < grid.columnCount(); ++c) width += grid.getColumnWidth(c);
  return width;
}

void ShowCells(TableEditor& grid, const CellTable& data) {
  for (int r = 1; r < data.rows() && r < grid.rowCount(); ++r)
    for (int c = 1; c < data.columns() && c < grid.columnCount(); ++c)
      grid.setItemText(r, c, QString::fromStdString(data.at(r, c)));
}

void SetColumnReadOnly(TableEditor& grid, int column, const QString& toolTip) {
  for (int r = 1; r < grid.rowCount(); ++r) {
    grid.setItemReadOnly(r, column, true);
    grid.setItemToolTip(r, column, toolTip);
  }
}

}  // namespace rerore
