// The main window: the menu bar, the toolbar "Standard" and the user's own
// toolbars, the status bar with its panes and the view, and the input
// dialogs wired to the view. Every command goes to the view first; the
// window serves the help, the looks and the toolbar customization itself.
// Closing the window runs the End command instead of closing it. The
// toolbars and where they stand are kept in the settings for the next start.
#pragma once

#include <QMainWindow>
#include <map>
#include <vector>

#include "app/toolbar_customize_dialog.h"
#include "app/toolbar_layout.h"
#include "model/recent_positions.h"
#include "model/session.h"

class QDockWidget;
class QLabel;
class QMenu;
class QToolBar;

namespace rerore {

class EditHistory;
class FrameView;
class InputDialogs;
class LiveChecker;

inline constexpr int kStatusPanes = 6;
inline constexpr int kPromptPane = 0;
inline constexpr int kPointPane = 1;
inline constexpr int kPointYPane = 2;
inline constexpr int kCoordinatesPane = 3;
inline constexpr int kSnapPane = 4;     // while drawing: the point a click takes
inline constexpr int kVerdictPane = 5;  // the live check's verdict

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Session& session);
  ~MainWindow() override;
  FrameView* view() const { return view_; }
  InputDialogs* inputDialogs() const { return inputDialogs_; }
  EditHistory* history() const { return history_; }
  LiveChecker* liveChecker() const { return liveChecker_; }
  QDockWidget* hubDock() const { return hubDock_; }
  // The positions of the Position menu's list, the latest first.
  const std::vector<RecentPosition>& recentPositions() const { return recent_; }
  QToolBar* standardToolBar() const { return toolbar_; }
  // A toolbar of the user by its object name; null when there is none.
  QToolBar* userToolBar(const QString& objectName) const;
  const ToolbarLayout& toolbarLayout() const { return toolbarLayout_; }
  // Every command a toolbar button can carry, with its name and picture.
  QList<CommandEntry> commandCatalogue() const;
  // The menu item or button of command `id` (the first made for it).
  QAction* action(int id) const;
  QLabel* pane(int index) const { return panes_[index]; }

  // Routes a command: the view first, then the frame.
  void runCommand(int id);
  // Refreshes the checked and pressed states from the view's flags.
  void updateCommandStates();

  // The world point in panes 1 and 2, after a beep.
  void showStatusPoint(int logicalX, int logicalY);

  // The pointer rule: over the drawing the view's cross-hair is the only
  // pointer; on the toolbar, the right border and below, the arrow shows.
  // (x, y) in the window's client area of `client` size.
  static bool OverDrawing(QPoint point, QSize client, int statusBarHeight, int menuBarHeight);

 signals:
  // The program ends with this exit code.
  void quitRequested(int exitCode);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* makeAction(int id, const QString& text, const QKeySequence& key = QKeySequence());
  void createMenus();
  void createViewMenu();
  void createHelpMenu();
  void createRecentList(QMenu* menu);
  void createHubDock();
  void createToolBars();
  // Builds the toolbars as `layout` says: toolbars it no longer holds go,
  // new ones come, and each gets its buttons anew.
  void applyToolbarLayout(const ToolbarLayout& layout);
  void fillToolBar(QToolBar* toolbar, const QList<int>& commands);
  QToolBar* makeUserToolBar(const ToolbarSetup& setup);
  QAction* makeButton(int id);
  QIcon buttonIcon(int id) const;
  QString commandName(int id) const;
  // Takes an action of a button away from the command table.
  void dropAction(QAction* action);
  void restoreWindowLayout();
  void saveWindowLayout();
  void createStatusBar();
  void createAccelerators();
  void wireHistory();
  void serveWindowCommands(int id);
  bool commandEnabled(int id) const;
  bool serves(int id) const;
  // Undo and Redo name the step they would undo or redo.
  void refreshEditActions();
  // "Position NAME ", with "*" after the name while the frame differs from
  // the stored one.
  void refreshTitle();
  // After every change of the model, whoever made it.
  void showChangedModel();
  void showCoordinates(int logicalX, int logicalY);
  void showVerdict();
  // The position in work heads the list of recent positions.
  void rememberPosition();
  void refreshRecentList();
  void openRecent(int index);
  void applyPointerRule(QPoint viewPoint);

  Session& session_;
  FrameView* view_;
  InputDialogs* inputDialogs_;
  EditHistory* history_;
  LiveChecker* liveChecker_;
  QDockWidget* hubDock_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QAction* customizeGap_ = nullptr;  // the standard toolbar's buttons end before it
  std::map<QString, QToolBar*> userToolbars_;
  ToolbarLayout toolbarLayout_;
  std::map<int, QString> names_;  // the commands' names, from their first text
  std::vector<RecentPosition> recent_;
  std::vector<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  QLabel* panes_[kStatusPanes] = {};
  std::multimap<int, QAction*> actions_;
};

}  // namespace rerore
