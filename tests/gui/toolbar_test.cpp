// The toolbars, their customization and layout, each kept across a restart.
#include <QInputDialog>
#include <QListWidget>
#include <QToolBar>
#include <fstream>

#include "app/toolbar_icons.h"
#include "gui_helpers.h"

namespace rerore {
namespace {

using test::OnNextDialog;

QList<int> Commands(const QToolBar* bar) {
  QList<int> ids;
  for (const QAction* a : bar->actions()) ids << (a->isSeparator() ? 0 : a->data().toInt());
  return ids;
}

QAction* Button(const QToolBar* bar, int id) {
  for (QAction* a : bar->actions())
    if (a->data() == id) return a;
  return nullptr;
}

QImage Picture(const QIcon& icon) {
  return icon.pixmap(QSize(kButtonWidth, kButtonHeight))
      .toImage()
      .convertToFormat(QImage::Format_ARGB32);
}

// "New..." with the name typed.
void MakeToolbar(ToolbarCustomizeDialog* dialog, const QString& name) {
  OnNextDialog<QInputDialog>([name](QInputDialog* ask) {
    ask->setTextValue(name);
    ask->accept();
  });
  test::Click(*dialog, "New...");
}

void Choose(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  list->setCurrentItem(found.first());
}

struct Toolbars : test::WindowTest {
  void SetUp() override {
    WindowTest::SetUp();
    open();
  }
  // The window made anew on the same settings, where the old one kept its layout.
  void restart() {
    frame.reset();
    frame = std::make_unique<MainWindow>(session);
    frame->view()->setMessages(messages);
    frame->show();
  }
  QToolBar* standard() { return frame->standardToolBar(); }
  // "Anpassen...", `act` on its dialog, then OK.
  void customize(const std::function<void(ToolbarCustomizeDialog*)>& act) {
    OnNextDialog<ToolbarCustomizeDialog>([act](ToolbarCustomizeDialog* dialog) {
      act(dialog);
      dialog->accept();
    });
    standard()->actions().last()->trigger();
  }
};

TEST_F(Toolbars, AnOwnToolbarWithCommandsWithoutMenuSurvivesARestart) {
  customize([](ToolbarCustomizeDialog* dialog) {
    MakeToolbar(dialog, "Checks");
    Choose(dialog->commandList(), "Lock Dialog Input");
    test::Click(*dialog, "Add >");
    Choose(dialog->commandList(), "Page border");
    test::Click(*dialog, "Add >");
    dialog->buttonList()->setCurrentRow(0);
    test::Click(*dialog, "Down");
    Choose(dialog->toolbarList(), "Standard");
    Choose(dialog->buttonList(), "Dimensions");
    test::Click(*dialog, "Remove");
  });
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    QToolBar* own = frame->userToolBar("UserToolbar1");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->windowTitle(), "Checks");
    EXPECT_EQ(Commands(own), QList<int>({kCmdPageBorder, kCmdLockInput}));
    EXPECT_TRUE(Button(own, kCmdPageBorder)->isChecked());  // the view's flag, on at the start
    EXPECT_EQ(Button(standard(), kCmdDimensions), nullptr);
    EXPECT_NE(Button(standard(), kCmdStore), nullptr);
    restart();
  }
  session.model.params.inputLock = 0;
  Button(frame->userToolBar("UserToolbar1"), kCmdLockInput)->trigger();
  EXPECT_EQ(session.model.params.inputLock, 1);
}

// A picture stays when its file is gone; a text file named .png is refused.
TEST_F(Toolbars, AnOwnPictureSurvivesARestartUntilItIsReset) {
  const std::string bad = data / "notes.png";
  const std::string good = data / "red.png";
  std::ofstream(bad) << "not a picture\n";
  QImage red(kButtonWidth, kButtonHeight, QImage::Format_ARGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString(good)));
  const QImage standardStore = Picture(Button(standard(), kCmdStore)->icon());
  const auto pick = [](ToolbarCustomizeDialog* dialog, const std::string& file) {
    test::ChooseFile(file);
    Choose(dialog->buttonList(), "Store");
    test::Click(*dialog, "Image...");
  };
  customize([&](ToolbarCustomizeDialog* dialog) {
    pick(dialog, bad);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Error: The file " + bad +
                                       " holds no picture: choose a PNG or BMP file"});
    EXPECT_TRUE(dialog->toolbarLayout().images.isEmpty());
    pick(dialog, good);
  });
  std::filesystem::remove(good);
  restart();
  EXPECT_EQ(Picture(Button(standard(), kCmdStore)->icon()).pixel(8, 7), qRgb(255, 0, 0));
  customize([](ToolbarCustomizeDialog* dialog) {
    Choose(dialog->buttonList(), "Store");
    test::Click(*dialog, "Reset image");
  });
  restart();
  EXPECT_EQ(Picture(Button(standard(), kCmdStore)->icon()), standardStore);
}

TEST_F(Toolbars, WhereTheToolbarsStandIsKept) {
  customize([](ToolbarCustomizeDialog* dialog) { MakeToolbar(dialog, "Mine"); });
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
  frame->addToolBar(Qt::LeftToolBarArea, frame->userToolBar("UserToolbar1"));
  // Dragged by its grip into the middle of the window, a toolbar floats.
  QToolBar* bar = standard();
  const QPoint grip(8, bar->height() / 2);
  QTest::mousePress(bar, Qt::LeftButton, {}, grip);
  QTest::mouseMove(bar, grip + QPoint(200, 300));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, grip);
  ASSERT_TRUE(bar->isFloating());
  const QPoint floated = bar->pos();
  restart();
  EXPECT_TRUE(standard()->isFloating());
  EXPECT_EQ(standard()->pos(), floated);
  EXPECT_EQ(frame->toolBarArea(frame->userToolBar("UserToolbar1")), Qt::LeftToolBarArea);
}

}  // namespace
}  // namespace rerore
