// The input hub wired to the real view: its buttons and every generator up to the drawing.
#include <cstring>

#include "generators/continuous_beam.h"
#include "gui_helpers.h"

namespace rerore {
namespace {

struct InputHubTest : test::ViewTest {
  InputDialogs* wiring = nullptr;

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ViewTest::SetUp());
    wiring = new InputDialogs(*view, view.get());
    ShowView();  // the hub opens after the first paint
  }
  InputHub* hub() { return wiring->hub(); }
  // Clicks a hub button whose dialog `fill` fills and ends.
  template <class Dialog>
  void Use(const QString& label, std::function<void(Dialog*)> fill) {
    test::OnNextDialog<Dialog>(std::move(fill));
    hub()->button(label)->click();
    QApplication::processEvents();
  }
  // True when the frame drawn in the view passes close to the world point.
  bool Drawn(float x, float y) {
    view->repaint();
    return test::Near(view->framePicture().toImage(), view->mapping().toDevice(x, y), test::IsDark,
                      2);
  }
  // A quarter along element k: away from its end marks and its number.
  bool ElementDrawn(int k) {
    const ElementRecord& e = session.model.elements[k];
    return Drawn((3 * e.xa + e.xb) / 4, (3 * e.ya + e.yb) / 4);
  }
};

// The hub's number is the default modulus; the materials' OK (not Stop) takes material 1's.
TEST_F(InputHubTest, OpensOnTitleAndShowsTheModulusAsItsNumber) {
  ASSERT_NE(hub(), nullptr);
  EXPECT_EQ(hub()->windowTitle(), "Input");
  EXPECT_EQ(hub()->focusWidget(), hub()->button("Title"));
  EXPECT_EQ(session.model.params.defaultModulus, 26700000.0);
  EXPECT_TRUE(hub()->numberField()->isVisible());
  EXPECT_EQ(hub()->numberField()->text(), "26700000.00");
  test::OnNextDialog<MaterialsDialog>(
      [](MaterialsDialog* dialog) { test::Click(*dialog, "&Stop"); });
  hub()->button("&Material")->setFocus();
  QTest::keyClick(hub()->button("&Material"), Qt::Key_Return);
  EXPECT_FALSE(hub()->materialsEntered());
  Use<MaterialsDialog>("&Material", [](MaterialsDialog* dialog) {
    dialog->grid()->setItemText(1, 2, "3.1E7");
    test::Click(*dialog, "&OK");
  });
  EXPECT_TRUE(hub()->materialsEntered());
  EXPECT_EQ(hub()->numberField()->text(), "31000000.00");
}

TEST_F(InputHubTest, ElementsTableOpensOnceMarksRowsAndItsOkRedrawsTheFrame) {
  test::AddElement(session.model, 2, 1, 6, 1);
  std::vector<ElementsDialog*> opened;
  for (int twice = 0; twice < 2; ++twice) {
    test::Click(*hub(), "&Elements");
    QApplication::processEvents();
    opened.push_back(wiring->elementsTable());
  }
  ElementsDialog* table = opened[0];
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(opened[1], table);
  TableEditor& grid = *table->grid();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(1, 0).center());
  QApplication::processEvents();
  EXPECT_TRUE(session.view.markedPoint.set);
  EXPECT_EQ(session.view.markedPoint.x, 2.0f);
  grid.editCell(2, 1);
  test::Type(grid, "6\r1\r9\r1\r");
  table->onOk();
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(wiring->elementsTable(), nullptr);
  EXPECT_FALSE(session.view.markedPoint.set);
  EXPECT_EQ(session.model.params.elementCount, 2);
  EXPECT_TRUE(Drawn(7.5f, 1));
}

