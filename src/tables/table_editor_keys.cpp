// The table editor's keyboard: the in-place editor's start and end, and the
// key commands that move the focus and copy cells.
#include <QKeyEvent>
#include <QScrollBar>

#include "tables/cell_editor.h"
#include "tables/cell_filter.h"
#include "tables/table_editor.h"

namespace rerore {

void TableEditor::editCell(int row, int column) {
  if (!isValidFocus(row, column) || cell(row, column).readOnly) return;
  if (isEditing()) endEdit(0, Qt::NoModifier);
  moveFocus(row, column);
  editRow_ = row;
  editColumn_ = column;
  textBeforeEdit_ = cell(row, column).text;
  editor_->setGeometry(cellRect(row, column).adjusted(1, 1, -1, -1));
  editor_->setText(textBeforeEdit_);
  editor_->selectAll();
  editor_->show();
  editor_->setFocus();
}

void TableEditor::startTyping(const QString& text) {
  editCell(focusRow_, focusColumn_);
  if (!isEditing()) return;
  editor_->setText(text);
  emit changed();
}

void TableEditor::endEdit(int key, Qt::KeyboardModifiers modifiers) {
  if (!isEditing()) return;
  const int row = editRow_;
  const int column = editColumn_;
  editRow_ = editColumn_ = -1;
  const QString typed = editor_->text();
  if (key != 0) setFocus();
  editor_->hide();
  const QString text =
      key == Qt::Key_Escape ? textBeforeEdit_ : FilterCellText(typed, columnClass(column));
  if (text != cell(row, column).text) {
    cell(row, column).text = text;
    modified_ = true;
  }
  viewport()->update();
  if (!KeyReopensEditor(key)) return;
  handleKeyCommand(key, modifiers);
  editCell(focusRow_, focusColumn_);
}

void TableEditor::keyPressEvent(QKeyEvent* event) {
  if (!isValidFocus(focusRow_, focusColumn_)) {
    // Return never closes a dialog from inside its table.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
      event->accept();
    else
      QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  if (handleKeyCommand(event->key(), event->modifiers())) {
    event->accept();
    return;
  }
  const QString text = event->text();
  const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  if (!command && !text.isEmpty() && text.at(0).isPrint()) {
    startTyping(text);
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

bool TableEditor::handleKeyCommand(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::ControlModifier) {
    if (!handleControlKey(key)) return false;
    emit changed();
    return true;
  }
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
      moveByArrow(key);
      break;
    case Qt::Key_Tab:
      moveByTab(modifiers & Qt::ShiftModifier);
      break;
    case Qt::Key_Backtab:
      moveByTab(true);
      break;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
      movePage(key == Qt::Key_PageDown);
      break;
    case Qt::Key_Home:
    case Qt::Key_End:
      moveHomeEnd(key == Qt::Key_End);
      break;
    case Qt::Key_Delete:
      if (!cell(focusRow_, focusColumn_).readOnly) cutSelection();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      pressReturn();
      break;
    case Qt::Key_F5:
      copyDownward();
      break;
    default:
      return false;
  }
  emit changed();
  return true;
}

bool TableEditor::handleControlKey(int key) {
  switch (key) {
    case Qt::Key_A:
      selectAll();
      return true;
    case Qt::Key_C:
      copySelection();
      return true;
    case Qt::Key_X:
      cutSelection();
      return true;
    case Qt::Key_V:
      pasteClipboard();
      return true;
    case Qt::Key_I:
    case Qt::Key_Plus:
      insertLine();
      return true;
    case Qt::Key_L:
    case Qt::Key_Minus:
      deleteLine();
      return true;
    case Qt::Key_Right:
      copyRight();
      return true;
    case Qt::Key_Left:
      copyLeft();
      return true;
    default:
      return false;
  }
}

void TableEditor::moveByArrow(int key) {
  int row = focusRow_;
  int column = focusColumn_;
  if (key == Qt::Key_Up) --row;
  if (key == Qt::Key_Down) ++row;
  if (key == Qt::Key_Left) --column;
  if (key == Qt::Key_Right) ++column;
  moveFocus(row, column);
}

void TableEditor::moveByTab(bool backward) {
  if (!backward) {
    if (focusColumn_ < lastColumn())
      moveFocus(focusRow_, focusColumn_ + 1);
    else if (focusRow_ < lastRow())
      moveFocus(focusRow_ + 1, firstColumn());
  } else {
    if (focusColumn_ > firstColumn())
      moveFocus(focusRow_, focusColumn_ - 1);
    else if (focusRow_ > firstRow())
      moveFocus(focusRow_ - 1, lastColumn());
  }
}

// The focus row follows the rows scrolled; at the end of the table it
// goes to the last (or first) row.
void TableEditor::movePage(bool down) {
  QScrollBar* bar = verticalScrollBar();
  const int before = bar->value();
  bar->setValue(before + (down ? visibleRowCount() : -visibleRowCount()));
  const int scrolled = bar->value() - before;
  int row = focusRow_ + scrolled;
  if (scrolled == 0) row = down ? lastRow() : firstRow();
  moveFocus(row, focusColumn_);
}

void TableEditor::moveHomeEnd(bool end) {
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(end ? bar->maximum() : bar->minimum());
  moveFocus(end ? lastRow() : firstRow(), focusColumn_);
}

// "Copy downward".
void TableEditor::copyDownward() {
  const QString text = cell(focusRow_, focusColumn_).text;
  if (focusRow_ >= lastRow() || text.isEmpty()) return;
  if (cell(focusRow_ + 1, focusColumn_).readOnly) return;
  cell(focusRow_ + 1, focusColumn_).text = text;
  modified_ = true;
  moveFocus(focusRow_ + 1, focusColumn_);
}

void TableEditor::copyRight() {
  const QString text = cell(focusRow_, focusColumn_).text;
  const int target = focusColumn_ + 1;
  if (text.isEmpty() || target > lastColumn() || cell(focusRow_, target).readOnly) return;
  cell(focusRow_, target).text = text;
  modified_ = true;
  moveFocus(focusRow_, std::min(focusColumn_ + 2, lastColumn()));
}

void TableEditor::copyLeft() {
  const QString text = cell(focusRow_, focusColumn_).text;
  const int target = focusColumn_ - 1;
  if (text.isEmpty() || target < firstColumn() || cell(focusRow_, target).readOnly) return;
  cell(focusRow_, target).text = text;
  modified_ = true;
  if (focusColumn_ == lastColumn())
    moveFocus(focusRow_, target);
  else
    viewport()->update();
}

}  // namespace rerore
