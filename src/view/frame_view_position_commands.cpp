// The window side of the position commands: the dialogs that ask for a
// name or a folder, and what the view does after each command. The
// commands themselves (what is written, loaded and checked) live in the
// core's position commands.
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

#include "commands/position_commands.h"
#include "gui/command_ids.h"
#include "gui/echo_editor.h"
#include "gui/help_launcher.h"
#include "gui/store_as_dialog.h"
#include "view/frame_view.h"

namespace rerore {

namespace {

// "SDIR*. | SDIR* |" as the file dialog writes a filter: "SDIR*. (SDIR*)".
QString DirectoryFilter() {
  const QStringList parts = QString::fromLatin1(kDirectoryFilter).split('|');
  return parts.value(0).trimmed() + " (" + parts.value(1).trimmed() + ")";
}

QString WithoutTrailingSeparator(const std::string& path) {
  QString folder = FromFileName(path);
  while (folder.size() > 1 && (folder.endsWith('/') || folder.endsWith('\\'))) folder.chop(1);
  return folder;
}

// The browser's status line names the folder in view, long paths cut short.
constexpr int kStatusLineChars = 35;

QString BrowserStatusText(const QString& path) {
  return path.size() > kStatusLineChars ? path.left(kStatusLineChars) + "..." : path;
}

void AddStatusLine(QFileDialog& browser) {
  auto* grid = qobject_cast<QGridLayout*>(browser.layout());
  if (!grid) return;
  auto* status = new QLabel(&browser);
  status->setObjectName("browserStatus");
  grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
  const auto show = [status](const QString& path) { status->setText(BrowserStatusText(path)); };
  QObject::connect(&browser, &QFileDialog::currentChanged, status, show);
  QObject::connect(&browser, &QFileDialog::directoryEntered, status, show);
  show(browser.directory().absolutePath());
}

}  // namespace

void FrameView::registerPositionCommands() {
  setCommand(kCmdNew, [this] { newPosition(); });
  setCommand(kCmdOpen, [this] { openPosition(); });
  setCommand(kCmdStore, [this] { store(); });
  setCommand(kCmdStoreAs, [this] {
    if (StoreAs(session_, messages(), askName())) redraw();
  });
  setCommand(kCmdEnd, [this] { endProgram(); });
  setCommand(kCmdDirectory, [this] { showDirectory(); });
  setCommand(kCmdEcho, [this] { editEcho(); });
  setCommand(kCmdEchoAlias, [this] { editEcho(); });
}

PositionNameRequest FrameView::askName() {
  return [this](const std::string& prefill) -> std::optional<std::string> {
    StoreAsDialog dialog(prefill, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.name();
  };
}

void FrameView::store() {
  const StoreOutcome outcome = Store(session_, messages(), askName());
  if (outcome.end == CommandEnd::Quit) {
    emit quitRequested(0);
    return;
  }
  // A mechanism stays on the screen with its poles.
  if (outcome.end == CommandEnd::Stay) {
    emit positionStored();
    redraw();
  }
}

std::optional<bool> FrameView::unsavedChanges() const {
  if (!unsavedChanges_) return std::nullopt;
  return unsavedChanges_();
}

void FrameView::newPosition() {
  if (NewPosition(session_, messages(), askName(), unsavedChanges()) != CommandEnd::Stay) return;
  resetInputModes();
  emit positionChanged(false);
  emit titleChanged(FromAnsi("Position " + session_.paths.positionName));
  redraw();
}

void FrameView::openPosition() {
  if (unsavedChanges().value_or(false) && !SaveChangesBeforeOpen(session_, messages(), askName()))
    return;
  QFileDialog browser(this, tr("Pfad + Position"),
                      WithoutTrailingSeparator(session_.paths.positionDirectory));
  browser.setFileMode(QFileDialog::Directory);
  browser.setOption(QFileDialog::ShowDirsOnly);
  browser.setOption(QFileDialog::DontUseNativeDialog);
  AddStatusLine(browser);
  // A folder without a position is refused and the browser opens again.
  while (browser.exec() == QDialog::Accepted && !browser.selectedFiles().isEmpty()) {
    if (OpenPosition(session_, messages(), ToFileName(browser.selectedFiles().first()))) {
      openedPosition();
      return;
    }
  }
}

bool FrameView::openPositionFolder(const std::string& folder) {
  if (unsavedChanges().value_or(false) && !SaveChangesBeforeOpen(session_, messages(), askName()))
    return false;
  if (!guardedOpen(folder)) return false;
  openedPosition();
  return true;
}

bool FrameView::guardedOpen(const std::string& folder) {
  bool opened = false;
  guarded([&] { opened = OpenPosition(session_, messages(), folder); });
  return opened;
}

void FrameView::openedPosition() {
  resetInputModes();
  emit positionChanged(true);
  redraw();
}

void FrameView::endProgram() {
  if (EndProgram(session_, messages()) == CommandEnd::Quit) emit quitRequested(0);
}

void FrameView::showDirectory() {
  // Only to look at the position directories; the choice is not used.
  QFileDialog browser(this, tr("Directory"), FromFileName(session_.paths.dataPath),
                      DirectoryFilter());
  browser.setFileMode(QFileDialog::ExistingFile);
  browser.setOption(QFileDialog::DontUseNativeDialog);
  browser.exec();
}

void FrameView::editEcho() {
  resetInputModes();
  const EchoEdit edit = BeginEchoEdit(session_);
  EchoEditor dialog(edit.path, this);
  connect(&dialog, &EchoEditor::helpRequested, this,
          [this] { tellInStatusBar(OpenHelpPage(kEchoHelpPage, messages())); });
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (FinishEchoEdit(session_, messages(), edit, accepted)) emit modelEdited("Echo");
  if (accepted) redraw();
}

void FrameView::resetInputModes() {
  InputActions actions;
  input_.resetInputModes(actions);
  moveCrossHair({-1, -1});
  perform(actions);
}

}  // namespace rerore
