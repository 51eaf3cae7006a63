// Shift+F1 explains every part of the window, table column and field; every dialog has a title.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QMessageBox>
#include <QTextEdit>
#include <QToolBar>

#include "app/about_dialog.h"
#include "app/toolbar_customize_dialog.h"
#include "gui/echo_help_dialog.h"
#include "gui/message_boxes.h"
#include "gui_helpers.h"

namespace rerore {
namespace {

// The fields of `dialog` (not in a table) without What's This text, and a bad window title.
QStringList Unexplained(QWidget& dialog) {
  QStringList missing;
  if (dialog.windowTitle().trimmed().isEmpty() || dialog.windowTitle().contains("AppID"))
    missing << "title \"" + dialog.windowTitle() + "\"";
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) ||
                       qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                       qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w);
    bool inTable = false;
    for (QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget())
      inTable = inTable || qobject_cast<TableEditor*>(p) != nullptr;
    if (field && !inTable && w->whatsThis().isEmpty())
      missing << QString("%1 \"%2\"").arg(w->metaObject()->className(), w->objectName());
  }
  return missing;
}

using WhatsThis = test::PositionTest;

TEST_F(WhatsThis, EveryHubButtonHasATipAndAText) {
  InputHub hub(session, messages, std::nullopt);
  const QList<QPushButton*> buttons = hub.findChildren<QPushButton*>();
  EXPECT_EQ(buttons.size(), 9);
  for (QPushButton* b : buttons) {
    EXPECT_FALSE(b->toolTip().isEmpty()) << b->text().toStdString();
    EXPECT_FALSE(b->whatsThis().isEmpty()) << b->text().toStdString();
  }
}

TEST_F(WhatsThis, EveryColumnOfEveryTableAndEveryFieldBesideIt) {
  const std::function<std::unique_ptr<TableDialog>()> tables[] = {
      [&] { return std::make_unique<MaterialsDialog>(session, messages); },
      [&] { return std::make_unique<CrossSectionsDialog>(session, messages); },
      [&] { return std::make_unique<NodesDialog>(session, messages); },
      [&] { return std::make_unique<ElementsDialog>(session, messages); },
      [&] { return std::make_unique<ContinuousBeamDialog>(session, messages); },
      [&] { return std::make_unique<FrameGeneratorDialog>(session, messages); },
  };
  QStringList texts;
  for (const auto& make : tables) {
    const std::unique_ptr<TableDialog> dialog = make();
    const TableEditor& grid = *dialog->grid();
    QStringList missing = Unexplained(*dialog);
    if (grid.whatsThis().isEmpty()) missing << "the table";
    for (int c = 0; c < grid.columnCount(); ++c)
      if (grid.columnWhatsThis(c).isEmpty()) missing << grid.getItemText(0, c);
    EXPECT_GE(grid.columnCount(), 3) << dialog->windowTitle().toStdString();
    EXPECT_EQ(missing, QStringList()) << dialog->windowTitle().toStdString();
    for (int c = 1; c < grid.columnCount(); ++c) texts << grid.columnWhatsThis(c);
  }
  texts.removeDuplicates();
  EXPECT_GE(texts.size(), 26);  // a text of its own for every data column
}

TEST_F(WhatsThis, EveryFieldOfTheOtherDialogsAndEveryTitle) {
  ElementRecord element{};
  const std::function<std::unique_ptr<QDialog>()> dialogs[] = {
      [&] { return std::make_unique<ElementEditor>(element, 1); },
      [&] { return std::make_unique<DeleteElementQuestion>(1, nullptr); },
      [&] { return std::make_unique<ArcDialog>(ArcFieldTexts{}); },
      [&] { return std::make_unique<ParabolaDialog>(ParabolaFieldTexts{}); },
      [&] { return std::make_unique<GridDialog>(2.0f, 0.15f, messages); },
      [&] { return std::make_unique<StoreAsDialog>("001"); },
      [&] { return std::make_unique<TextSizeDialog>(1.0f, messages); },
      [&] { return std::make_unique<TitleDialog>("Portal"); },
      [&] { return std::make_unique<ReportViewer>(session.paths, messages); },
      [&] { return std::make_unique<EchoEditor>(data / "ECHO"); },
      [&] { return std::make_unique<EchoHelpDialog>(data / "ECHOHELP"); },
      [&] {
        return std::make_unique<ToolbarCustomizeDialog>(ToolbarLayout{}, QList<CommandEntry>{},
                                                        messages);
      },
      [&] { return std::make_unique<AboutDialog>(); },
  };
  for (const auto& make : dialogs) {
    const std::unique_ptr<QDialog> dialog = make();
    EXPECT_EQ(Unexplained(*dialog), QStringList()) << dialog->metaObject()->className();
  }
  // A message that brings no title gets the program's name.
  QString boxTitle;
  test::OnNextDialog<QMessageBox>([&boxTitle](QMessageBox* box) {
    boxTitle = box->windowTitle();
    box->accept();
  });
  MessageBoxes().message("Nothing to say", "", MessageIcon::None);
  EXPECT_EQ(boxTitle, "RERORE");
}

TEST_F(WhatsThis, TheDrawingAndEveryToolbarButton) {
  test::SettingsHome home;
  ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
  MainWindow frame(session);
  EXPECT_TRUE(frame.view()->whatsThis().contains("drawing"));
  int buttons = 0;
  for (QAction* a : frame.standardToolBar()->actions()) {
    if (a->isSeparator()) continue;
    ++buttons;
    EXPECT_FALSE(a->toolTip().isEmpty()) << a->text().toStdString();
    EXPECT_FALSE(a->whatsThis().isEmpty()) << a->text().toStdString();
  }
  EXPECT_EQ(buttons, 16);  // fifteen commands and "Anpassen..."
}

}  // namespace
}  // namespace rerore
