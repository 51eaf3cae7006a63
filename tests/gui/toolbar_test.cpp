// The toolbars, their customization and layout, each kept across a restart.
#include <QInputDialog>
#include <QListWidget>
#include <QToolBar>

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

}  // namespace
}  // namespace rerore
