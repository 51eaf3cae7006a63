// The main window on an example position: menus, panes and the position commands.
#include <QDockWidget>

#include "app/application.h"
#include "gui_helpers.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;
using test::OnNextDialog;
using Window = test::WindowTest;

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* a : actions) texts << (a->isSeparator() ? QString("-") : a->text());
  return texts;
}

TEST_F(Window, OpensMaximisedWithMenusInTheirOrderAndTheirAccelerators) {
  open();
  EXPECT_EQ(frame->windowTitle(), QString("Position 001 "));
  EXPECT_TRUE(frame->isMaximized());
  const QList<QAction*> menus = frame->menuBar()->actions();
  EXPECT_EQ(Texts(menus), QStringList({"&Position", "&Edit", "&View", "&Font", "Ec&ho",
                                       "&Dialog Input", "Help"}));
  QStringList position{"&New\tCtrl+N", "O&pen...\tCtrl+O", "S&tore\tCtrl+S", "Store &as...", "-"};
#ifdef RERORE_WITH_DXF
  position += QStringList{"&Import DXF...", "E&xport DXF...", "-"};
#endif
  position += QStringList{"&Print...\tCtrl+P", "Print pre&view...", "File D1 (Dimensions)\tCtrl+D",
                          "-", "&1 001   " + QString::fromStdString(data.path())};
  for (int i = 1; i < kRecentPositions; ++i) position << "";  // the unused places of the list
  position += QStringList{"-", "&End\t2 x ESC"};
  EXPECT_EQ(Texts(menus[0]->menu()->actions()), position);
  EXPECT_EQ(Texts(menus[1]->menu()->actions()), QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Y"}));
  EXPECT_EQ(Texts(menus[2]->menu()->actions()),
            QStringList({"Aux. lines", "&End marks", "&Overlap-free labels", "&Live check", "-",
                         "&Hinge mode", "&Zoom window", "&Window mode", "Hori&zontal aux line",
                         "&Vertical aux line", "-", "Zoom &in\t+", "Zoom &out\t-",
                         "Whole &frame\tHome", "&Redraw"}));
  const std::pair<int, const char*> keys[] = {
      {kCmdNew, "Ctrl+N"},   {kCmdOpen, "Ctrl+O"},          {kCmdStore, "Ctrl+S"},
      {kCmdPrint, "Ctrl+P"}, {kCmdFileD1, "Ctrl+D"},        {kCmdEnd, "X"},
      {kCmdManual, "F1"},    {kCmdContextHelp, "Shift+F1"},
  };
  for (const auto& [id, key] : keys) EXPECT_EQ(frame->action(id)->shortcut(), QKeySequence(key));
  EXPECT_EQ(frame->action(kCmdEditUndo)->shortcuts(),
            QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
  EXPECT_EQ(frame->action(kCmdEditRedo)->shortcuts(),
            QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
}

// The view only asks for the input dialogs; the main window opens them.
TEST_F(Window, EscapeFromTheGridOpensTheElementsTable) {
  open();
  session.view.grid.on = true;
  QTest::keyClick(view(), Qt::Key_Escape);
  EXPECT_EQ(input().elementsTable(), nullptr);  // not before the view has handled the key
  QTRY_VERIFY(input().elementsTable() != nullptr);
}

// Docked again, unless the context menu chose a point; floating, where it was closed.
TEST_F(Window, TheHubStaysDockedUnlessTheContextMenuChoseItsPlace) {
  open();
  QDockWidget* dock = frame->hubDock();
  const auto reopen = [&] {
    dock->close();
    QTRY_COMPARE(input().hub(), nullptr);
    frame->runCommand(kCmdDialogInput);
    ASSERT_NE(input().hub(), nullptr);
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(dock->isAncestorOf(input().hub()));
  };
  reopen();
  EXPECT_FALSE(dock->isFloating());
  const QPoint p(300, 200);
  const QPoint chosen = view()->mapToGlobal(p);  // the drawing widens once the hub floats
  QTest::mouseClick(view(), Qt::RightButton, {}, p);
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  reopen();
  EXPECT_TRUE(dock->isFloating());
  EXPECT_EQ(dock->pos(), chosen);
  dock->move(dock->pos() + QPoint(25, 35));
  const QPoint moved = dock->pos();
  reopen();
  EXPECT_TRUE(dock->isFloating());
  EXPECT_EQ(dock->pos(), moved);
}

TEST_F(Window, ClosingTheWindowAndTheCharacterXRunEndWhichWritesTheEchoFile) {
  open();
  fs::remove(data / "SDIR001/ECHO_G.001.TXT");
  frame->close();
  QTRY_COMPARE(quit->count(), 1);
  EXPECT_EQ((*quit)[0][0].toInt(), 0);
  EXPECT_TRUE(test::Exists(data / "SDIR001/ECHO_G.001.TXT"));
  EXPECT_TRUE(frame->isVisible());  // End decides, not the close box
  fs::remove(data / "SDIR001/ECHO_G.001.TXT");
  QApplication::setActiveWindow(frame.get());
  view()->setFocus();
  QTest::keyClick(view(), Qt::Key_X);
  QTRY_COMPARE(quit->count(), 2);
  EXPECT_TRUE(test::Exists(data / "SDIR001/ECHO_G.001.TXT"));
}

// Separate arguments keep a data path with blanks and "@" whole; one
// argument holding it all is split at " @".
TEST(ProgramArguments, ADataPathGivenApartIsTakenWhole) {
  const CommandLine apart = ProgramCommandLine({".002", "@/data/a @b c/", "@G"});
  EXPECT_EQ(std::tie(apart.valid, apart.extension, apart.dataPath, apart.resetGeometry),
            std::tuple(true, ".002", "/data/a @b c/", true));
  const CommandLine joined = ProgramCommandLine({".001 @C:\\DATA\\"});
  EXPECT_EQ(std::tie(joined.valid, joined.extension, joined.dataPath),
            std::tuple(true, ".001", "C:\\DATA\\"));
  EXPECT_FALSE(ProgramCommandLine({}).valid || ProgramCommandLine({".001", "/data/"}).valid);
}

// A first run makes the settings folder and keeps its recent positions
// there; after End nothing lands in the folder it was started from.
TEST_F(Window, AFirstRunMakesTheSettingsFolderAndWritesNothingIntoTheCurrentOne) {
  fs::remove_all(home.dir() / "VELTRANIX");
  test::TempDir work;
  const test::CurrentDirectory inWork(work.path());
  open();
  EXPECT_TRUE(fs::is_directory(home.dir() / "VELTRANIX"));
  frame->close();
  QTRY_COMPARE(quit->count(), 1);
  EXPECT_TRUE(test::Exists(home.dir() / "VELTRANIX/RECENTPOS"));
  EXPECT_TRUE(test::ListDirectory(work.path()).empty());
}

// Nothing to check: Store says so, the window stays, GEOMETRY is not 1.
TEST_F(Window, StoreOfAFrameWithoutElementsIsRefusedAndTheWindowStays) {
  fs::create_directories(data / "SDIR005");
  open("005");
  frame->runCommand(kCmdStore);
  QApplication::processEvents();
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Error: No elements: there is nothing to check."});
  EXPECT_EQ(quit->count(), 0);
  EXPECT_NE(test::ReadFile(data / "SDIR005/GEOMETRY.005"), test::kGeometryOne);
}

// The portal's two sections go along to the new name; Store of NEW checks with them and ends.
TEST_F(Window, StoreAsAndStoreOfANewPositionTakeEveryTableAlong) {
  open();
  OnNextDialog<StoreAsDialog>([](StoreAsDialog* dialog) {
    QTest::keyClicks(dialog->nameField(), "043");
    dialog->accept();
  });
  frame->action(kCmdStoreAs)->trigger();
  EXPECT_EQ(session.paths.extension, ".043");
  EXPECT_EQ(test::At<int16_t>(test::ReadFile(data / "SDIR043/CROSS.043"), 0), 2);
  EXPECT_EQ(test::At<int16_t>(test::ReadFile(data / "SDIR043/MATR.043"), 0), 1);
  EXPECT_EQ(test::ReadFile(data / "SDIR043/GEOMETRY.043"), test::kGeometryZero);

  messages.answers = {Answer::Yes};
  frame->runCommand(kCmdNew);
  ASSERT_EQ(session.paths.extension, ".NEW");
  OnNextDialog<StoreAsDialog>([](StoreAsDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Store");
    EXPECT_EQ(dialog->nameField()->selectedText(), "NEW");
    QTest::keyClicks(dialog->nameField(), " 042 ");
    dialog->accept();
  });
  frame->runCommand(kCmdStore);
  EXPECT_EQ(session.paths.extension, ".042");
  EXPECT_EQ(test::ReadFile(data / "SDIR042/GEOMETRY.042"), test::kGeometryOne);
  EXPECT_EQ(test::At<int16_t>(test::ReadFile(data / "SDIR042/CROSS.042"), 0), 2);
  EXPECT_TRUE(test::Exists(data / "SDIR042/MATR.042"));
  ASSERT_EQ(quit->count(), 1);
  EXPECT_EQ((*quit)[0][0].toInt(), 0);
}

TEST_F(Window, OpenRefusesAFolderWithoutAPositionAndAsksAgain) {
  open();
  const std::string other = data / "POS7";
  fs::create_directories(other);
  OnNextDialog<QFileDialog>([other](QFileDialog* browser) {
    EXPECT_EQ(browser->windowTitle(), "Pfad + Position");
    browser->selectFile(QString::fromStdString(other));
    static_cast<QDialog*>(browser)->accept();
    OnNextDialog<QFileDialog>([](QFileDialog* again) { again->reject(); });
  });
  frame->runCommand(kCmdOpen);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"No directory with a position!: " + other});
  EXPECT_EQ(session.paths.extension, ".001");
  test::ChooseFile(data / "SDIR002");  // the folder, without a separator
  frame->runCommand(kCmdOpen);
  EXPECT_EQ(session.paths.extension, ".002");
  EXPECT_EQ(session.model.params.elementCount, 3);
}

}  // namespace
}  // namespace rerore
