#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QWhatsThis>

#include "app/about_dialog.h"
#include "app/application_look.h"
#include "app/edit_history.h"
#include "app/input_dialogs.h"
#include "app/window_help.h"
#include "commands/position_commands.h"
#include "gui/command_ids.h"
#include "gui/help_launcher.h"
#include "gui/live_checker.h"
#include "gui/message_boxes.h"
#include "tables/input_hub.h"
#include "view/frame_view.h"
#ifdef RERORE_WITH_DXF
#include "app/dxf_commands.h"
#endif

namespace rerore {

namespace {

constexpr int kToolbarBand = 50;  // the top of the client area holds the toolbar
constexpr int kRightBorder = 40;
constexpr int kStatusNoteTime = 10000;  // milliseconds

bool IsRecentPosition(int id) {
  return id >= kCmdRecentPosition && id < kCmdRecentPosition + kRecentPositions;
}

// Commands the main window serves itself.
bool WindowServes(int id) {
  return id == kCmdKeysHelp || id == kCmdManual || id == kCmdContextHelp || id == kCmdAbout ||
         id == kCmdEditUndo || id == kCmdEditRedo || IsRecentPosition(id) ||
         (id >= kFirstLookCommand && id <= kLastLookCommand);
}

// The colour of the verdict: green for a sound frame, red for one that
// would not pass Store's check.
QString VerdictStyle(LiveVerdictKind kind) {
  if (kind == LiveVerdictKind::Sound) return "color: #006400;";
  if (kind == LiveVerdictKind::NoElements) return QString();
  return "color: #b00000;";
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
  liveChecker_ = new LiveChecker(this);
  setCentralWidget(view_);
  view_->setWhatsThis(ViewWhatsThis());
  setDockNestingEnabled(true);
  createHubDock();
  createMenus();
  createToolBars();
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
  connect(view_, &FrameView::snapPointMoved, this, [this](double x, double y) {
    panes_[kSnapPane]->setText(FromAnsi(Format("Snap: x = %.2f m  y = %.2f m", x, y)));
  });
  connect(view_, &FrameView::snapPointHidden, panes_[kSnapPane], &QLabel::clear);
  connect(liveChecker_, &LiveChecker::verdictReady, this, &MainWindow::showVerdict);
  // Open, a recent position and Store as put a position in work.
  connect(view_, &FrameView::commandFinished, this, &MainWindow::rememberPosition);
  connect(view_, &FrameView::positionChanged, this, &MainWindow::rememberPosition);
  view_->installEventFilter(this);
  recent_ = ReadRecentPositions(session_.paths);
  rememberPosition();
  liveChecker_->check(session_);
  updateCommandStates();
}

MainWindow::~MainWindow() { saveWindowLayout(); }

QAction* MainWindow::makeAction(int id, const QString& text, const QKeySequence& key) {
  auto* action = new QAction(text, this);
  action->setData(id);
  // The first text a command gets is its name in the toolbar customization.
  if (!text.isEmpty()) names_.emplace(id, text.section('\t', 0, 0).remove('&'));
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
  position->addAction(makeAction(kCmdPrintPreview, "Print pre&view..."));
  position->addAction(
      makeAction(kCmdFileD1, "File D1 (Dimensions)\tCtrl+D", QKeySequence("Ctrl+D")));
  position->addSeparator();
  createRecentList(position);
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
  createViewMenu();
  menuBar()->addAction(makeAction(kCmdFont, "&Font"));
  menuBar()->addAction(makeAction(kCmdEcho, "Ec&ho"));
  menuBar()->addAction(makeAction(kCmdDialogInput, "&Dialog Input"));
  createHelpMenu();
}

// Every input mode and display switch of the view. The keys of the zoom
// are the view's own (it also needs them while drawing): the menu only
// names them.
void MainWindow::createViewMenu() {
  QMenu* menu = menuBar()->addMenu(tr("&View"));
  struct Item {
    int id;
    const char* text;
    bool checkable;
  };
  const Item items[] = {
      {kCmdAuxLines, "Aux. lines", true},
      {kCmdEndMarks, "&End marks", true},
      {kCmdTidyText, "&Overlap-free labels", true},
      {kCmdLiveCheck, "&Live check", true},
      {0, nullptr, false},
      {kCmdHinge, "&Hinge mode", true},
      {kCmdZoom, "&Zoom window", true},
      {kCmdWindowMode, "&Window mode", true},
      {kCmdAuxHorizontal, "Hori&zontal aux line", true},
      {kCmdAuxVertical, "&Vertical aux line", true},
      {0, nullptr, false},
      {kCmdZoomIn, "Zoom &in\t+", false},
      {kCmdZoomOut, "Zoom &out\t-", false},
      {kCmdFitFrame, "Whole &frame\tHome", false},
      {kCmdRedraw, "&Redraw", false},
  };
  for (const Item& item : items) {
    if (item.id == 0) {
      menu->addSeparator();
      continue;
    }
    QAction* action = makeAction(item.id, item.text);
    action->setCheckable(item.checkable);
    menu->addAction(action);
  }
}

// The list of the positions opened last, between Print and End; its items
// are shown once there is something in them.
void MainWindow::createRecentList(QMenu* menu) {
  for (int i = 0; i < kRecentPositions; ++i) {
    QAction* item = makeAction(kCmdRecentPosition + i, QString());
    item->setVisible(false);
    menu->addAction(item);
    recentActions_.push_back(item);
  }
  recentSeparator_ = menu->addSeparator();
  recentSeparator_->setVisible(false);
}

void MainWindow::refreshRecentList() {
  for (int i = 0; i < kRecentPositions; ++i) {
    QAction* item = recentActions_[i];
    const bool used = i < static_cast<int>(recent_.size());
    item->setVisible(used);
    if (used)
      item->setText(QString("&%1 %2   %3")
                        .arg(i + 1)
                        .arg(FromFileName(recent_[i].name), FromFileName(recent_[i].dataPath)));
  }
  recentSeparator_->setVisible(!recent_.empty());
}

// Only a position with a name and a directory is worth opening again.
void MainWindow::rememberPosition() {
  const PositionPaths& paths = session_.paths;
  if (!IsUnnamedPosition(paths) && QFileInfo(FromFileName(paths.positionDirectory)).isDir()) {
    const RecentPosition current{paths.positionName, paths.dataPath};
    if (recent_.empty() || !(recent_.front() == current)) {
      PutFirst(recent_, current);
      WriteRecentPositions(paths, recent_);
    }
  }
  refreshRecentList();
}

void MainWindow::openRecent(int index) {
  if (index < 0 || index >= static_cast<int>(recent_.size())) return;
  const RecentPosition chosen = recent_[index];
  if (view_->openPositionFolder(chosen.folder())) return;
  // A folder that holds no position any more leaves the list.
  if (!QFileInfo(FromFileName(chosen.folder())).isDir()) {
    recent_.erase(recent_.begin() + index);
    WriteRecentPositions(session_.paths, recent_);
    refreshRecentList();
  }
}

// The input hub stands in its own dock beside the drawing, so that it
// covers neither the frame nor the input hint; the view fits the frame
// into what is left. It can be moved to the other side or floated.
void MainWindow::createHubDock() {
  hubDock_ = new QDockWidget(tr("Input"), this);
  hubDock_->setObjectName("inputHubDock");
  hubDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  addDockWidget(Qt::LeftDockWidgetArea, hubDock_);
  hubDock_->hide();
  inputDialogs_->setHubDock(hubDock_);
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
  inputDialogs_->refreshOpenDialogs();
  refreshTitle();
  liveChecker_->check(session_);
}

// The verdict in its pane, and a mechanism in the drawing.
void MainWindow::showVerdict() {
  const std::optional<LiveCheckResult>& verdict = liveChecker_->verdict();
  if (!verdict) return;
  QLabel* pane = panes_[kVerdictPane];
  pane->setText(FromAnsi(LiveVerdictText(*verdict)));
  pane->setStyleSheet(VerdictStyle(verdict->kind));
  view_->setLiveMechanism(verdict->mechanism);
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
  } else if (IsRecentPosition(id)) {
    openRecent(id - kCmdRecentPosition);
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
  return serves(id);
}

bool MainWindow::serves(int id) const { return view_->serves(id) || WindowServes(id); }

void MainWindow::showCoordinates(int logicalX, int logicalY) {
  const double units = session_.view.unitsPerMetre;
  panes_[kCoordinatesPane]->setText(
      FromAnsi(Format("x = %.2f m  y = %.2f m", logicalX / units, logicalY / units)));
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
