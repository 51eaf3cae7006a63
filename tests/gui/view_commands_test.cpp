// The view driven as a user would: drawing with the mouse, its keys, commands and dialogs.
#include <QPrinter>
#include <QTextEdit>

#include "check/rebuild.h"
#include "gui_helpers.h"
#include "view/page_border.h"

namespace rerore {
namespace {

using test::OnNextDialog;

// The view showing 0..10 m by 0..5 m: 90 pixels a metre.
struct DrawingView : test::ViewTest {
  int64_t now = 100000;

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ViewTest::SetUp());
    session.view.extents = {0, 0, 10, 5};
    view->setClock([this] { return now; });
    ShowView();
  }
  void addElement(float xa, float ya, float xb, float yb) {
    test::AddElement(session.model, xa, ya, xb, yb);
  }
  QPoint at(float x, float y) const {
    const DevicePoint p = view->mapping().toDevice(x, y);
    return {p.x, p.y};
  }
  void click(QPoint p, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseMove(view.get(), p);
    QTest::mouseClick(view.get(), Qt::LeftButton, keys, p);
  }
  void rightClick(QPoint p) {
    QTest::mouseClick(view.get(), Qt::RightButton, {}, p);
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  }
  void escape(int64_t ms) {
    now = ms;
    QTest::keyClick(view.get(), Qt::Key_Escape);
  }
  // Dark pixels of the frame's picture, in `area` or all of it.
  int darkPixels(QRect area = {}) {
    view->repaint();
    return test::CountPixels(view->framePicture().toImage(), test::IsDark, area);
  }
  const ElementRecord& element(int k) const { return session.model.elements[k]; }
  int elementCount() const { return session.model.params.elementCount; }
};

TEST_F(DrawingView, ThreeClicksAndARightClickMakeTwoElementsSharingANode) {
  view->runCommand(kCmdGraphicalInput);
  EXPECT_TRUE(view->inputHint()->isVisible());
  EXPECT_EQ(view->inputHint()->text(), "click, click...  SPACE = PAUSE, ESC = stop");
  EXPECT_EQ(view->promptText(), "LINIE VON: ");
  click(at(1, 0.5f));
  click(at(1, 4));
  click(at(5, 4));
  rightClick(at(5, 4));
  EXPECT_EQ(view->promptText(), " LINIE VON: ");
  click(at(8, 1));  // the start of a new chain, no element yet
  ASSERT_EQ(elementCount(), 2);
  const ElementRecord& beam = element(2);
  EXPECT_EQ(std::vector<int>({beam.material, beam.crossSection, beam.compression, beam.tension}),
            std::vector<int>(4, 1));
  view->runCommand(kCmdStore);
  EXPECT_EQ(session.model.params.nodeCount, 3);
  EXPECT_EQ(element(1).nodeRight, element(2).nodeLeft);
  EXPECT_EQ(test::ReadFile(session.paths.file("ELEMENTS")).substr(0, 1), "\2");
}

TEST_F(DrawingView, AClickNearAnElementEndSnapsToItEvenWithTheGridOnAndCtrlGoesHorizontally) {
  addElement(0, 0, 2.37f, 1.13f);
  session.view.grid = {true, 0.5f, 0.15f};  // the grid alone would give 2.5, 1.0
  view->redraw();
  view->runCommand(kCmdGraphicalInput);
  click(at(2.4f, 1.1f));
  // 0.22 m down, the grid would catch 1.0: Ctrl keeps the start's exact height.
  QTest::keyPress(view.get(), Qt::Key_Control);
  const QPoint aside = at(2.37f, 1.13f) + QPoint(100, 20);
  QTest::mouseMove(view.get(), aside);
  EXPECT_EQ(view->input().state().rubberEnd.y, view->input().state().rubberStart.y);
  QTest::mouseClick(view.get(), Qt::LeftButton, Qt::ControlModifier, aside);
  QTest::keyRelease(view.get(), Qt::Key_Control);
  ASSERT_EQ(elementCount(), 2);
  EXPECT_EQ(std::tuple(element(2).xa, element(2).ya, element(2).yb),
            std::tuple(2.37f, 1.13f, 1.13f));
  EXPECT_NEAR(element(2).xb, 3.5f, 0.12f);  // 100 pixels to the right
}

