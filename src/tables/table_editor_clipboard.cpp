// Blocks of cells on the platform's text clipboard (tab-separated columns,
// one line per row), and the insertion and deletion of lines, which move
// the block below the focus row through the same path.
#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>

#include "tables/cell_filter.h"
#include "tables/table_editor.h"

namespace rerore {

QString TableEditor::blockText(const CellRange& range) const {
  QString text;
  for (int row = range.top; row <= range.bottom; ++row) {
    QStringList fields;
    for (int column = range.left; column <= range.right; ++column) fields << cell(row, column).text;
    text += fields.join('\t') + '\n';
  }
  return text;
}

// Read-only cells keep their text: no command of the editor changes them.
void TableEditor::clearBlock(const CellRange& range) {
  for (int row = range.top; row <= range.bottom; ++row)
    for (int column = range.left; column <= range.right; ++column)
      if (isCell(row, column) && !cell(row, column).readOnly) cell(row, column).text.clear();
  modified_ = true;
  viewport()->update();
}

void TableEditor::pasteBlock(const QString& text, int row, int column) {
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  for (int i = 0; i < lines.size() && row + i <= lastRow(); ++i) {
    QString line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    const QStringList fields = line.split('\t');
    for (int j = 0; j < fields.size() && column + j <= lastColumn(); ++j) {
      TableCell& target = cell(row + i, column + j);
      if (!target.readOnly) target.text = FilterCellText(fields[j], columnClass(column + j));
    }
  }
  modified_ = true;
  viewport()->update();
}

CellRange TableEditor::selectionOrFocus() const {
  if (!selection_.isEmpty()) return selection_;
  return CellRange::single(focusRow_, focusColumn_);
}

void TableEditor::copySelection() {
  QGuiApplication::clipboard()->setText(blockText(selectionOrFocus()));
}

void TableEditor::cutSelection() {
  copySelection();
  clearBlock(selectionOrFocus());
}

void TableEditor::pasteClipboard() {
  pasteBlock(QGuiApplication::clipboard()->text(), focusRow_, focusColumn_);
}

// Rows fromRow..toRow move by `offset` rows; what they leave is empty and
// what they cover is lost.
void TableEditor::moveRows(int fromRow, int toRow, int offset) {
  if (fromRow > toRow) return;
  const CellRange block{fromRow, firstColumn(), toRow, lastColumn()};
  const QString text = blockText(block);
  QGuiApplication::clipboard()->setText(text);
  clearBlock(block);
  pasteBlock(text, fromRow + offset, firstColumn());
}

void TableEditor::insertLine() {
  const int row = focusRow_;
  if (row < lastRow())
    moveRows(row, lastRow() - 1, 1);
  else
    clearBlock({row, firstColumn(), row, lastColumn()});
  moveFocus(std::min(row + 1, lastRow()), firstColumn());
}

void TableEditor::deleteLine() {
  const int row = focusRow_;
  if (row == lastRow()) {
    clearBlock(selectionOrFocus());
    return;
  }
  moveRows(row + 1, lastRow(), -1);
  moveFocus(row, firstColumn());
}

}  // namespace rerore
