// The table editor's keys, clipboard, completions, list files and printing.
#include "tables/table_editor.h"

#include <QClipboard>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QTextItem>
#include <algorithm>

#include "table_test_support.h"
#include "tables/table_setup.h"

namespace rerore {
namespace {

// A grid shaped like the elements table: coordinates, then whole numbers.
std::vector<GridColumn> ElementColumns() {
  std::vector<GridColumn> columns{{"Element", CellClass::Any, 1.0}};
  for (const char* header : {"xa [m]", "ya [m]", "xb [m]", "yb [m]"})
    columns.push_back({header, CellClass::Decimal, 1.0});
  for (const char* header : {"Mat.", "Sect.", "C", "T", "H left", "H right"})
    columns.push_back({header, CellClass::Whole, 0.8});
  return columns;
}

class GridTest : public ::testing::Test {
 protected:
  void Open(TableKind kind, int rows, const std::vector<GridColumn>& columns) {
    SetUpTable(grid, kind, rows, columns);
    grid.resize(900, 300);
    test::ShowActive(grid);
    grid.editCell(1, 1);
  }
  void OpenElements() { Open(TableKind::Elements, 101, ElementColumns()); }
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

  TableEditor grid;
};

TEST_F(GridTest, EndedEditKeepsOnlyTheCharactersOfTheColumnsClass) {
  Open(TableKind::Plain, 5,
       {{"", CellClass::Any, 1},
        {"plain", CellClass::Decimal, 1},
        {"exponent", CellClass::Exponent, 1},
        {"class", CellClass::Concrete, 1},
        {"any", CellClass::Any, 1}});
  test::Type("abc");
  test::Press(Qt::Key_Right);
  test::Type("2,5e3");
  test::Press(Qt::Key_Right);
  test::Type("c30/37x");
  test::Press(Qt::Key_Right);
  test::Type("x,y");
  test::Press(Qt::Key_Down);
  EXPECT_EQ(test::RowText(grid, 1), "|2.5E3|C30/37|x.y");
}

TEST_F(GridTest, EditorReopensOnTheNextCellAfterReturnAndArrowsNotEscape) {
  OpenElements();
  test::Type("1\r");
  EXPECT_TRUE(FocusIs(1, 2));
  EXPECT_TRUE(grid.isEditing());
  test::Type("2");
  test::Press(Qt::Key_Down);
  EXPECT_TRUE(FocusIs(2, 2));
  test::Type("3");
  test::Press(Qt::Key_Left);
  EXPECT_TRUE(FocusIs(2, 1));
  EXPECT_EQ(test::RowText(grid, 1).left(3), "1|2");
  EXPECT_EQ(grid.getItemText(2, 2), "3");
  test::Type("9\t");  // Tab ends the edit but is not taken as a move
  EXPECT_FALSE(grid.isEditing());
  EXPECT_TRUE(FocusIs(2, 1));
  EXPECT_EQ(grid.getItemText(2, 1), "9");
  grid.editCell(2, 1);
  test::Type("7\x1b");  // Escape gives the old text back
  EXPECT_EQ(grid.getItemText(2, 1), "9");
  EXPECT_FALSE(grid.isEditing());
}

TEST_F(GridTest, MovesStayInsideTheData) {
  OpenElements();
  struct Move {
    int row, column, key;
    Qt::KeyboardModifiers modifiers;
    int toRow, toColumn;
  };
  const Move moves[] = {
      {1, 1, Qt::Key_Up, {}, 1, 1},
      {1, 10, Qt::Key_Tab, {}, 2, 1},
      {2, 1, Qt::Key_Backtab, Qt::ShiftModifier, 1, 10},
      {100, 10, Qt::Key_Tab, {}, 100, 10},
      {1, 2, Qt::Key_End, {}, 100, 2},
      {100, 2, Qt::Key_Home, {}, 1, 2},
      {3, 2, Qt::Key_PageUp, {}, 1, 2},  // cannot scroll: to the first data row
  };
  for (const Move& m : moves) {
    FocusOn(m.row, m.column);
    test::Press(m.key, m.modifiers);
    EXPECT_TRUE(FocusIs(m.toRow, m.toColumn))
        << "key " << m.key << " at " << m.row << "," << m.column;
  }
  const int page = grid.verticalScrollBar()->pageStep();
  ASSERT_GT(page, 1);
  test::Press(Qt::Key_PageDown);
  EXPECT_TRUE(FocusIs(1 + page, 2));
}

// Return copies from above, F5 below, Ctrl+arrow beside (not into labels); focus follows.
TEST_F(GridTest, CopyKeysCopyANeighbourAndTheFocusFollows) {
  OpenElements();
  test::Type("\r");
  EXPECT_TRUE(FocusIs(1, 1));
  // F5 in the editor copies what is typed and goes on copying.
  grid.editCell(5, 2);
  test::Type("3.5");
  test::Press(Qt::Key_F5);
  test::Press(Qt::Key_F5);
  EXPECT_TRUE(FocusIs(7, 2));
  EXPECT_EQ(grid.getItemText(6, 2) + grid.getItemText(7, 2), "3.53.5");
  Fill(1, "2.5|7||||||||1");
  grid.setItemText(100, 1, "9");
  struct Case {
    int row, column, key;
    Qt::KeyboardModifiers modifiers;
    int toRow, toColumn, copiedRow, copiedColumn;
    QString copied;
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const Case cases[] = {
      {2, 1, Qt::Key_Return, {}, 2, 2, 2, 1, "2.5"},
      {100, 10, Qt::Key_Return, {}, 100, 10, 100, 10, ""},
      {100, 1, Qt::Key_F5, {}, 100, 1, 100, 1, "9"},
      {1, 2, Qt::Key_Right, ctrl, 1, 4, 1, 3, "7"},
      {1, 10, Qt::Key_Left, ctrl, 1, 9, 1, 9, "1"},
      {1, 1, Qt::Key_Left, ctrl, 1, 1, 1, 0, "1"},
  };
  for (const Case& c : cases) {
    FocusOn(c.row, c.column);
    test::Press(c.key, c.modifiers);
    EXPECT_TRUE(FocusIs(c.toRow, c.toColumn)) << c.key << " at " << c.row << "," << c.column;
    EXPECT_EQ(grid.getItemText(c.copiedRow, c.copiedColumn), c.copied) << c.key << " at " << c.row;
  }
}

TEST_F(GridTest, ChainOfElementsTypedPointAfterPoint) {
  OpenElements();
  test::Type("0\r0\r4\r0\r");
  EXPECT_EQ(test::RowText(grid, 1), "0|0|4|0|1|1|1|1|0|0");
  EXPECT_TRUE(FocusIs(2, 1));
  // Return through a filled row: after T the next row starts at its end.
  test::Press(Qt::Key_Up);
  test::Type("0\r0\r4\r0\r1\r1\r1\r1\r");
  EXPECT_TRUE(FocusIs(2, 3));
  EXPECT_EQ(test::RowText(grid, 2), "4|0||||||||");
  test::Type("4\r3\r");
  EXPECT_EQ(test::RowText(grid, 2), "4|0|4|3|1|1|1|1|0|0");
  EXPECT_TRUE(FocusIs(3, 1));
}

TEST_F(GridTest, InsertLineLosesTheLastRowAndDeleteLineEmptiesIt) {
  Open(TableKind::Plain, 4,
       {{"", CellClass::Any, 1}, {"a", CellClass::Decimal, 1}, {"b", CellClass::Decimal, 1}});
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
  test::Press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);  // Ctrl+L's twin
  EXPECT_EQ(test::RowText(grid, 1) + test::RowText(grid, 2) + test::RowText(grid, 3), "||20|");
  EXPECT_TRUE(FocusIs(1, 1));
}

TEST_F(GridTest, ClipboardCarriesTabSeparatedRows) {
  OpenElements();
  Fill(1, "1|2|3|4");
  Fill(2, "5|6|7|8");
  FocusOn(1, 2);
  grid.setSelection({1, 2, 2, 3});
  test::Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "2\t3\n6\t7\n");
  FocusOn(5, 3);
  test::Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(test::RowText(grid, 5).left(7) + test::RowText(grid, 6).left(7), "||2|3||||6|7||");
  // Text from elsewhere is filtered as typed; the block ends at the table's edge.
  QApplication::clipboard()->setText("1,5\tx\r\n7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\n");
  FocusOn(8, 9);
  test::Press(Qt::Key_V, Qt::ControlModifier);
  // Whole numbers: the point goes.
  EXPECT_EQ(grid.getItemText(8, 9) + "|" + grid.getItemText(9, 9) + grid.getItemText(9, 10),
            "15|78");
  FocusOn(5, 3);
  grid.setSelection({5, 3, 6, 4});
  test::Press(Qt::Key_Delete);
  EXPECT_EQ(test::RowText(grid, 5), "|||||||||");
  EXPECT_EQ(QApplication::clipboard()->text(), "2\t3\n6\t7\n");
}

std::vector<GridColumn> MaterialColumns() {
  return {{"", CellClass::Any, 0.5},
          {"Nr.", CellClass::Concrete, 1.5},
          {"E-Modulus [kN/m2]", CellClass::Exponent, 1.5}};
}

TEST(GridListFile, SavedTableHoldsItsHeaderTwiceThenEveryRow) {
  test::TempDir dir;
  TableEditor grid;
  SetUpTable(grid, TableKind::Materials, 21, MaterialColumns());
  for (int c : {1, 2}) grid.setItemText(1, c, c == 1 ? "1" : "2.670E+07");
  for (int c : {1, 2}) grid.setItemText(2, c, c == 1 ? "C30/37" : "2.830E+07");
  const std::string path = dir / "Material.001";
  ASSERT_TRUE(grid.saveList(QString::fromStdString(path)));
  const std::string text = test::ReadFile(path);
  const std::string start =
      ",Nr.,E-Modulus [kN/m2]\n,Nr.,E-Modulus [kN/m2]\n1,1,2.670E+07\n2,C30/37,2.830E+07\n3,,\n";
  EXPECT_EQ(text.substr(0, start.size()), start);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 22);
}