TEST_F(DrawingView, EscapeTwiceWithinASecondEnds) {
  addElement(0, 0, 4, 0);
  RebuildModel(session, messages);
  QSignalSpy quit(view.get(), &FrameView::quitRequested);
  escape(100000);
  escape(101500);  // too late: the first Escape is forgotten
  EXPECT_EQ(quit.count(), 0);
  EXPECT_FALSE(test::Exists(session.paths.echoFile()));
  escape(102000);
  escape(102999);
  EXPECT_EQ(quit.count(), 1);
  EXPECT_TRUE(test::Exists(session.paths.echoFile()));
}

TEST_F(DrawingView, WithTheGridEscapeStopsInputThenHidesTheGridAndAsksForTheTable) {
  addElement(0, 0, 4, 0);
  QSignalSpy tableAsked(view.get(), &FrameView::elementsTableRequested);
  OnNextDialog<GridDialog>([](GridDialog* dialog) { dialog->accept(); });
  view->runCommand(kCmdGrid);
  view->runCommand(kCmdGraphicalInput);
  escape(100000);
  EXPECT_EQ(view->commandChecked(kCmdGraphicalInput), false);
  EXPECT_EQ(view->commandChecked(kCmdGrid), true);
  EXPECT_TRUE(view->inputHint()->isVisible());
  escape(100100);
  QApplication::processEvents();
  EXPECT_EQ(view->commandChecked(kCmdGrid), false);
  EXPECT_FALSE(view->inputHint()->isVisible());
  EXPECT_EQ(tableAsked.count(), 1);
}

TEST_F(DrawingView, ADragOfThirtyPixelsZoomsAClickDoesNotEscapeLeavesAndTheKeypadZooms) {
  const QPoint p = at(3, 2);
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, p);
  EXPECT_FALSE(view->mapping().zoomed());
  QTest::mousePress(view.get(), Qt::LeftButton, {}, p);
  QTest::mouseMove(view.get(), p + QPoint(30, 30));
  QTest::mouseRelease(view.get(), Qt::LeftButton, {}, p + QPoint(30, 30));
  ASSERT_TRUE(view->mapping().zoomed());
  EXPECT_NEAR(view->mapping().zoomWindow().x1, 3.0f, 0.02f);
  EXPECT_NEAR(view->mapping().zoomWindow().x2, 3.0f + 30 / 90.0f, 0.02f);
  escape(100000);
  EXPECT_FALSE(view->mapping().zoomed());
  // Ctrl+keypad -/+ zoom out and in (not beyond the fit); the main keyboard's - does not.
  const Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, float> keys[] = {
      {Qt::Key_Minus, keypad, 1.2f},
      {Qt::Key_Plus, keypad, 1.0f},
      {Qt::Key_Plus, keypad, 1.0f},
      {Qt::Key_Minus, Qt::ControlModifier, 1.0f}};
  for (const auto& [key, modifiers, factor] : keys) {
    QTest::keyClick(view.get(), key, modifiers);
    EXPECT_FLOAT_EQ(session.view.zoomFactor, factor) << key << " " << modifiers;
  }
}

TEST_F(DrawingView, TheGridDialogTakesCommaNumbersAndIsOnAfterEitherButton) {
  OnNextDialog<GridDialog>([](GridDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Meshwidth of the Grid");
    EXPECT_EQ(dialog->meshField()->selectedText(), "2.00");
    dialog->meshField()->setText("1,5");
    dialog->accept();
  });
  view->runCommand(kCmdGrid);
  EXPECT_EQ(session.view.grid.meshWidth, 1.5f);
  EXPECT_EQ(session.view.grid.snapRadius, 0.15f);
  view->runCommand(kCmdGrid);  // off again
  OnNextDialog<GridDialog>([](GridDialog* dialog) {
    EXPECT_EQ(dialog->meshField()->text(), "1.50");
    dialog->snapField()->setText("0.3");
    dialog->reject();
  });
  view->runCommand(kCmdGrid);
  EXPECT_TRUE(session.view.grid.on);  // on after either button
  EXPECT_EQ(session.view.grid.snapRadius, 0.15f);
}

