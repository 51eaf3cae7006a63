// The table editor's keyboard, clipboard and completions, typed as a user
// types them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>

#include "table_test_support.h"
#include "tables/CGridCtrl.h"
#include "tables/CInPlaceEdit.h"
#include "tables/table_globals.h"
#include "tables/table_setup.h"

namespace rerore {
namespace {

// A grid shaped like the elements table: coordinates, then whole numbers.
std::vector<GridColumn> ElementColumns() {
  std::vector<GridColumn> columns{{"Element", 0, 1.0}};
  for (const char* header : {"xa [m]", "ya [m]", "xb [m]", "yb [m]"})
    columns.push_back({header, kClassDecimal, 1.0});
  for (const char* header : {"Mat.", "Sect.", "C", "T", "H left", "H right"})
    columns.push_back({header, kClassWhole, 0.8});
  return columns;
}

class GridTest : public ::testing::Test {
 protected:
  void Open(int kind, int rows, const std::vector<GridColumn>& columns) {
    SetUpTable(grid, kind, rows, columns);
    grid.resize(900, 300);
    test::ShowActive(grid);
    grid.editCell(1, 1);
  }
  void OpenElements() { Open(kTableElements, 101, ElementColumns()); }
  void Fill(int row, const QString& texts) {
    const QStringList fields = texts.split('|');
    for (int c = 0; c < fields.size(); ++c) grid.setItemText(row, c + 1, fields[c]);
  }
  // Closes the editor and puts the keyboard on the grid at (row, column).
  void FocusOn(int row, int column) {
    grid.editCell(row, column);
    test::Press(Qt::Key_Escape);
  }
  bool FocusIs(int row, int column) const {
    return grid.focusRow() == row && grid.focusColumn() == column;
  }

