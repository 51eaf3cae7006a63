// The drawing view of the frame. It keeps the picture of the frame in a
// cached pixmap, drawn anew only when the model or the mapping changed
// (redraw()), and paints the overlays (the cross-hair, the zoom rectangle)
// over it at every paint.
//
// It serves the commands of the menus and the toolbar (runCommand, with a
// table that other parts of the program extend through setCommand) and the
// messages of the dialogs (postMessage: queued, with handlers registered
// through setMessageHandler).
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "commands/position_commands.h"
#include "gui/message_boxes.h"
#include "model/session.h"
#include "view/core/graphical_input.h"
#include "view/core/world_mapping.h"

class QLabel;
class QPrinter;

namespace rerore {

class EchoHelpDialog;

class FrameView : public QWidget {
  Q_OBJECT
 public:
  using CommandHandler = std::function<void()>;
  using CommandState = std::function<bool()>;
  using MessageHandler = std::function<void(int wParam)>;

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
  std::optional<bool> commandChecked(int id) const;
  void setCommand(int id, CommandHandler handler, CommandState state = {});

  // Messages: handled after the caller has returned, like a posted window
  // message. Unknown messages are dropped.
  void postMessage(int message, int wParam);
  void setMessageHandler(int message, MessageHandler handler);

  // The frame picture is drawn anew at the next paint.
  void redraw();
  const QPixmap& framePicture() const { return frame_; }

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
  // screen coordinates: the input hub opens there next.
  std::optional<QPoint> hubPoint() const { return hubPoint_; }

  // Ends whatever the mouse was doing: no rubber band, no cross-hair, no
  // prompt.
  void resetInputModes();

  // Printing and the clipboard.
  void printPage(QPrinter& printer);
  void copyToClipboard();

 signals:
  void titleChanged(const QString& title);
  void promptChanged(const QString& prompt);
  // The last mouse point in logical units, for the coordinates pane.
  void pointerMoved(int logicalX, int logicalY);
  void commandStatesChanged();
  // A message for the input hub (0x46B when an input finished).
  void hubMessage(int message, int wParam);
  // The program ends with this exit code.
  void quitRequested(int exitCode);

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
  void handleMessage(int message, int wParam);
  // Runs `work`, turning a program end inside it into quitRequested.
  void guarded(const std::function<void()>& work);
  void registerViewCommands();
  void registerDisplayToggles();
  void registerMessages();
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
  void store();
  void newPosition();
  void openPosition();
  void endProgram();
  void showDirectory();
  void editEcho();
  void toggle(bool& flag, bool repaint = true);
  void toggleTidyText();
  void toggleSetAside();
  void showFontDialog();
  void showDimensions(int command);
  void showTitleDialog();
  void openEchoStructure();
  void print();

  Session& session_;
  MessageBoxes boxes_;
  UserMessages* messages_ = &boxes_;
  WorldMapping mapping_;
  struct Command {
    CommandHandler handler;
    CommandState state;
  };
  std::map<int, Command> commands_;
  std::map<int, MessageHandler> messageHandlers_;
  QPixmap frame_;
  bool frameDirty_ = true;
  bool hubRequested_ = true;  // the input hub opens by itself after the first paint
  std::string prompt_;
  QPointer<EchoHelpDialog> echoStructure_;
  GraphicalInput input_{session_, mapping_, *messages_};
  std::function<int64_t()> clock_;
  QLabel* hint_ = nullptr;
  std::optional<QPoint> hubPoint_;
};

}  // namespace rerore