TEST_F(DrawingView, TheDimensionsReportOrWhichFileIsMissing) {
  messages.messages.clear();
  const std::string report = data / "SDIR001/D1";
  view->runCommand(kCmdFileD1);
  view->runCommand(kCmdDimensions);
  EXPECT_EQ(ReportViewer(session.paths, messages).exec(), QDialog::Rejected);  // at once
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{
                "Error: Frame not yet stored. No data, file " + report + " is missing.",
                "Missing input: No data, file " + report + " is missing.",
                "Error: No input yet. The file " + report + " is missing."}));
  test::WriteFile(report, " Frame Analysis\r\n --------------\r\n");
  OnNextDialog<ReportViewer>([&](ReportViewer* dialog) {
    EXPECT_EQ(dialog->textField()->toPlainText(), " Frame Analysis\n --------------\n");
    EXPECT_EQ(dialog->windowTitle().toStdString(), report);
    dialog->reject();
  });
  view->runCommand(kCmdFileD1);
  EXPECT_EQ(messages.messages.size(), 3u);
}

// The new size shows at once: larger labels darken more pixels.
TEST_F(DrawingView, FontTakesADecimalCommaAndShowsAtOnceAndTitleSixtyCharacters) {
  session.view.textScale = 1.25f;
  addElement(1, 1, 9, 1);
  view->redraw();
  const int before = darkPixels();
  OnNextDialog<TextSizeDialog>([](TextSizeDialog* dialog) {
    EXPECT_EQ(dialog->sizeField()->selectedText(), "1.25");
    QTest::keyClicks(dialog->sizeField(), "4e38");
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible());
    dialog->sizeField()->setText("3,0");
    dialog->accept();
  });
  view->runCommand(kCmdFont);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: The number 4e38 is too large"});
  EXPECT_FLOAT_EQ(session.view.textScale, 3.0f);
  EXPECT_GT(darkPixels(), before + 100);
  OnNextDialog<TextSizeDialog>([](TextSizeDialog* dialog) {
    dialog->sizeField()->setText("2");
    dialog->reject();
  });
  view->runCommand(kCmdFont);
  EXPECT_FLOAT_EQ(session.view.textScale, 3.0f);

  QSignalSpy entered(view.get(), &FrameView::titleEntered);  // the hub learns of it
  OnNextDialog<TitleDialog>([](TitleDialog* dialog) {
    dialog->titleField()->clear();
    QTest::keyClicks(dialog->titleField(), QString(61, 'T'));
    dialog->accept();
  });
  view->editTitle();
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(session.model.params.titleText(), std::string(60, 'T'));
}

// New leaves the frame on the screen, without the automatic scale and its dimensions.
TEST_F(DrawingView, NewDropsTheAutomaticScaleAndTheOverallDimensions) {
  addElement(0, 0, 10, 0);
  addElement(10, 0, 10, 5);
  view->redraw();
  // Below the beam, between its left end and its number: the dimension line.
  const QRect below(QPoint(at(1.5f, 0).x(), at(0, 0).y() + 6), QPoint(at(3.5f, 0).x(), 599));
  EXPECT_GT(darkPixels(below), 0);
  messages.answers = {Answer::No};  // "Save changes?"
  view->runCommand(kCmdNew);
  EXPECT_FALSE(session.view.autoScale);
  EXPECT_EQ(session.paths.positionName, "NEW");
  EXPECT_EQ(darkPixels(below), 0);
}

// The mark of a chain's start goes with a click the model refuses.
TEST_F(DrawingView, TheStartMarkGoesWithARefusedClick) {
  for (int i = 0; i < kMaxElements; ++i) addElement(8, 4.5f, 9, 4.5f);
  view->redraw();
  view->runCommand(kCmdGraphicalInput);
  const QPoint start = at(2, 2);
  click(start);
  const auto markShown = [&] {
    view->hideCrossHair();
    return test::Near(view->grab().toImage(), {start.x(), start.y()}, test::IsDark, 6);
  };
  EXPECT_TRUE(markShown());
  click(at(4, 2));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: Too many elements, max = 100"});
  EXPECT_EQ(elementCount(), kMaxElements);
  EXPECT_FALSE(markShown());
}

TEST_F(DrawingView, AWideFrameIsPrintedLandscapeWithItsHeader) {
  session.view.extents = {0, 0, 20, 5};
  session.model.params.setTitle("Hall");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(data / "page.pdf"));
  printer.setPageOrientation(QPageLayout::Portrait);
  view->printPage(printer);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_GT(std::filesystem::file_size(data / "page.pdf"), 1000u);
  EXPECT_EQ(PageHeader(session), "Pos. 001  Hall");
}

}  // namespace
}  // namespace rerore
