#include "table_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTest>

#include "tables/cell_editor.h"
#include "tables/table_editor.h"

namespace rerore::test {

namespace {

QWidget* FocusTarget() {
  QWidget* target = QApplication::focusWidget();
  EXPECT_NE(target, nullptr) << "no widget has the keyboard focus";
  return target;
}

void TypeTo(const std::function<QWidget*()>& target, const QString& keys) {
  for (QChar c : keys) {
    QWidget* widget = target();
    if (widget == nullptr) return;
    if (c == '\r')
      QTest::keyClick(widget, Qt::Key_Return);
    else if (c == '\t')
      QTest::keyClick(widget, Qt::Key_Tab);
    else if (c == '\x1b')
      QTest::keyClick(widget, Qt::Key_Escape);
    else
      QTest::keyClicks(widget, QString(c));
  }
}

}  // namespace

void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void Press(int key, Qt::KeyboardModifiers modifiers) {
  if (QWidget* target = FocusTarget()) QTest::keyClick(target, Qt::Key(key), modifiers);
}

void Type(const QString& keys) { TypeTo(FocusTarget, keys); }

void Type(TableEditor& grid, const QString& keys) {
  TypeTo(
      [&grid]() -> QWidget* {
        if (grid.isEditing()) return grid.inPlaceEdit();
        return &grid;
      },
      keys);
}

QString RowText(const TableEditor& grid, int row) {
  QStringList texts;
  for (int column = 1; column < grid.columnCount(); ++column)
    texts << grid.getItemText(row, column);
  return texts.join('|');
}

QPushButton* Button(QWidget& parent, const QString& text) {
  for (QPushButton* button : parent.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

void Click(QWidget& parent, const QString& text) {
  if (QPushButton* button = Button(parent, text)) QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace rerore::test
