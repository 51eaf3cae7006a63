// Typing as a user would: keys go to whatever has the focus, the grid or its editor.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <functional>
#include <map>
#include <ostream>

#include "support/test_support.h"
#include "tables/cell_editor.h"
#include "tables/table_editor.h"

namespace rerore::test {

// Shows the window and waits until it has the keyboard.
inline void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

inline QWidget* FocusTarget() {
  QWidget* target = QApplication::focusWidget();
  EXPECT_NE(target, nullptr) << "no widget has the keyboard focus";
  return target;
}

// Each character to the widget `target` gives then; "\r" Return, "\t" Tab, "\x1b" Escape.
inline void TypeTo(const std::function<QWidget*()>& target, const QString& keys) {
  const std::map<QChar, Qt::Key> special = {
      {'\r', Qt::Key_Return}, {'\t', Qt::Key_Tab}, {'\x1b', Qt::Key_Escape}};
  for (QChar c : keys) {
    QWidget* widget = target();
    if (widget == nullptr) return;
    if (special.count(c))
      QTest::keyClick(widget, special.at(c));
    else
      QTest::keyClicks(widget, QString(c));
  }
}

// Typed to the focus widget.
inline void Type(const QString& keys) { TypeTo(FocusTarget, keys); }

// The same into one grid: to its editor while it is open, else to the grid.
inline void Type(TableEditor& grid, const QString& keys) {
  TypeTo(
      [&grid]() -> QWidget* {
        if (grid.isEditing()) return grid.inPlaceEdit();
        return &grid;
      },
      keys);
}

// One key with modifiers, to the focus widget.
inline void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  if (QWidget* target = FocusTarget()) QTest::keyClick(target, Qt::Key(key), modifiers);
}

// The texts of row `row`, columns 1..last, joined by "|".
inline QString RowText(const TableEditor& grid, int row) {
  QStringList texts;
  for (int column = 1; column < grid.columnCount(); ++column)
    texts << grid.getItemText(row, column);
  return texts.join('|');
}

// The push button of `parent` with this text; fails the test when there is none.
inline QPushButton* Button(QWidget& parent, const QString& text) {
  for (QPushButton* button : parent.findChildren<QPushButton*>())
    if (button->text() == text || QString(button->text()).remove('&') == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

// A mouse click on that button.
inline void Click(QWidget& parent, const QString& text) {
  if (QPushButton* button = Button(parent, text)) QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace rerore::test

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
