// The editor that opens over the focus cell of the table editor. It ends on
// Return, Tab, Escape, F5, the page keys and the arrows, and when it loses
// the focus; the grid then takes the text and may handle the key.
#pragma once

#include <QLineEdit>

namespace rerore {

// The keys after which the grid handles the key itself and reopens the
// editor on the new focus cell.
bool KeyReopensEditor(int key);

class CellEditor : public QLineEdit {
  Q_OBJECT
 public:
  explicit CellEditor(QWidget* parent);

 signals:
  // Every key typed into the editor, the ones that end it included.
  void keyTyped();
  // key is 0 when the editor lost the focus.
  void editEnded(int key, Qt::KeyboardModifiers modifiers);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  static bool EndsEdit(int key);
};

}  // namespace rerore
