// Typing into the table editor as a user would: keys go to whatever has
// the keyboard focus, the grid or its in-place editor.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

namespace rerore {

class CGridCtrl;

namespace test {

// Shows the window and waits until it has the keyboard.
void ShowActive(QWidget& window);

// Each character is typed; "\r" is Return, "\t" Tab, "\x1b" Escape.
void Type(const QString& keys);

// The same into one grid: to its editor while it is open, else to the grid.
void Type(CGridCtrl& grid, const QString& keys);

// One key with modifiers, to the focus widget.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The texts of row `row`, columns 1..last, joined by "|".
QString RowText(const CGridCtrl& grid, int row);

// Collects the messages the dialogs post to the view.
struct PostedMessages {
  std::vector<std::pair<int, int>> received;  // message, wParam
  std::function<void(int, int)> sink() {
    return [this](int message, int wParam) { received.emplace_back(message, wParam); };
  }
};

}  // namespace test
}  // namespace rerore

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
