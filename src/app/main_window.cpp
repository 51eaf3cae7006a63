#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>

#include "app/about_dialog.h"
#include "app/application_look.h"
#include "app/edit_history.h"
#include "app/input_dialogs.h"
#include "app/toolbar_customize_dialog.h"
#include "app/toolbar_icons.h"
#include "app/window_help.h"
#include "gui/command_ids.h"
#include "gui/help_launcher.h"
#include "gui/message_boxes.h"
#include "view/frame_view.h"
#ifdef RERORE_WITH_DXF
#include "app/dxf_commands.h"
#endif

namespace rerore {

namespace {

constexpr int kToolbarBand = 50;  // the top of the client area holds the toolbar
constexpr int kRightBorder = 40;
constexpr int kStatusNoteTime = 10000;  // milliseconds

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
    {kCmdEditUndo, "Undo the last change\nUndo"},
    {kCmdEditRedo, "Redo the change undone last\nRedo"},
};

// Commands the main window serves itself.
bool WindowServes(int id) {
  return id == kCmdKeysHelp || id == kCmdManual || id == kCmdContextHelp || id == kCmdAbout ||
         id == kCmdEditUndo || id == kCmdEditRedo ||
         (id >= kFirstLookCommand && id <= kLastLookCommand);
}

// "Undo" or "Undo Delete element 3".
QString StepText(const char* verb, const QString& step) {
  return step.isEmpty() ? QString(verb) : QString(verb) + " " + step;
}

}  // namespace

MainWindow::MainWindow(Session& session) : session_(session) {
  view_ = new FrameView(session_, this);
  inputDialogs_ = new InputDialogs(*view_, this);
  history_ = new EditHistory(session_, this);
  setCentralWidget(view_);
  view_->setWhatsThis(ViewWhatsThis());
  setDockNestingEnabled(true);
  createMenus();
  createToolBar();
  createStatusBar();
  createAccelerators();
  wireHistory();
  refreshTitle();
  // The view names the position at every paint; the change mark is ours.
  connect(view_, &FrameView::titleChanged, this, &MainWindow::refreshTitle);
  connect(view_, &FrameView::promptChanged, panes_[kPromptPane], &QLabel::setText);
  connect(view_, &FrameView::pointerMoved, this, &MainWindow::showCoordinates);
  connect(view_, &FrameView::commandStatesChanged, this, &MainWindow::updateCommandStates);
  connect(view_, &FrameView::quitRequested, this, &MainWindow::quitRequested);
  connect(view_, &FrameView::statusNote, this,
          [this](const QString& text) { statusBar()->showMessage(text, kStatusNoteTime); });
  view_->installEventFilter(this);
  updateCommandStates();
}

QAction* MainWindow::makeAction(int id, const QString& text, const QKeySequence& key) {
  auto* action = new QAction(text, this);
  action->setData(id);
  if (!key.isEmpty()) action->setShortcut(key);
  connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
  actions_.emplace(id, action);
  return action;
}