  CGridCtrl grid;
};

TEST_F(GridTest, EndedEditKeepsOnlyTheCharactersOfTheColumnsClass) {
  Open(kTableNone, 5,
       {{"", 0, 1},
        {"plain", kClassDecimal, 1},
        {"exponent", kClassExponent, 1},
        {"class", kClassConcrete, 1},
        {"any", kClassAny, 1}});
  test::Type("abc");
  test::Press(Qt::Key_Right);
  test::Type("2,5e3");
  test::Press(Qt::Key_Right);
  test::Type("c30/37x");
  test::Press(Qt::Key_Right);
  test::Type("x,y");
  test::Press(Qt::Key_Down);
  EXPECT_EQ(test::RowText(grid, 1), "|2.5E3|C30/37|x.y");
  EXPECT_TRUE(grid.modified());
}

TEST_F(GridTest, EscapePutsTheFormerTextBack) {
  OpenElements();
  Fill(1, "1.5");
  grid.editCell(1, 1);
  test::Type("7\x1b");
  EXPECT_EQ(grid.getItemText(1, 1), "1.5");
  EXPECT_FALSE(grid.isEditing());
  EXPECT_FALSE(grid.modified());
}

TEST_F(GridTest, CellHoldsAtMost141Characters) {
  OpenElements();
  test::Type(QString(150, '7') + "\r");
  EXPECT_EQ(grid.getItemText(1, 1), QString(141, '7'));
  grid.setItemText(2, 1, QString(200, '1'));
  EXPECT_EQ(grid.getItemText(2, 1).size(), 141);
}

TEST_F(GridTest, TypingAndKeysSetTheSharedChangeFlag) {
  OpenElements();
  EXPECT_FALSE(tableChanged);
  test::Type("4");
  EXPECT_TRUE(tableChanged);
  tableChanged = false;
  test::Press(Qt::Key_Escape);
  test::Press(Qt::Key_Down);
  EXPECT_TRUE(tableChanged);
}

TEST_F(GridTest, EditorReopensOnTheNextCellAfterReturnArrowsAndPageKeys) {
  OpenElements();
  test::Type("1\r");
  EXPECT_TRUE(FocusIs(1, 2));
  EXPECT_TRUE(grid.isEditing());
  test::Type("2");
  test::Press(Qt::Key_Down);
  EXPECT_TRUE(FocusIs(2, 2));
  EXPECT_EQ(QApplication::focusWidget(), grid.inPlaceEdit());
  test::Type("3");
  test::Press(Qt::Key_Left);
  EXPECT_TRUE(FocusIs(2, 1));
  EXPECT_EQ(test::RowText(grid, 1).left(3), "1|2");
  EXPECT_EQ(grid.getItemText(2, 2), "3");
  // Tab ends the edit but is not taken as a move.
  test::Type("9\t");
  EXPECT_FALSE(grid.isEditing());
  EXPECT_TRUE(FocusIs(2, 1));
  EXPECT_EQ(grid.getItemText(2, 1), "9");
}

TEST_F(GridTest, ArrowsTabAndShiftTabStayInsideTheData) {
  OpenElements();
  FocusOn(1, 1);
  test::Press(Qt::Key_Up);
  test::Press(Qt::Key_Left);
  EXPECT_TRUE(FocusIs(1, 1));
  test::Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(FocusIs(1, 1));
  FocusOn(1, 10);
  test::Press(Qt::Key_Right);
  EXPECT_TRUE(FocusIs(1, 10));
  test::Press(Qt::Key_Tab);
  EXPECT_TRUE(FocusIs(2, 1));
  test::Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(FocusIs(1, 10));
  FocusOn(100, 10);
  test::Press(Qt::Key_Down);
  test::Press(Qt::Key_Tab);
  EXPECT_TRUE(FocusIs(100, 10));
}

TEST_F(GridTest, PageKeysMoveByTheRowsScrolledAndEndAtTheLastRow) {
  OpenElements();
  FocusOn(1, 2);
  const int page = grid.verticalScrollBar()->pageStep();
  ASSERT_GT(page, 1);
  test::Press(Qt::Key_PageDown);
  EXPECT_TRUE(FocusIs(1 + page, 2));
  EXPECT_EQ(grid.verticalScrollBar()->value(), page);
  test::Press(Qt::Key_End);
  EXPECT_TRUE(FocusIs(100, 2));
  test::Press(Qt::Key_PageDown);
  EXPECT_TRUE(FocusIs(100, 2));
  test::Press(Qt::Key_Home);
  EXPECT_TRUE(FocusIs(1, 2));
  EXPECT_EQ(grid.verticalScrollBar()->value(), 0);
  FocusOn(3, 2);
  test::Press(Qt::Key_PageUp);  // cannot scroll: the first data row
  EXPECT_TRUE(FocusIs(1, 2));
}

TEST_F(GridTest, ReturnCopiesFromAboveOnlyBelowTheFirstRow) {
  OpenElements();
  test::Type("\r");
  EXPECT_TRUE(FocusIs(1, 1));
  EXPECT_FALSE(grid.modified());
  Fill(1, "2.5|0|||");
  FocusOn(2, 1);
  test::Press(Qt::Key_Return);
  EXPECT_EQ(grid.getItemText(2, 1), "2.5");
  EXPECT_TRUE(FocusIs(2, 2));
  EXPECT_TRUE(grid.modified());
  FocusOn(2, 3);  // the cell above is empty too: only the focus moves
  test::Press(Qt::Key_Return);
  EXPECT_EQ(grid.getItemText(2, 3), "");
  EXPECT_TRUE(FocusIs(2, 4));
  FocusOn(100, 10);
  test::Press(Qt::Key_Return);
  EXPECT_TRUE(FocusIs(100, 10));
}

TEST_F(GridTest, ChainOfElementsTypedPointAfterPoint) {
  OpenElements();
  test::Type("0\r0\r4\r0\r");
  EXPECT_EQ(test::RowText(grid, 1), "0|0|4|0|1|1|1|1|0|0");
  EXPECT_TRUE(FocusIs(2, 1));
  // Through the filled row with Return: after T the next element starts
  // where this one ended.
  test::Press(Qt::Key_Up);
  test::Type("0\r0\r4\r0\r1\r1\r1\r1\r");
  EXPECT_TRUE(FocusIs(2, 3));
  EXPECT_EQ(test::RowText(grid, 2), "4|0||||||||");
  test::Type("4\r3\r");
  EXPECT_EQ(test::RowText(grid, 2), "4|0|4|3|1|1|1|1|0|0");
  EXPECT_TRUE(FocusIs(3, 1));
  EXPECT_TRUE(grid.isEditing());
}

TEST_F(GridTest, F5CopiesDownwardAndFollows) {
  OpenElements();
  test::Type("3.5");
  test::Press(Qt::Key_F5);
  test::Press(Qt::Key_F5);
  EXPECT_TRUE(FocusIs(3, 1));
  EXPECT_EQ(grid.getItemText(2, 1), "3.5");
  EXPECT_EQ(grid.getItemText(3, 1), "3.5");
  FocusOn(100, 1);
  grid.setItemText(100, 1, "9");
  test::Press(Qt::Key_F5);
  EXPECT_TRUE(FocusIs(100, 1));
}

TEST_F(GridTest, InsertLineLosesTheLastRowAndDeleteLineEmptiesIt) {
  Open(kTableNone, 4, {{"", 0, 1}, {"a", kClassDecimal, 1}, {"b", kClassDecimal, 1}});
  Fill(1, "1|10");
  Fill(2, "2|20");
  Fill(3, "3|30");
  FocusOn(2, 2);
  test::Press(Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(test::RowText(grid, 1), "1|10");
  EXPECT_EQ(test::RowText(grid, 2), "|");
  EXPECT_EQ(test::RowText(grid, 3), "2|20");
  EXPECT_TRUE(FocusIs(3, 1));
  test::Press(Qt::Key_L, Qt::ControlModifier);  // on the last row: only cleared
  EXPECT_EQ(test::RowText(grid, 3), "|20");
  FocusOn(1, 2);
  test::Press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(test::RowText(grid, 1), "|");
  EXPECT_EQ(test::RowText(grid, 2), "|20");
  EXPECT_EQ(test::RowText(grid, 3), "|");
  EXPECT_TRUE(FocusIs(1, 1));
  test::Press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(test::RowText(grid, 3), "|20");
}

TEST_F(GridTest, ClipboardCarriesTabSeparatedRows) {
  OpenElements();
  Fill(1, "1|2|3|4");
  Fill(2, "5|6|7|8");
  grid.setSelection({1, 2, 2, 3});
  FocusOn(1, 2);
  grid.setSelection({1, 2, 2, 3});
  test::Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "2\t3\n6\t7\n");
  FocusOn(5, 3);
  test::Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(test::RowText(grid, 5).left(7), "||2|3||");
  EXPECT_EQ(test::RowText(grid, 6).left(7), "||6|7||");
  // Text from elsewhere is filtered like typed text; the block ends at the
  // table's edge.
  QApplication::clipboard()->setText("1,5\tx\r\n7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\n");
  FocusOn(8, 9);
  test::Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grid.getItemText(8, 9), "15");  // whole numbers: the point goes
  EXPECT_EQ(grid.getItemText(9, 9), "7");
  EXPECT_EQ(grid.getItemText(9, 10), "8");
  FocusOn(5, 3);
  grid.setSelection({5, 3, 6, 4});
  test::Press(Qt::Key_Delete);
  EXPECT_EQ(test::RowText(grid, 5), "|||||||||");
  EXPECT_EQ(QApplication::clipboard()->text(), "2\t3\n6\t7\n");
}

TEST_F(GridTest, ControlArrowsCopySideways) {
  OpenElements();
  Fill(1, "1|2");
  FocusOn(1, 2);
  test::Press(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(grid.getItemText(1, 3), "2");
  EXPECT_TRUE(FocusIs(1, 4));
  FocusOn(1, 3);
  test::Press(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(grid.getItemText(1, 2), "2");
  EXPECT_TRUE(FocusIs(1, 3));
  grid.setItemText(1, 10, "1");
  FocusOn(1, 10);
  test::Press(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(grid.getItemText(1, 9), "1");
  EXPECT_TRUE(FocusIs(1, 9));
  FocusOn(1, 1);
  test::Press(Qt::Key_Left, Qt::ControlModifier);  // never into the labels
  EXPECT_EQ(grid.getItemText(1, 0), "1");
}

TEST_F(GridTest, HeightCompletesAreaAndInertiaOfTheRectangle) {
  Open(kTableSections, 51,
       {{"Nr.", 0, 0.5},
        {"width [m]", kClassDecimal, 1},
        {"height [m]", kClassDecimal, 1},
        {"Area [m2]", kClassExponent, 1.2},
        {"I [m4]", kClassExponent, 1.2}});
  test::Type("0.2\r0.4\r");
  EXPECT_EQ(test::RowText(grid, 1), "0.2|0.4|8.0000E-02|1.0667E-03");
  EXPECT_TRUE(FocusIs(1, 4));
}

TEST_F(GridTest, ContinuousBeamReturnGivesEqualSpans) {
  Open(kTableContinuousBeam, 51, {{"Span", 0, 1}, {"x [m]", kClassDecimal, 1}, {"", 0, 1}});
  test::Type("5.0\r\r\r");
  EXPECT_EQ(grid.getItemText(1, 1), "5.0");
  EXPECT_EQ(grid.getItemText(2, 1), "10.00");
  EXPECT_EQ(grid.getItemText(3, 1), "15.00");
  EXPECT_EQ(grid.getItemText(4, 1), "20.00");
  EXPECT_TRUE(FocusIs(4, 1));
}

}  // namespace
}  // namespace rerore
