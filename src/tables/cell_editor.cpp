#include "tables/cell_editor.h"

#include <QKeyEvent>

#include "model/constants.h"

namespace rerore {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(kCellTextLimit);
  setFrame(false);
  hide();
}

bool KeyReopensEditor(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_F5:
      return true;
    default:
      return false;
  }
}

bool CellEditor::EndsEdit(int key) {
  return KeyReopensEditor(key) || key == Qt::Key_Tab || key == Qt::Key_Backtab ||
         key == Qt::Key_Escape;
}

bool CellEditor::event(QEvent* event) {
  // Tab would otherwise move the keyboard focus to the next control.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  // Keep the dialog from taking Escape and Return as Stop and OK.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (EndsEdit(key->key())) {
      event->accept();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
  emit keyTyped();
  if (EndsEdit(event->key())) {
    event->accept();
    emit editEnded(event->key(), event->modifiers());
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The editor's own context menu takes the focus only for a moment.
  if (event->reason() == Qt::PopupFocusReason) return;
  if (isVisible()) emit editEnded(0, Qt::NoModifier);
}

}  // namespace rerore