QAction* MainWindow::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::createMenus() {
  QMenu* position = menuBar()->addMenu(tr("&Position"));
  position->addAction(makeAction(kCmdNew, "&New\tCtrl+N", QKeySequence("Ctrl+N")));
  position->addAction(makeAction(kCmdOpen, "O&pen...\tCtrl+O", QKeySequence("Ctrl+O")));
  position->addAction(makeAction(kCmdStore, "S&tore\tCtrl+S", QKeySequence("Ctrl+S")));
  position->addAction(makeAction(kCmdStoreAs, "Store &as..."));
  position->addSeparator();
#ifdef RERORE_WITH_DXF
  position->addAction(makeAction(kCmdImportDxf, "&Import DXF..."));
  position->addAction(makeAction(kCmdExportDxf, "E&xport DXF..."));
  position->addSeparator();
#endif
  position->addAction(makeAction(kCmdPrint, "&Print...\tCtrl+P", QKeySequence("Ctrl+P")));
  position->addAction(
      makeAction(kCmdFileD1, "File D1 (Dimensions)\tCtrl+D", QKeySequence("Ctrl+D")));
  position->addSeparator();
  position->addAction(makeAction(kCmdEnd, "&End\t2 x ESC", QKeySequence(Qt::Key_X)));
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = makeAction(kCmdEditUndo, "&Undo\tCtrl+Z");
  undo->setShortcuts({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")});
  QAction* redo = makeAction(kCmdEditRedo, "&Redo\tCtrl+Y");
  redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  // Also while the elements table is the active window (a cell being edited
  // keeps the keys for its own text); a modal dialog blocks them.
  for (QAction* step : {undo, redo}) {
    step->setShortcutContext(Qt::ApplicationShortcut);
    edit->addAction(step);
  }
  QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
  QAction* aux = makeAction(kCmdAuxLines, "Aux. lines");
  aux->setCheckable(true);
  viewMenu->addAction(aux);
  menuBar()->addAction(makeAction(kCmdFont, "&Font"));
  menuBar()->addAction(makeAction(kCmdEcho, "Ec&ho"));
  menuBar()->addAction(makeAction(kCmdDialogInput, "&Dialog Input"));
  createHelpMenu();
}

// The help's commands keep their numbers; the menu items carry F1 and
// Shift+F1.
void MainWindow::createHelpMenu() {
  QMenu* help = menuBar()->addMenu(tr("Help"));
  help->addAction(makeAction(kCmdKeysHelp, "&Keys and mouse"));
  help->addAction(makeAction(kCmdManual, "&Manual", QKeySequence("F1")));
  help->addAction(makeAction(kCmdContextHelp, "&What's This?", QKeySequence("Shift+F1")));
  help->addSeparator();
  help->addAction(makeAction(kCmdAbout, "&About RERORE"));
}

void MainWindow::createToolBar() {
  toolbar_ = addToolBar(tr("Standard"));
  toolbar_->setObjectName("Standard");
  toolbar_->setIconSize(QSize(kButtonWidth, kButtonHeight));
  for (const ButtonRow& row : kButtons) {
    const QStringList tip = QString::fromLatin1(row.tip).split('\n');
    QAction* button = makeAction(row.id, tip.value(1));
    button->setIcon(ToolbarIcon(row.id));
    button->setStatusTip(tip.value(0));
    button->setToolTip(tip.value(1));
    button->setWhatsThis(ToolbarWhatsThis(row.id));
    button->setCheckable(row.id == kCmdGraphicalInput || row.id == kCmdGrid);
    toolbar_->addAction(button);
  }
  toolbar_->addSeparator();
  QAction* customize = toolbar_->addAction(tr("Anpassen..."));
  customize->setIconText(customize->text());  // the button keeps its dots
  customize->setToolTip(tr("Choose the buttons of the toolbar"));
  customize->setWhatsThis(
      tr("<b>Anpassen...</b>: choose which buttons the toolbar shows; the choice is kept "
         "for the next start."));
  connect(customize, &QAction::triggered, this, &MainWindow::customizeToolBar);
  RestoreToolbarButtons(toolbar_);
}

void MainWindow::customizeToolBar() {
  ToolbarCustomizeDialog dialog(toolbar_, this);
  dialog.exec();
}

void MainWindow::createStatusBar() {
  for (int i = 0; i < kStatusPanes; ++i) {
    panes_[i] = new QLabel(this);
    if (i == kPromptPane)
      statusBar()->addWidget(panes_[i], 1);
    else
      statusBar()->addPermanentWidget(panes_[i]);
  }
}

void MainWindow::createAccelerators() {
  // Two keys of one command on a line.
  // clang-format off
  const std::pair<int, const char*> keys[] = {
      {kCmdEditCopy, "Ctrl+C"},  {kCmdEditCopy, "Ctrl+Ins"},
      {kCmdEditCut, "Ctrl+X"},   {kCmdEditCut, "Shift+Del"},
      {kCmdEditPaste, "Ctrl+V"}, {kCmdEditPaste, "Shift+Ins"},
      {kCmdNextPane, "F6"},      {kCmdPreviousPane, "Shift+F6"},
  };
  // clang-format on
  for (const auto& [id, key] : keys) addAction(makeAction(id, QString(), QKeySequence(key)));
}

void MainWindow::wireHistory() {
  EditHistory* h = history_;
  connect(view_, &FrameView::modelEdited, h, &EditHistory::record);
  connect(inputDialogs_, &InputDialogs::modelEdited, h, &EditHistory::record);
#ifdef RERORE_WITH_DXF
  connect(new DxfCommands(*view_, this), &DxfCommands::modelEdited, h, &EditHistory::record);
#endif
  // Commands that change the model without being an edit of it (Store,
  // Dialog Input's defaults, ...) leave a state that the next step starts
  // from.
  connect(view_, &FrameView::commandFinished, h, &EditHistory::adopt);
  connect(view_, &FrameView::positionStored, h, &EditHistory::markStored);
  connect(view_, &FrameView::positionChanged, h, &EditHistory::restart);
  view_->setUnsavedChanges([h] { return h->modified(); });
  connect(h, &EditHistory::modelChanged, this, &MainWindow::showChangedModel);
  connect(h, &EditHistory::modifiedChanged, this, &MainWindow::refreshTitle);
  QUndoStack& stack = h->stack();
  for (auto changed : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
    connect(&stack, changed, this, &MainWindow::refreshEditActions);
  for (auto changed : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
    connect(&stack, changed, this, &MainWindow::refreshEditActions);
  refreshEditActions();
}

void MainWindow::showChangedModel() {
  view_->redraw();
  inputDialogs_->refreshElementsTable();
  refreshTitle();
}

void MainWindow::refreshTitle() {
  const std::string mark = history_->modified() ? "*" : "";
  setWindowTitle(FromAnsi("Position " + session_.paths.positionName + mark + " "));
}

void MainWindow::refreshEditActions() {
  const QUndoStack& stack = history_->stack();
  const QString undo = StepText("Undo", stack.undoText());
  const QString redo = StepText("Redo", stack.redoText());
  for (const auto& [id, action] : actions_) {
    if (id != kCmdEditUndo && id != kCmdEditRedo) continue;
    const QString& text = id == kCmdEditUndo ? undo : redo;
    // The menu item shows its key after the tab; the button its tip.
    const bool inMenu = !action->shortcuts().isEmpty();
    action->setText(inMenu ? "&" + text + (id == kCmdEditUndo ? "\tCtrl+Z" : "\tCtrl+Y") : text);
    if (!inMenu) action->setToolTip(text);
    action->setEnabled(commandEnabled(id));
  }
}

void MainWindow::runCommand(int id) {
  if (!view_->runCommand(id)) serveWindowCommands(id);
  updateCommandStates();
}

void MainWindow::serveWindowCommands(int id) {
  if (id == kCmdKeysHelp) {
    OpenKeysPage(view_->messages());
  } else if (id == kCmdManual) {
    OpenManual(view_->messages());
  } else if (id == kCmdContextHelp) {
    QWhatsThis::enterWhatsThisMode();
  } else if (id == kCmdAbout) {
    AboutDialog(this).exec();
  } else if (id == kCmdEditUndo) {
    history_->stack().undo();
  } else if (id == kCmdEditRedo) {
    history_->stack().redo();
  } else if (id >= kFirstLookCommand && id <= kLastLookCommand) {
    ChooseApplicationLook(id);
  }
}

void MainWindow::updateCommandStates() {
  for (const auto& [id, action] : actions_) {
    action->setEnabled(commandEnabled(id));
    const std::optional<bool> checked = view_->commandChecked(id);
    if (checked && action->isCheckable()) action->setChecked(*checked);
  }
}

// A command nobody serves is greyed, as the framework shows it; so are
// Undo and Redo with nothing to undo or redo.
bool MainWindow::commandEnabled(int id) const {
  if (id == kCmdEditUndo) return history_->stack().canUndo();
  if (id == kCmdEditRedo) return history_->stack().canRedo();
  return view_->serves(id) || WindowServes(id);
}

void MainWindow::showCoordinates(int logicalX, int logicalY) {
  const double units = session_.view.unitsPerMetre;
  panes_[kCoordinatesPane]->setText(
      FromAnsi(Format("%.2f  %.2f", logicalX / units, logicalY / units)));
}

void MainWindow::showStatusPoint(int logicalX, int logicalY) {
  QApplication::beep();
  const double units = session_.view.unitsPerMetre;
  panes_[kPointPane]->setText(
      FromAnsi(Format("XXXXXX %.2f  %.2f", logicalX / units, logicalY / units)));
  panes_[kPointYPane]->setText(FromAnsi(Format("y = %.2f", logicalY / units)));
}

bool MainWindow::OverDrawing(QPoint p, QSize client, int statusBarHeight, int menuBarHeight) {
  return p.y() >= kToolbarBand && p.x() <= client.width() - kRightBorder &&
         p.y() <= client.height() - statusBarHeight - menuBarHeight;
}

void MainWindow::applyPointerRule(QPoint viewPoint) {
  const int menu = menuBar()->isVisible() ? menuBar()->height() : 0;
  const QPoint inWindow = view_->mapTo(this, viewPoint) - QPoint(0, menu);
  const QSize client(width(), height() - menu);
  if (OverDrawing(inWindow, client, statusBar()->height(), menu)) {
    view_->setCursor(Qt::BlankCursor);
  } else {
    view_->setCursor(Qt::ArrowCursor);
    // After the view has taken the mouse move, which would show it again.
    QMetaObject::invokeMethod(view_, &FrameView::hideCrossHair, Qt::QueuedConnection);
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::MouseMove)
    applyPointerRule(static_cast<QMouseEvent*>(event)->position().toPoint());
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The End command decides: it writes the echo file and ends the program.
  event->ignore();
  QMetaObject::invokeMethod(
      view_, [this] { view_->runCommand(kCmdEnd); }, Qt::QueuedConnection);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!isMaximized()) setWindowState(windowState() | Qt::WindowMaximized);
}

}  // namespace rerore
