#include "table_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTest>

#include "tables/CGridCtrl.h"

namespace rerore::test {

void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

namespace {

QWidget* FocusTarget() {
  QWidget* target = QApplication::focusWidget();
  EXPECT_NE(target, nullptr) << "no widget has the keyboard focus";
  return target;
}

}  // namespace

void Press(int key, Qt::KeyboardModifiers modifiers) {
  if (QWidget* target = FocusTarget()) QTest::keyClick(target, Qt::Key(key), modifiers);
}

void Type(const QString& keys) {
  for (QChar c : keys) {
    if (c == '\r')
      Press(Qt::Key_Return);
    else if (c == '\t')
      Press(Qt::Key_Tab);
    else if (c == '\x1b')
      Press(Qt::Key_Escape);
    else if (QWidget* target = FocusTarget())
      QTest::keyClicks(target, QString(c));
  }
}

QString RowText(const CGridCtrl& grid, int row) {
  QStringList texts;
  for (int column = 1; column < grid.columnCount(); ++column)
    texts << grid.getItemText(row, column);
  return texts.join('|');
}

}  // namespace rerore::test