TEST(GridListFile, LoadingKeepsToTheTableAndFileErrorsAreReported) {
  test::TempDir dir;
  test::RecordingMessages messages;
  TableEditor grid;
  grid.setMessages(&messages);
  SetUpTable(grid, TableKind::Plain, 3, MaterialColumns());
  // The first line is skipped; lines and fields beyond the table are dropped.
  test::WriteFile(dir / "list", "skipped\r\nh0,h1,h2,h3\r\n1,a,b,c,d\r\n2,x\r\n3,y,z\r\n");
  grid.setItemText(2, 2, "kept");
  ASSERT_TRUE(grid.loadList(QString::fromStdString(dir / "list")));
  EXPECT_EQ(grid.getItemText(0, 2), "h2");
  EXPECT_EQ(test::RowText(grid, 1), "a|b");
  EXPECT_EQ(test::RowText(grid, 2), "x|kept");
  EXPECT_TRUE(messages.messages.empty());

  EXPECT_FALSE(grid.loadList(QString::fromStdString(dir / "missing")));
  EXPECT_FALSE(grid.saveList(QString::fromStdString(dir / "no/such/dir/list")));
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].title + messages.messages[1].title, "ErrorError");
  EXPECT_FALSE(test::Exists(dir / "no"));
}

// A paint engine that keeps the texts drawn with it.
class TextRecorder : public QPaintEngine {
 public:
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawTextItem(const QPointF&, const QTextItem& item) override {
    texts.push_back(item.text());
    families.push_back(item.font().family());
  }
  Type type() const override { return User; }
  std::vector<QString> texts;
  std::vector<QString> families;
};

