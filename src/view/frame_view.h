// The drawing view of the frame. It keeps the picture of the frame in a
// cached pixmap, drawn anew only when the model or the mapping changed
// (redraw()), and paints the overlays (the cross-hair, the zoom rectangle)
// over it at every paint.
//
// It serves the commands of the menus and the toolbar (runCommand, with a
// table that other parts of the program may extend through setCommand).
// What it cannot do itself, as the input dialogs are no part of it, it asks
// for by its signals: the input hub, the elements table, the element
// editor; the main window wires them.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/live_check.h"
#include "commands/position_commands.h"
#include "gui/message_boxes.h"
#include "model/session.h"
#include "view/core/graphical_input.h"
#include "view/core/world_mapping.h"
#include "view/frame_drawing.h"

class QLabel;
class QPrinter;

namespace rerore {

class EchoHelpDialog;

class FrameView : public QWidget {
  Q_OBJECT
 public:
  using CommandHandler = std::function<void()>;
  using CommandState = std::function<bool()>;

  explicit FrameView(Session& session, QWidget* parent = nullptr);
  ~FrameView() override;

  Session& session() { return session_; }
  WorldMapping& mapping() { return mapping_; }
  // Where the view's messages and questions go: message boxes, unless
  // another receiver is set (the tests record them).
  UserMessages& messages() { return *messages_; }
  void setMessages(UserMessages& messages) {
    messages_ = &messages;
    input_.setMessages(messages);
  }

  // Commands. runCommand returns false when the view does not serve `id`.
  // A command with a state shows it as the pressed or checked state of its
  // button and menu item.
  bool runCommand(int id);
  bool serves(int id) const { return commands_.count(id) != 0; }
  std::vector<int> commandIds() const {
    std::vector<int> ids;
    for (const auto& [id, command] : commands_) ids.push_back(id);
    return ids;
  }
  std::optional<bool> commandChecked(int id) const;
  void setCommand(int id, CommandHandler handler, CommandState state = {});

  // The frame picture is drawn anew at the next paint.
  void redraw();
  const QPixmap& framePicture() const { return frame_; }

  // The live check's mechanism, drawn in light colours while "Live check"
  // is on and Store's check shows none; null for none.
  void setLiveMechanism(std::shared_ptr<const LiveMechanism> mechanism);
  const LiveMechanism* liveMechanism() const { return liveMechanism_.get(); }
  // A mechanism is on the screen: Store's, or the live check's.
  bool showsMechanism() const;
  // Where the pole labels of the picture went, in device pixels.
  const std::vector<DeviceRect>& poleLabelBoxes() const { return labels_.poles; }
  // The element numbers and node labels of the picture.
  const std::vector<DrawnLabel>& frameLabels() const { return labels_.frame; }

  // Opens the position of a folder (after the question about unsaved
  // changes), as Open does with the folder chosen in its browser. False
  // when it was not opened.
  bool openPositionFolder(const std::string& folder);

  const std::string& promptText() const { return prompt_; }
  void setPromptText(const std::string& text);

  // The cross-hair that stands for the pointer over the drawing; hidden at
  // (-1, -1).
  void moveCrossHair(QPoint point);
  QPoint crossHair() const { return {input_.state().crossHair.x, input_.state().crossHair.y}; }

  // The mouse and key input, and the clock (milliseconds) its double
  // Escape measures with.
  GraphicalInput& input() { return input_; }
  void setClock(std::function<int64_t()> clock) { clock_ = std::move(clock); }
  // The input hint shown while Graphical input is on (null before).
  QLabel* inputHint() const { return hint_; }
  // Where the context menu was opened last outside the input modes, in
  // screen coordinates: the input hub opens there next, once.
  std::optional<QPoint> hubPoint() const { return hubPoint_; }
  void forgetHubPoint() { hubPoint_.reset(); }

  // Ends whatever the mouse was doing: no rubber band, no cross-hair, no
  // prompt.
  void resetInputModes();

