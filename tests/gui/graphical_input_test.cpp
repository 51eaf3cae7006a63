// Drawing with the mouse in the real view: QTest events at the device
// points the view's own mapping gives for world points.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "check/rebuild.h"
#include "gui_helpers.h"
#include "model/startup.h"
#include "support/test_support.h"
#include "view/CDiaGitter.h"
#include "view/CZELTWView.h"
#include "view/view_messages.h"

namespace rerore {
namespace {

// A view of 1000 x 600 pixels showing 0..10 m by 0..5 m: 90 pixels a metre,
// the pick box reaches 0.075 m.
struct DrawingView : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
  std::unique_ptr<CZELTWView> view;
  int64_t now = 100000;

  void SetUp() override {
    std::filesystem::create_directories(data / "SDIR001");
    ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
    session.view.extents = {0, 0, 10, 5};
    view = std::make_unique<CZELTWView>(session);
    view->setMessages(messages);
    view->setClock([this] { return now; });
    view->resize(1000, 600);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->repaint();
    // The input hub opens after the first paint, before the user acts.
    QApplication::processEvents();
  }
  void addElement(float xa, float ya, float xb, float yb) {
    ElementRecord& e = session.model.elements[++session.model.params.elementCount];
    e = ElementRecord{};
    SetElementLeft(e, xa, ya);
    SetElementRight(e, xb, yb);
    e.material = e.crossSection = e.compression = e.tension = 1;
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
  const ElementRecord& element(int k) const { return session.model.elements[k]; }
  int elementCount() const { return session.model.params.elementCount; }
};

TEST_F(DrawingView, ThreeClicksAndARightClickMakeTwoElementsSharingANode) {
  view->runCommand(kCmdGraphicalInput);
  ASSERT_NE(view->inputHint(), nullptr);
  EXPECT_TRUE(view->inputHint()->isVisible());
  EXPECT_EQ(view->inputHint()->text(), "click, click...  SPACE = PAUSE, ESC = stop");
  EXPECT_EQ(view->promptText(), "LINIE VON: ");
  click(at(1, 0.5f));
  EXPECT_EQ(view->crossHair(), at(1, 0.5f));
  click(at(1, 4));
  click(at(5, 4));
  rightClick(at(5, 4));
  EXPECT_EQ(view->promptText(), " LINIE VON: ");
  ASSERT_EQ(elementCount(), 2);
  view->runCommand(kCmdStore);
  EXPECT_EQ(session.model.params.nodeCount, 3);
  EXPECT_EQ(element(1).nodeRight, element(2).nodeLeft);
  const std::string elements = test::ReadFile(session.paths.file("ELEMENTS"));
  ASSERT_GE(elements.size(), 2u);
  EXPECT_EQ(elements[0], 2);
}

TEST_F(DrawingView, AClickNearAnElementEndSnapsToItEvenWithTheGridOn) {
  addElement(0, 0, 2.37f, 1.13f);
  session.view.grid = {true, 0.5f, 0.15f};  // the grid alone would give 2.5, 1.0
  view->redraw();
  view->runCommand(kCmdGraphicalInput);
  click(at(2.4f, 1.1f));
  click(at(6, 1));
  ASSERT_EQ(elementCount(), 2);
  EXPECT_EQ(element(2).xa, 2.37f);
  EXPECT_EQ(element(2).ya, 1.13f);
  EXPECT_EQ(element(2).xb, 6.0f);  // away from elements the grid catches the point
  EXPECT_EQ(element(2).yb, 1.0f);
}

TEST_F(DrawingView, CtrlGivesAHorizontalElement) {
  view->runCommand(kCmdGraphicalInput);
  const QPoint start = at(2, 2);
  click(start);
  QTest::keyPress(view.get(), Qt::Key_Control);
  const QPoint aside = start + QPoint(100, 20);
  QTest::mouseMove(view.get(), aside);
  QTest::mouseClick(view.get(), Qt::LeftButton, Qt::ControlModifier, aside);
  QTest::keyRelease(view.get(), Qt::Key_Control);
  ASSERT_EQ(elementCount(), 1);
  EXPECT_EQ(element(1).yb, element(1).ya);
  EXPECT_NEAR(element(1).xb - element(1).xa, 100 / 90.0, 0.02);
}

TEST_F(DrawingView, EscapeTwiceWithinASecondEnds) {
  addElement(0, 0, 4, 0);
  RebuildModel(session, messages);
  QSignalSpy quit(view.get(), &CZELTWView::quitRequested);
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
  bool tableAsked = false;
  view->setMessageHandler(kMsgOpenElementsTable, [&](int) { tableAsked = true; });
  test::OnNextDialog<CDiaGitter>([](CDiaGitter* dialog) { dialog->accept(); });
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
  EXPECT_TRUE(tableAsked);
}

TEST_F(DrawingView, ADragOfThirtyPixelsZoomsAndAClickDoesNot) {
  const QPoint p = at(3, 2);
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, p);
  EXPECT_FALSE(view->mapping().zoomed());
  QTest::mousePress(view.get(), Qt::LeftButton, {}, p);
  QTest::mouseMove(view.get(), p + QPoint(30, 30));
  QTest::mouseRelease(view.get(), Qt::LeftButton, {}, p + QPoint(30, 30));
  ASSERT_TRUE(view->mapping().zoomed());
  EXPECT_NEAR(view->mapping().zoomWindow().x1, 3.0f, 0.02f);
  EXPECT_NEAR(view->mapping().zoomWindow().x2, 3.0f + 30 / 90.0f, 0.02f);
}

TEST_F(DrawingView, TheHingeModeTogglesAHingeAndSplitsAnElement) {
  addElement(1, 1, 5, 1);
  RebuildModel(session, messages);
  view->redraw();
  view->runCommand(kCmdHinge);
  EXPECT_EQ(view->commandChecked(kCmdHinge), true);
  click(at(4.9f, 1.0f));
  EXPECT_EQ(element(1).hingeRight, 1);
  click(at(3, 1));
  ASSERT_EQ(elementCount(), 2);
  EXPECT_NEAR(element(1).length, 2.0f, 0.012f);
  EXPECT_NEAR(element(2).length, 2.0f, 0.012f);
  EXPECT_EQ(element(2).hingeRight, 1);  // the old right end keeps its hinge
  EXPECT_EQ(session.model.params.nodeCount, 3);
}

TEST_F(DrawingView, TheGridDialogTakesCommaNumbersAndHasDefaults) {
  test::OnNextDialog<CDiaGitter>([](CDiaGitter* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Meshwidth of the Grid");
    EXPECT_EQ(dialog->meshField()->text(), "2.00");
    EXPECT_EQ(dialog->meshField()->selectedText(), "2.00");
    dialog->meshField()->setText("1,5");
    dialog->snapField()->setText("0.3");
    dialog->accept();
  });
  view->runCommand(kCmdGrid);
  EXPECT_EQ(session.view.grid.meshWidth, 1.5f);
  EXPECT_EQ(session.view.grid.snapRadius, 0.3f);
  view->runCommand(kCmdGrid);  // off again
  test::OnNextDialog<CDiaGitter>([](CDiaGitter* dialog) {
    EXPECT_EQ(dialog->meshField()->text(), "1.50");
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == "Default") b->click();
    EXPECT_EQ(dialog->meshField()->text(), "2.00");
    EXPECT_EQ(dialog->snapField()->text(), "0.15");
    dialog->reject();
  });
  view->runCommand(kCmdGrid);
  EXPECT_TRUE(session.view.grid.on);  // on after either button
  EXPECT_EQ(session.view.grid.meshWidth, 1.5f);
}

TEST_F(DrawingView, TheContextMenuRemembersWhereTheHubOpensOnlyOutsideInput) {
  const QPoint p = at(4, 3);
  QTest::mouseMove(view.get(), p);
  QTest::mouseClick(view.get(), Qt::RightButton, {}, p);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QStringList texts;
  for (QAction* a : menu->actions()) texts << a->text();
  EXPECT_EQ(texts, QStringList({"&Ausschneiden\tCtrl+X", "&Kopieren\tCtrl+C",
                                QString::fromUtf8("&Einf\u00fcgen\tCtrl+V")}));
  menu->close();
  ASSERT_TRUE(view->hubPoint().has_value());
  EXPECT_EQ(*view->hubPoint(), view->mapToGlobal(p));
  EXPECT_EQ(view->crossHair(), QPoint(-1, -1));
  view->runCommand(kCmdGraphicalInput);
  rightClick(at(6, 1));
  EXPECT_EQ(*view->hubPoint(), view->mapToGlobal(p));
}

}  // namespace
}  // namespace rerore
