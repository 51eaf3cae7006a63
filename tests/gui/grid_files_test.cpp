// The table editor's list files, printing and row-label clicks.
#include <gtest/gtest.h>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTextItem>

#include "support/test_support.h"
#include "table_test_support.h"
#include "tables/CGridCtrl.h"
#include "tables/table_globals.h"
#include "tables/table_setup.h"

namespace rerore {
namespace {

std::vector<GridColumn> MaterialColumns() {
  return {{"", 0, 0.5}, {"Nr.", kClassConcrete, 1.5}, {"E-Modulus [kN/m2]", kClassExponent, 1.5}};
}

TEST(GridListFile, SavedTableLoadsBackWithHeaderAndLabels) {
  test::TempDir dir;
  CGridCtrl grid;
  SetUpTable(grid, kTableMaterials, 21, MaterialColumns());
  grid.setItemText(1, 1, "1");
  grid.setItemText(1, 2, "2.670E+07");
  grid.setItemText(2, 1, "C30/37");
  grid.setItemText(2, 2, "2.830E+07");
  const std::string path = dir / "Material.001";
  ASSERT_TRUE(grid.saveList(QString::fromStdString(path)));
  const std::string text = test::ReadFile(path);
  const std::string start =
      ",Nr.,E-Modulus [kN/m2]\n,Nr.,E-Modulus [kN/m2]\n1,1,2.670E+07\n2,C30/37,2.830E+07\n3,,\n";
  EXPECT_EQ(text.substr(0, start.size()), start);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 22);

  CGridCtrl other;
  SetUpTable(other, kTableMaterials, 21, MaterialColumns());
  other.setItemText(0, 1, "changed");
  other.setItemText(4, 0, "x");
  other.setItemText(5, 2, "9");
  ASSERT_TRUE(other.loadList(QString::fromStdString(path)));
  EXPECT_TRUE(tableChanged);
  for (int r = 0; r < 21; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(other.getItemText(r, c), grid.getItemText(r, c));
}

TEST(GridListFile, LinesAndFieldsBeyondTheTableAreDropped) {
  test::TempDir dir;
  test::WriteFile(dir / "list", "skipped\r\nh0,h1,h2,h3\r\n1,a,b,c,d\r\n2,x\r\n3,y,z\r\n");
  CGridCtrl grid;
  SetUpTable(grid, kTableNone, 3, MaterialColumns());
  grid.setItemText(2, 2, "kept");
  ASSERT_TRUE(grid.loadList(QString::fromStdString(dir / "list")));
  EXPECT_EQ(grid.getItemText(0, 2), "h2");
  EXPECT_EQ(grid.getItemText(1, 2), "b");
  EXPECT_EQ(grid.getItemText(2, 1), "x");
  EXPECT_EQ(grid.getItemText(2, 2), "kept");
}

TEST(GridListFile, FileErrorsAreReported) {
  test::TempDir dir;
  test::RecordingMessages messages;
  CGridCtrl grid;
  grid.setMessages(&messages);
  SetUpTable(grid, kTableNone, 3, MaterialColumns());
  EXPECT_FALSE(grid.loadList(QString::fromStdString(dir / "missing")));
  EXPECT_FALSE(grid.saveList(QString::fromStdString(dir / "no/such/dir/list")));
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_FALSE(messages.messages[0].text.empty());
  EXPECT_FALSE(test::Exists(dir / "no"));
}

// A paint device that keeps the texts drawn on it and counts the pages.
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

class Paper : public QPaintDevice {
 public:
  QPaintEngine* paintEngine() const override { return &engine; }
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return 800;
      case PdmHeight:
        return 400;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDepth:
        return 32;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return 0;
    }
  }
  mutable TextRecorder engine;
};

TEST(GridPrint, RowsUpToTheFirstEmptyOnePageByPageWithFooters) {
  CGridCtrl grid;
  SetUpTable(grid, kTableMaterials, 21, MaterialColumns());
  for (int r = 1; r <= 15; ++r) grid.setItemText(r, 1, QString("m%1").arg(r));
  grid.setPrintRowLimit(grid.firstEmptyRowLimit());
  EXPECT_EQ(grid.printRowLimit(), 17);
  Paper paper;
  int pages = 1;
  {
    QPainter painter(&paper);
    grid.printPages(painter, QRect(0, 0, 800, 400), [&pages] { ++pages; });
  }
  const auto& texts = paper.engine.texts;
  ASSERT_GT(pages, 1);
  std::vector<QString> footers;
  for (const QString& text : texts)
    if (text.startsWith("Page ")) footers.push_back(text);
  ASSERT_EQ(footers.size(), static_cast<size_t>(pages));
  for (int p = 1; p <= pages; ++p)
    EXPECT_EQ(footers[static_cast<size_t>(p - 1)], QString("Page %1 of %2").arg(p).arg(pages));
  auto printed = [&](const QString& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  EXPECT_TRUE(printed("E-Modulus [kN/m2]"));
  EXPECT_TRUE(printed("m15"));
  EXPECT_TRUE(printed("16"));  // the first empty row still prints
  EXPECT_FALSE(printed("17"));
  for (const QString& family : paper.engine.families) EXPECT_EQ(family, "Times New Roman");
}

TEST(GridRowLabel, ClickMarksThePointInTheElementsAndMaterialsTables) {
  CGridCtrl grid;
  SetUpTable(grid, kTableElements, 5, {{"Element", 0, 1}, {"xa", 1, 1}, {"ya", 1, 1}});
  grid.setItemText(2, 1, "4,5");
  grid.setItemText(2, 2, "-1.25");
  grid.resize(400, 200);
  grid.show();
  QSignalSpy marked(&grid, &CGridCtrl::pointMarked);
  QSignalSpy clicked(&grid, &CGridCtrl::rowLabelClicked);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(2, 0).center());
  ASSERT_EQ(marked.size(), 1);
  EXPECT_FLOAT_EQ(marked[0][0].toFloat(), 4.5f);
  EXPECT_FLOAT_EQ(marked[0][1].toFloat(), -1.25f);
  EXPECT_EQ(clicked[0][0].toInt(), 2);
  EXPECT_EQ(grid.selection().top, 2);
  EXPECT_EQ(grid.selection().right, 2);

  tableKind = kTableSections;
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(2, 0).center());
  EXPECT_EQ(marked.size(), 1);
  EXPECT_EQ(clicked.size(), 2);
}

}  // namespace
}  // namespace rerore
