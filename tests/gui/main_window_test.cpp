#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <filesystem>

#include "gui_helpers.h"
#include "model/startup.h"
#include "shell/CMainFrame.h"
#include "shell/CToolbarCustomize.h"
#include "shell/application_look.h"
#include "support/test_support.h"
#include "view/CZELTWView.h"
#include "view/view_messages.h"

namespace rerore {
namespace {

struct MainWindow : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;

  void SetUp() override {
    QSettings().clear();
    std::filesystem::create_directories(data / "SDIR001");
    ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
  }
  void TearDown() override { QSettings().clear(); }
};

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* a : actions) texts << (a->isSeparator() ? QString("-") : a->text());
  return texts;
}

TEST_F(MainWindow, OpensTitledWithThePositionAfterLoading) {
  CMainFrame frame(session);
  frame.show();
  QApplication::processEvents();
  EXPECT_EQ(frame.windowTitle(), QString("Position 001 "));
  EXPECT_TRUE(frame.isMaximized());
  EXPECT_TRUE(frame.statusBar()->isVisible());
}

TEST_F(MainWindow, MenusStandInTheirOrderWithTheirAccelerators) {
  CMainFrame frame(session);
  EXPECT_EQ(Texts(frame.menuBar()->actions()),
            QStringList({"&Position", "&View", "&Font", "Ec&ho", "&Dialog Input", "Help"}));
  QMenu* position = frame.menuBar()->actions()[0]->menu();
  ASSERT_NE(position, nullptr);
  EXPECT_EQ(
      Texts(position->actions()),
      QStringList({"&New\tCtrl+N", "O&pen...\tCtrl+O", "S&tore\tCtrl+S", "Store &as...", "-",
                   "&Print...\tCtrl+P", "File D1 (Dimensions)\tCtrl+D", "-", "&End\t2 x ESC"}));
  const std::pair<int, const char*> keys[] = {
      {kCmdNew, "Ctrl+N"},   {kCmdOpen, "Ctrl+O"},          {kCmdStore, "Ctrl+S"},
      {kCmdPrint, "Ctrl+P"}, {kCmdFileD1, "Ctrl+D"},        {kCmdEnd, "X"},
      {kCmdManual, "F1"},    {kCmdContextHelp, "Shift+F1"},
  };
  for (const auto& [id, key] : keys) {
    ASSERT_NE(frame.action(id), nullptr) << id;
    EXPECT_EQ(frame.action(id)->shortcut(), QKeySequence(key)) << id;
  }
  QMenu* view = frame.menuBar()->actions()[1]->menu();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Texts(view->actions()), QStringList({"Aux. lines"}));
}

TEST_F(MainWindow, TheToolbarHasSixButtonsWithTheirTips) {
  CMainFrame frame(session);
  QToolBar* bar = frame.standardToolBar();
  EXPECT_EQ(bar->windowTitle(), "Standard");
  QStringList tips;
  QStringList statusTips;
  for (QAction* a : bar->actions()) {
    if (!a->data().isValid()) continue;
    tips << a->toolTip();
    statusTips << a->statusTip();
    EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
  }
  EXPECT_EQ(tips, QStringList({"Store", "Print", "Dimensions", "Copy to Clipboard",
                               "Graphical input with the mouse", "Grid (Drawing Tool)"}));
  EXPECT_EQ(statusTips, QStringList({"Store.", "Print", "", "", "Graphical input", "Grid"}));
  EXPECT_EQ(bar->actions().last()->text(), "Anpassen...");
}

TEST_F(MainWindow, HiddenToolbarButtonsStayHiddenAtTheNextStart) {
  {
    CMainFrame frame(session);
    test::OnNextDialog<CToolbarCustomize>([](CToolbarCustomize* dialog) {
      QListWidget* list = dialog->buttonList();
      ASSERT_EQ(list->count(), 6);
      list->item(2)->setCheckState(Qt::Unchecked);  // Dimensions
      dialog->accept();
    });
    frame.standardToolBar()->actions().last()->trigger();
    EXPECT_FALSE(frame.action(kCmdDimensions)->isVisible());
  }
  CMainFrame again(session);
  EXPECT_FALSE(again.action(kCmdDimensions)->isVisible());
  EXPECT_TRUE(again.action(kCmdStore)->isVisible());
}

TEST(PointerRule, TheCrossHairIsThePointerOnlyOverTheDrawing) {
  const QSize client(1000, 700);
  const int status = 20;
  const int menu = 25;
  EXPECT_FALSE(CMainFrame::OverDrawing({500, 49}, client, status, menu));  // toolbar band
  EXPECT_TRUE(CMainFrame::OverDrawing({500, 50}, client, status, menu));
  EXPECT_TRUE(CMainFrame::OverDrawing({960, 300}, client, status, menu));
  EXPECT_FALSE(CMainFrame::OverDrawing({961, 300}, client, status, menu));  // right border
  EXPECT_TRUE(CMainFrame::OverDrawing({500, 655}, client, status, menu));
  EXPECT_FALSE(CMainFrame::OverDrawing({500, 656}, client, status, menu));  // status bar
}

