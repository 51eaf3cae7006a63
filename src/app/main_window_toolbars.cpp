// The main window's toolbars: the toolbar "Standard" and the user's own,
// their buttons made from the customization's layout, and the window's
// layout (where every toolbar docks or floats) kept between runs.
#include <QAction>
#include <QDockWidget>
#include <QPixmap>
#include <QToolBar>
#include <algorithm>
#include <set>

#include "app/application_look.h"
#include "app/main_window.h"
#include "app/toolbar_icons.h"
#include "app/window_help.h"
#include "gui/command_ids.h"
#include "view/frame_view.h"

namespace rerore {

namespace {

// A new version makes the window forget a layout saved by an older one.
constexpr int kWindowLayoutVersion = 1;

struct ButtonRow {
  int id;
  const char* tip;  // status text, "\n", tool tip
};

const ButtonRow kButtons[] = {
    {kCmdStore, "Store.\nStore"},
    {kCmdPrint, "Print\nPrint"},
    {kCmdDimensions, "\nDimensions"},
    {kCmdCopyToClipboard, "\nCopy to Clipboard"},
    {kCmdGraphicalInput, "Graphical input\nGraphical input with the mouse"},
    {kCmdGrid, "Grid\nGrid (Drawing Tool)"},
    {kCmdHinge, "Hinge\nAdd a hinge by a click"},
    {kCmdZoom, "Zoom window\nZoom to a dragged window"},
    {kCmdAuxLines, "Aux. lines\nLines through every node"},
    {kCmdEndMarks, "End marks\nCircles at the ends of the elements"},
    {kCmdTidyText, "Overlap-free labels\nLabels upright, none over another"},
    {kCmdRedraw, "Redraw\nDraw the frame anew"},
    {kCmdLiveCheck, "Live check\nShow the mechanism the live check finds"},
    {kCmdEditUndo, "Undo the last change\nUndo"},
    {kCmdEditRedo, "Redo the change undone last\nRedo"},
};

// Commands that neither a menu item nor a standard button carries. Their
// second numbers (the second Echo and Aux. lines, the refresh switch's
// twin) have no name and stay out of the customization's list.
const std::pair<int, const char*> kUnlistedCommands[] = {
    {kCmdDirectory, "Directory"},
    {kCmdPageBorder, "Page border"},
    {kCmdSpareToggleA, "Display switch A"},
    {kCmdSpareToggleB, "Display switch B"},
    {kCmdSetAside, "Set the label switches aside"},
    {kCmdRefreshToggle, "Refresh switch"},
    {kCmdUnlockInput, "Unlock Dialog Input"},
    {kCmdLockInput, "Lock Dialog Input"},
};

const ButtonRow* FindButtonRow(int id) {
  for (const ButtonRow& row : kButtons)
    if (row.id == id) return &row;
  return nullptr;
}

QList<int> StandardButtons() {
  QList<int> ids;
  for (const ButtonRow& row : kButtons) ids << row.id;
  return ids;
}

}  // namespace

void MainWindow::createToolBars() {
  toolbar_ = addToolBar(tr("Standard"));
  toolbar_->setObjectName(kStandardToolbarName);
  toolbar_->setIconSize(QSize(kButtonWidth, kButtonHeight));
  customizeGap_ = toolbar_->addSeparator();
  QAction* customize = toolbar_->addAction(tr("Anpassen..."));
  customize->setIconText(customize->text());  // the button keeps its dots
  customize->setToolTip(tr("Customize the toolbars"));
  customize->setWhatsThis(
      tr("<b>Anpassen...</b>: make toolbars of your own, put any command on any toolbar, "
         "take buttons off, move them and give them pictures of your own. The toolbars and "
         "where they stand are kept for the next start."));
  connect(customize, &QAction::triggered, this, [this] {
    ToolbarCustomizeDialog dialog(toolbarLayout_, commandCatalogue(), view_->messages(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    applyToolbarLayout(dialog.toolbarLayout());
    WriteToolbarLayout(toolbarLayout_);
    saveWindowLayout();
    refreshEditActions();
    updateCommandStates();
  });
  applyToolbarLayout(ReadToolbarLayout(StandardButtons()));
  restoreWindowLayout();
}

QToolBar* MainWindow::userToolBar(const QString& objectName) const {
  const auto found = userToolbars_.find(objectName);
  return found == userToolbars_.end() ? nullptr : found->second;
}

void MainWindow::applyToolbarLayout(const ToolbarLayout& layout) {
  toolbarLayout_ = layout;
  for (auto it = userToolbars_.begin(); it != userToolbars_.end();) {
    if (HoldsToolbar(layout, it->first)) {
      ++it;
      continue;
    }
    fillToolBar(it->second, {});
    removeToolBar(it->second);
    delete it->second;
    it = userToolbars_.erase(it);
  }
  for (const ToolbarSetup& setup : layout.toolbars)
    fillToolBar(IsStandardToolbar(setup) ? toolbar_ : makeUserToolBar(setup), setup.commands);
}

QToolBar* MainWindow::makeUserToolBar(const ToolbarSetup& setup) {
  QToolBar*& toolbar = userToolbars_[setup.objectName];
  if (!toolbar) {
    toolbar = addToolBar(setup.title);
    toolbar->setObjectName(setup.objectName);
    toolbar->setIconSize(QSize(kButtonWidth, kButtonHeight));
  }
  toolbar->setWindowTitle(setup.title);
  return toolbar;
}

// The standard toolbar keeps its gap and "Anpassen..." at the end.
void MainWindow::fillToolBar(QToolBar* toolbar, const QList<int>& commands) {
  QAction* end = toolbar == toolbar_ ? customizeGap_ : nullptr;
  for (QAction* old : toolbar->actions()) {
    if (old == end) break;
    toolbar->removeAction(old);
    dropAction(old);
    delete old;
  }
  for (int id : commands) {
    if (id == kSeparatorButton)
      toolbar->insertSeparator(end);
    else if (!commandName(id).isEmpty())  // a command this build does not know is left out
      toolbar->insertAction(end, makeButton(id));
  }
}

QAction* MainWindow::makeButton(int id) {
  const ButtonRow* row = FindButtonRow(id);
  const QString name = commandName(id);
  const QStringList tip =
      row ? QString::fromLatin1(row->tip).split('\n') : QStringList{QString(), name};
  QAction* button = makeAction(id, tip.value(1));
  button->setIcon(buttonIcon(id));
  button->setStatusTip(tip.value(0));
  button->setToolTip(tip.value(1));
  const QString help = ToolbarWhatsThis(id);
  button->setWhatsThis(help.isEmpty() ? tr("<b>%1</b>: a button put on the toolbar with "
                                           "Anpassen...; it runs the command %1.")
                                            .arg(name)
                                      : help);
  // A button whose command has a state shows it by its pressed look.
  button->setCheckable(view_->commandChecked(id).has_value());
  return button;
}

QIcon MainWindow::buttonIcon(int id) const {
  QPixmap picture;
  if (picture.loadFromData(toolbarLayout_.images.value(id), "PNG")) return QIcon(picture);
  return ToolbarIcon(id);
}

void MainWindow::dropAction(QAction* action) {
  for (auto it = actions_.begin(); it != actions_.end(); ++it) {
    if (it->second == action) {
      actions_.erase(it);
      return;
    }
  }
}

QString MainWindow::commandName(int id) const {
  if (const auto found = names_.find(id); found != names_.end()) return found->second;
  if (const ButtonRow* row = FindButtonRow(id))
    return QString::fromLatin1(row->tip).section('\n', 1);
  for (const auto& [command, name] : kUnlistedCommands)
    if (command == id) return name;
  if (id >= kFirstLookCommand && id <= kLastLookCommand && !LookStyleName(id).isEmpty())
    return tr("Look: %1").arg(LookStyleName(id));
  return QString();
}

QList<CommandEntry> MainWindow::commandCatalogue() const {
  std::set<int> ids;
  for (const auto& [id, action] : actions_) ids.insert(id);
  for (int id : view_->commandIds()) ids.insert(id);
  for (const ButtonRow& row : kButtons) ids.insert(row.id);
  for (int look = kFirstLookCommand; look <= kLastLookCommand; ++look) ids.insert(look);
  QList<CommandEntry> entries;
  QStringList names;
  for (int id : ids) {
    const QString name = commandName(id);
    // The looks repeat the toolkit's styles: one entry for each style.
    if (name.isEmpty() || !serves(id) || names.contains(name)) continue;
    names << name;
    entries.push_back({id, name, ToolbarIcon(id)});
  }
  return entries;
}

// The input hub's dock is left out: it starts docked and hidden at every
// start, and the hub decides where it opens.
void MainWindow::restoreWindowLayout() {
  restoreState(ReadWindowState(), kWindowLayoutVersion);
  hubDock_->setFloating(false);
  addDockWidget(Qt::LeftDockWidgetArea, hubDock_);
  hubDock_->hide();
}

void MainWindow::saveWindowLayout() { WriteWindowState(saveState(kWindowLayoutVersion)); }

}  // namespace rerore
