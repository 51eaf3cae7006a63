// Typing into the table editor as a user would: keys go to whatever has
// the keyboard focus, the grid or its in-place editor.
#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <ostream>

#include "support/test_support.h"

namespace rerore {

class TableEditor;

namespace test {

// Shows the window and waits until it has the keyboard.
void ShowActive(QWidget& window);

// Each character is typed; "\r" is Return, "\t" Tab, "\x1b" Escape.
void Type(const QString& keys);

// The same into one grid: to its editor while it is open, else to the grid.
void Type(TableEditor& grid, const QString& keys);

// One key with modifiers, to the focus widget.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The texts of row `row`, columns 1..last, joined by "|".
QString RowText(const TableEditor& grid, int row);

// The push button of `parent` with this text; fails the test when there is none.
QPushButton* Button(QWidget& parent, const QString& text);
// A mouse click on that button.
void Click(QWidget& parent, const QString& text);

}  // namespace test
}  // namespace rerore

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