TEST_F(MainWindow, CommandsNobodyServesAreGreyed) {
  CMainFrame frame(session);
  EXPECT_TRUE(frame.action(kCmdPrint)->isEnabled());
  EXPECT_TRUE(frame.action(kCmdFont)->isEnabled());
  EXPECT_TRUE(frame.action(kCmdKeysHelp)->isEnabled());
  EXPECT_FALSE(frame.action(kCmdEditCopy)->isEnabled());
  EXPECT_FALSE(frame.action(kCmdNextPane)->isEnabled());
}

TEST_F(MainWindow, AuxLinesIsShownCheckedWhenOn) {
  CMainFrame frame(session);
  QAction* aux = frame.action(kCmdAuxLines);
  EXPECT_FALSE(aux->isChecked());
  aux->trigger();
  EXPECT_TRUE(session.view.display.auxLines);
  EXPECT_TRUE(aux->isChecked());
  frame.runCommand(kCmdAuxLinesToggle);  // the second command of the same flag
  EXPECT_FALSE(session.view.display.auxLines);
  EXPECT_FALSE(aux->isChecked());
}

TEST_F(MainWindow, TheCoordinatesPaneShowsTheMouseInMetres) {
  CMainFrame frame(session);
  frame.resize(1200, 800);
  frame.show();
  QApplication::processEvents();
  CZELTWView* view = frame.view();
  view->repaint();  // defines the world
  const DevicePoint p = view->mapping().worldToDevice({10.0f, 5.0f});
  QMouseEvent move(QEvent::MouseMove, QPointF(p.x, p.y), view->mapToGlobal(QPointF(p.x, p.y)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  const QStringList xy = frame.pane(kCoordinatesPane)->text().split("  ");
  ASSERT_EQ(xy.size(), 2) << frame.pane(kCoordinatesPane)->text().toStdString();
  // Within a pixel of the point, written "%.2f  %.2f".
  const double pixel = view->mapping().pickTolerance() / 4;
  EXPECT_NEAR(xy[0].toDouble(), 10.0, pixel);
  EXPECT_NEAR(xy[1].toDouble(), 5.0, pixel);
  EXPECT_EQ(xy[0].size(), xy[0].indexOf('.') + 3);
  EXPECT_EQ(view->crossHair(), QPoint(p.x, p.y));
}

TEST_F(MainWindow, F1WithoutTheManualSaysSo) {
  ASSERT_FALSE(QFileInfo::exists("VELTRANIX.PDF"));
  CMainFrame frame(session);
  frame.view()->setMessages(messages);
  const size_t before = messages.messages.size();
  frame.action(kCmdManual)->trigger();
  ASSERT_EQ(messages.messages.size(), before + 1);
  EXPECT_EQ(messages.messages.back().text, "File VELTRANIX.PDF not found!");
  EXPECT_EQ(messages.messages.back().title, "Attention");
}

TEST_F(MainWindow, CopyPutsThePictureOfTheViewOnTheClipboard) {
  CMainFrame frame(session);
  frame.show();
  QApplication::processEvents();
  QApplication::clipboard()->clear();
  frame.action(kCmdCopyToClipboard)->trigger();
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.size(), frame.view()->size());
  // The origin symbol of the drawing is on it.
  const DevicePoint origin = frame.view()->mapping().toDevice(0, 0);
  EXPECT_LT(qGray(copied.pixel(origin.x + 20, origin.y)), 128);
}

TEST_F(MainWindow, ALookIsAStyleAndIsKept) {
  const QString before = QApplication::style()->name();
  CMainFrame frame(session);
  frame.runCommand(kFirstLookCommand + 1);
  EXPECT_EQ(StoredApplicationLook(), kFirstLookCommand + 1);
  EXPECT_EQ(QApplication::style()->name().toLower(),
            LookStyleName(kFirstLookCommand + 1).toLower());
  QApplication::setStyle(before);
}

// The keys page the Help menu opens lists every key the main window has.
TEST_F(MainWindow, TheKeysPageNamesEveryAccelerator) {
  const QString page =
      QString::fromLatin1(test::ReadFile(std::string(RERORE_SOURCE_DIR) + "/help/KEYSFRAMES.HTM"));
  ASSERT_FALSE(page.isEmpty());
  CMainFrame frame(session);
  int keys = 0;
  for (QAction* action : frame.findChildren<QAction*>()) {
    const QString key = action->shortcut().toString(QKeySequence::PortableText);
    if (key.isEmpty()) continue;
    ++keys;
    const QString written = key == "X" ? QString("<td>x</td>") : key;
    EXPECT_TRUE(page.contains(written, Qt::CaseSensitive)) << key.toStdString();
  }
  EXPECT_GE(keys, 18);
}

}  // namespace
}  // namespace rerore