// An 800 x 400 page whose painter records the texts instead of drawing.
class Paper : public QImage {
 public:
  Paper() : QImage(800, 400, QImage::Format_RGB32) {}
  QPaintEngine* paintEngine() const override { return &engine; }
  mutable TextRecorder engine;
};

TEST(GridPrint, RowsUpToTheFirstEmptyOnePageByPageWithFooters) {
  TableEditor grid;
  SetUpTable(grid, TableKind::Materials, 21, MaterialColumns());
  for (int r = 1; r <= 15; ++r) grid.setItemText(r, 1, QString("m%1").arg(r));
  grid.setPrintRowLimit(grid.firstEmptyRowLimit());
  Paper paper;
  int pages = 1;
  {
    QPainter painter(&paper);
    grid.printPages(painter, QRect(0, 0, 800, 400), [&pages] { ++pages; });
  }
  const auto& texts = paper.engine.texts;
  ASSERT_GT(pages, 1);
  QStringList footers, expected;
  for (const QString& text : texts)
    if (text.startsWith("Page ")) footers << text;
  for (int p = 1; p <= pages; ++p) expected << QString("Page %1 of %2").arg(p).arg(pages);
  EXPECT_EQ(footers, expected);
  auto printed = [&](const QString& text) { return std::ranges::count(texts, text) > 0; };
  EXPECT_TRUE(printed("E-Modulus [kN/m2]"));
  EXPECT_TRUE(printed("m15"));
  EXPECT_TRUE(printed("16"));  // the first empty row still prints
  EXPECT_FALSE(printed("17"));
  for (const QString& family : paper.engine.families) EXPECT_EQ(family, "Times New Roman");
}

// Closing a table while a cell is being edited: the cell editor loses the
// keyboard as it goes and must not end its edit on a half-destroyed table.
TEST(GridTeardown, ATableDestroyedWhileACellIsEditedEndsCleanly) {
  auto* grid = new TableEditor;
  SetUpTable(*grid, TableKind::Elements, 101, ElementColumns());
  grid->resize(600, 300);
  test::ShowActive(*grid);
  grid->editCell(1, 1);
  ASSERT_TRUE(grid->inPlaceEdit()->hasFocus());
  grid->inPlaceEdit()->setText("2.5");
  delete grid;
}

}  // namespace
}  // namespace rerore