// Each generator replaces the frame; the parabola opens its elements in the table.
TEST_F(InputHubTest, EveryGeneratorFromTheHubToTheDrawnFrame) {
  Use<ContinuousBeamDialog>("Continuous Beam", [](ContinuousBeamDialog* dialog) {
    dialog->grid()->editCell(1, 1);
    test::Type(*dialog->grid(), "4.0\r\r");  // Return gives equal spans
    EXPECT_EQ(dialog->grid()->getItemText(3, 1), "12.00");
    dialog->onOk();
  });
  EXPECT_EQ(session.model.params.elementCount, 3);
  EXPECT_TRUE(Drawn(10, 0));

  Use<FrameGeneratorDialog>("Frame", [](FrameGeneratorDialog* dialog) {
    EXPECT_EQ(dialog->grid()->getItemText(0, 2), "Number of columns");
    dialog->grid()->editCell(1, 1);
    test::Type(*dialog->grid(), "3.0\r2\r5.0");
    dialog->onOk();
  });
  EXPECT_EQ(session.model.params.elementCount, 3);
  EXPECT_TRUE(Drawn(2.5f, 3) && Drawn(5, 1.5f));

  Use<ArcDialog>("Arc", [](ArcDialog* dialog) {
    EXPECT_EQ(dialog->field(0)->text(), "10.00");
    EXPECT_EQ(dialog->field(3)->text(), "48");
    test::Click(*dialog, "OK");
  });
  EXPECT_EQ(session.model.params.elementCount, 48);
  for (int k : {1, 12, 36, 48}) EXPECT_TRUE(ElementDrawn(k)) << "element " << k;

  Use<ParabolaDialog>("Parabola", [](ParabolaDialog* dialog) {
    EXPECT_TRUE(dialog->field(0)->text().isEmpty());
    dialog->field(0)->setText("10");
    dialog->field(1)->setText("2");
    dialog->field(2)->setText("6,7");
    test::Click(*dialog, "OK");
  });
  EXPECT_EQ(session.model.params.elementCount, 6);
  for (int k : {1, 4}) EXPECT_TRUE(ElementDrawn(k)) << "element " << k;
  ASSERT_NE(wiring->elementsTable(), nullptr);
  EXPECT_EQ(wiring->elementsTable()->grid()->getItemText(6, 3), "10.00");
}

// A refused generator keeps its dialog open with what was typed, and the frame.
TEST_F(InputHubTest, RefusedGeneratorsKeepTheirDialogsOpenAndTheFrame) {
  ASSERT_EQ(ContinuousBeamOk(session, messages, {"6"}), ViewFollowUp::Redraw);
  const ElementRecord before = session.model.elements[1];
  Use<ArcDialog>("Arc", [](ArcDialog* dialog) {
    dialog->field(0)->setText("abc");
    test::Click(*dialog, "OK");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->field(0)->text(), "abc");
    test::Click(*dialog, "Stop");
  });
  Use<ParabolaDialog>("Parabola", [](ParabolaDialog* dialog) {
    for (int i = 0; i < 3; ++i) dialog->field(i)->setText(i == 1 ? "0" : "10");
    test::Click(*dialog, "OK");
    EXPECT_TRUE(dialog->isVisible());
    test::Click(*dialog, "Stop");
  });
  Use<ContinuousBeamDialog>("Continuous Beam", [](ContinuousBeamDialog* dialog) {
    dialog->grid()->setItemText(1, 1, "0");
    dialog->onOk();
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject();
  });
  const QString huge = "1" + QString(39, '0');  // the column takes no exponent
  Use<FrameGeneratorDialog>("Frame", [&huge](FrameGeneratorDialog* dialog) {
    dialog->grid()->editCell(1, 1);
    test::Type(*dialog->grid(), huge + "\r2\r5");
    dialog->onOk();
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject();
  });
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{
                "Error: The radius must be positive", "Error: The height must be positive",
                "Error: Zero length of field 1",
                "Error: The number " + huge.toStdString() + " is too large"}));
  ASSERT_EQ(session.model.params.elementCount, 1);
  EXPECT_EQ(std::memcmp(&before, &session.model.elements[1], sizeof before), 0);
  EXPECT_FALSE(test::Exists(session.paths.file("BOGEN")));
}

}  // namespace
}  // namespace rerore
