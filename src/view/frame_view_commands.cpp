// The commands the view serves besides drawing and mouse input: printing,
// the copy to the clipboard, the text size, the redraw, the display
// toggles, the dimensions report, Dialog Input, and the title and
// echo-structure dialogs.
#include <QApplication>
#include <QClipboard>
#include <QPrinter>

#include "commands/default_modulus.h"
#include "gui/command_ids.h"
#include "gui/echo_help_dialog.h"
#include "gui/help_launcher.h"
#include "gui/printed_pages.h"
#include "gui/report_viewer.h"
#include "gui/text_size_dialog.h"
#include "gui/title_dialog.h"
#include "model/file_io.h"
#include "view/frame_output.h"
#include "view/frame_view.h"

namespace rerore {

void FrameView::registerViewCommands() {
  setCommand(kCmdPrint, [this] { print(); });
  setCommand(kCmdPrintPreview, [this] { printPreview(); });
  setCommand(kCmdCopyToClipboard, [this] { copyToClipboard(); });
  setCommand(kCmdFont, [this] { showFontDialog(); });
  setCommand(kCmdRedraw, [this] { redraw(); });
  setCommand(kCmdFileD1, [this] { showDimensions(kCmdFileD1); });
  setCommand(kCmdDimensions, [this] { showDimensions(kCmdDimensions); });
  setCommand(kCmdDialogInput, [this] { dialogInput(); });
  // While the byte is set, Dialog Input does not open the input hub.
  setCommand(kCmdUnlockInput, [this] { session_.model.params.inputLock = 0; });
  setCommand(kCmdLockInput, [this] { session_.model.params.inputLock = 1; });
}

void FrameView::registerDisplayToggles() {
  DisplayOptions& d = session_.view.display;
  const auto flag = [](const bool& value) { return [&value] { return value; }; };
  setCommand(
      kCmdAuxLines, [this, &d] { toggle(d.auxLines); }, flag(d.auxLines));
  setCommand(
      kCmdAuxLinesToggle, [this, &d] { toggle(d.auxLines); }, flag(d.auxLines));
  setCommand(
      kCmdEndMarks, [this, &d] { toggle(d.endMarks); }, flag(d.endMarks));
  setCommand(
      kCmdTidyText, [this] { toggleTidyText(); }, flag(d.tidyText));
  setCommand(
      kCmdPageBorder, [this, &d] { toggle(d.pageBorder); }, flag(d.pageBorder));
  setCommand(
      kCmdSpareToggleA, [this, &d] { toggle(d.spareToggleA); }, flag(d.spareToggleA));
  setCommand(
      kCmdSpareToggleB, [this, &d] { toggle(d.spareToggleB); }, flag(d.spareToggleB));
  setCommand(kCmdSetAside, [this] { toggleSetAside(); });
  setCommand(
      kCmdLiveCheck, [this, &d] { toggle(d.liveCheck); }, flag(d.liveCheck));
  // Asks the main window for a refresh, which changes nothing: no repaint.
  setCommand(
      kCmdRefreshToggle, [this, &d] { toggle(d.refreshToggle, false); }, flag(d.refreshToggle));
  setCommand(
      kCmdRefreshToggleAlias, [] {}, flag(d.refreshToggle));
}

void FrameView::toggle(bool& flag, bool repaint) {
  flag = !flag;
  if (repaint) redraw();
}

void FrameView::toggleTidyText() {
  DisplayOptions& d = session_.view.display;
  d.tidyText = !d.tidyText;
  if (d.tidyText) {
    d.tidyTextSuppressed = false;
    d.tidyTextWanted = true;
  } else {
    d.tidyTextWanted = d.tidyTextSuppressed;
  }
  redraw();
}

void FrameView::toggleSetAside() {
  DisplayOptions& d = session_.view.display;
  if (!d.setAside) {
    d.asideTidyTextWanted = d.tidyTextWanted;
    d.asideSpareToggleA = d.spareToggleA;
    d.tidyTextWanted = false;
    d.spareToggleA = false;
  } else {
    d.tidyTextWanted = d.asideTidyTextWanted;
    d.spareToggleA = d.asideSpareToggleA;
  }
  d.setAside = !d.setAside;
  redraw();
}

void FrameView::showFontDialog() {
  TextSizeDialog dialog(session_.view.textScale, messages(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  session_.view.textScale = dialog.textScale();
  // The cached picture holds the texts in their old size.
  redraw();
}

void FrameView::showDimensions(int command) {
  const PositionPaths& paths = session_.paths;
  const std::string second = paths.plainFile("D1");
  if (!FileReadable(paths.plainFile("D1.TXT")) && !FileReadable(second)) {
    if (command == kCmdFileD1)
      messages().message(
          Format("Frame not yet stored. No data, file %s is missing.", second.c_str()), "Error");
    else
      messages().message(Format("No data, file %s is missing.", second.c_str()), "Missing input");
    return;
  }
  ReportViewer(paths, messages(), this).exec();
}

// Every input mode ends (the rubber band waits for the next chain); the
// hub is asked for unless the input is locked.
void FrameView::dialogInput() {
  resetInputModes();
  input_.prepareDialogInput();
  ApplyDefaultModulus(session_.model.params);
  if (session_.model.params.inputLock == 0) emit inputHubRequested();
}

void FrameView::editTitle() {
  TitleDialog dialog(session_.model.params.titleText(), this);
  if (dialog.exec() == QDialog::Accepted) {
    session_.model.params.setTitle(dialog.title());
    emit modelEdited("Title");
    emit titleEntered();
  }
  redraw();
}

void FrameView::openEchoStructure() {
  if (echoStructure_) return;
  const QString found = FindHelpFile(kEchoStructureFile, HelpFolders());
  const std::string path =
      found.isEmpty() ? session_.paths.workingDirectory + kEchoStructureFile : ToAnsi(found);
  echoStructure_ = new EchoHelpDialog(path, this);
  echoStructure_->setAttribute(Qt::WA_DeleteOnClose);
  connect(echoStructure_, &EchoHelpDialog::closed, echoStructure_, &QObject::deleteLater);
  echoStructure_->show();
}

void FrameView::print() {
  PrintWithDialog(this, false, [this](QPrinter& printer) { printPage(printer); });
}

// The page as Print would print it, on the printer's paper.
void FrameView::printPreview() {
  ShowPrintPreview(this, false, [this](QPrinter& printer) { printPage(printer); });
}

void FrameView::printPage(QPrinter& printer) {
  guarded([&] { PrintFramePage(printer, session_, mapping_, messages()); });
}

void FrameView::copyToClipboard() {
  // The window as it is shown, with the cross-hair and what else lies on it.
  QApplication::clipboard()->setPixmap(grab());
}

}  // namespace rerore