  // Whether the frame differs from the stored one, as New and Open ask;
  // without it the change sum of the parameter block tells.
  void setUnsavedChanges(std::function<bool()> query) { unsavedChanges_ = std::move(query); }

  // Printing and the clipboard.
  void printPage(QPrinter& printer);
  void copyToClipboard();

 public slots:
  void hideCrossHair() { moveCrossHair({-1, -1}); }
  // The title dialog; its OK stores the title and tells by titleEntered.
  // The frame is drawn anew after either button.
  void editTitle();
  // "Structure of the echo-files", modeless; only one at a time.
  void openEchoStructure();

 signals:
  void titleChanged(const QString& title);
  void promptChanged(const QString& prompt);
  // The last mouse point in logical units, for the coordinates pane.
  void pointerMoved(int logicalX, int logicalY);
  // While drawing: the point a click would take, in metres; hidden when
  // no chain is drawn.
  void snapPointMoved(double x, double y);
  void snapPointHidden();
  void commandStatesChanged();
  // Dialog Input, unless the input is locked.
  void inputHubRequested();
  // A click on element `element` outside the input modes. Whoever opens the
  // editor does so at once: the frame is drawn anew when the signal returns.
  void elementEditorRequested(int element);
  // The grid was switched off with Escape (or its command).
  void elementsTableRequested();
  void titleEntered();
  // A line for the status bar (the help shown in another viewer than asked for).
  void statusNote(const QString& text);
  // The program ends with this exit code.
  void quitRequested(int exitCode);
  // The user changed the model (drawing, hinge, title, echo); `name` says
  // how, for the undo history.
  void modelEdited(const QString& name);
  // A command ran to its end (whatever else it changed on the way).
  void commandFinished(int id);
  // Store wrote the position and the program goes on (a mechanism).
  void positionStored();
  // New or Open made another position the one in work; Open `loaded` its
  // frame, New kept the one on the screen.
  void positionChanged(bool loaded);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void renderFrame();
  void paintOverlays(QPainter& painter);
  // Runs `work`, turning a program end inside it into quitRequested.
  void guarded(const std::function<void()>& work);
  void registerViewCommands();
  void registerDisplayToggles();
  void registerPositionCommands();
  void registerInputCommands();
  void perform(const InputActions& actions);
  void performOne(const InputAction& action);
  void drawIntoFrame(const InputAction& action);
  void paintInputOverlays(QPainter& painter);
  void showHint(bool shown);
  void askGrid();
  void showContextMenu(QPoint p);
  PositionNameRequest askName();
  std::optional<bool> unsavedChanges() const;
  void store();
  void newPosition();
  void openPosition();
  bool guardedOpen(const std::string& folder);
  void openedPosition();
  void endProgram();
  void showDirectory();
  void editEcho();
  void tellInStatusBar(const QString& text) {
    if (!text.isEmpty()) emit statusNote(text);
  }
  void toggle(bool& flag, bool repaint = true);
  void toggleTidyText();
  void toggleSetAside();
  void showFontDialog();
  void showDimensions(int command);
  void dialogInput();
  void print();
  void printPreview();
  void registerNavigation();

  Session& session_;
  MessageBoxes boxes_;
  UserMessages* messages_ = &boxes_;
  WorldMapping mapping_;
  struct Command {
    CommandHandler handler;
    CommandState state;
  };
  std::map<int, Command> commands_;
  QPixmap frame_;
  bool frameDirty_ = true;
  bool hubRequested_ = true;  // Dialog Input runs by itself after the first paint
  std::string prompt_;
  QPointer<EchoHelpDialog> echoStructure_;
  GraphicalInput input_{session_, mapping_, *messages_};
  std::function<int64_t()> clock_;
  QLabel* hint_ = nullptr;
  std::optional<QPoint> hubPoint_;
  std::function<bool()> unsavedChanges_;
  std::shared_ptr<const LiveMechanism> liveMechanism_;
  PictureLabels labels_;
};

}  // namespace rerore
