// The mouse and key input of the view as one state machine: drawing chains
// of elements (Graphical input), the rectangle drag that zooms, the click
// that opens the element editor, the hinge, zoom, window and aux-line modes,
// the grid and the Escape sequence that ends with the program's End.
//
// The view forwards its events here and carries out the actions that come
// back (paint, open a dialog, run End ...). Nothing here draws or waits:
// times are passed in, so the double Escape can be tested without a clock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/session.h"
#include "model/user_messages.h"
#include "view/core/element_pick.h"
#include "view/core/input_command_numbers.h"
#include "view/core/world_mapping.h"

namespace rerore {

enum class InputActionKind {
  Repaint,            // overlays, prompt or modes changed
  RedrawFrame,        // the model or the mapping changed: draw the frame anew
  DrawElement,        // a drawn element from `from` to `to`, circles of `value` px at its ends
  DrawMark,           // a circle of `value` px around `from`
  OpenElementEditor,  // for element `value`
  OpenElementsTable,  // unless it is open already
  AskGrid,            // the grid dialog; answer with gridDialogClosed
  ShowHint,           // the input hint at the top-left corner
  CloseHint,
  PromptChanged,
  ShowCoordinates,   // the mouse point `world` for the coordinates pane
  ShowContextMenu,   // at `from`
  RememberHubPoint,  // the input hub opens at `from` next time
  RunEnd,            // the End command
};

struct InputAction {
  InputActionKind kind = InputActionKind::Repaint;
  DevicePoint from;
  DevicePoint to;
  WorldPoint world;
  int value = 0;
};
using InputActions = std::vector<InputAction>;

// Buttons held and modifier keys, as a mouse event reports them.
struct MouseFlags {
  bool left = false;
  bool right = false;
  bool middle = false;
  bool shift = false;
  bool ctrl = false;
};

enum class InputKey { Other, Control, Escape, Space, KeypadPlus, KeypadMinus, Right };

struct InputState {
  bool graphicalInput = false;
  bool lineInput = false;
  int16_t lineStage = 0;  // 0 no start point, 1 start point set, 2 chain has elements
  WorldPoint startPoint;
  WorldPoint cursorPoint;
  bool orthogonal = false;
  bool horizontalLock = false;
  bool verticalLock = false;
  bool escapePending = false;
  int64_t escapeTime = 0;
  std::string promptText;
  std::string secondPrompt;
  int lastCommand = 0;
  // Modes of the view commands.
  bool hingeMode = false;
  bool zoomMode = false;
  bool windowMode = false;
  bool windowFinished = false;
  WorldPoint windowCorner;
  int repaintingMoves = 0;
  bool auxHorizontal = false;
  bool auxVertical = false;
  // The rubber band (device pixels): a line while drawing, else a rectangle.
  bool rubberActive = false;
  bool rectangleDrag = false;
  DevicePoint rubberStart;
  DevicePoint rubberEnd;
  // A chain interrupted by a zoom goes on from `resumeWorld` once a paint
  // has found its new device position.
  bool resumePrepared = false;
  bool resumeReady = false;
  WorldPoint resumeWorld;
  DevicePoint resumeDevice;
  DevicePoint crossHair{-1, -1};
  bool hintShown = false;
  LogicalPoint lastLogical;
  // The keyboard cursor of the vertical aux line and its coordinates text.
  bool keyboardCursorTaken = false;
  LogicalPoint keyboardCursor;
  std::string cursorText;
  DevicePoint cursorTextPoint;
};

class GraphicalInput {
 public:
  GraphicalInput(Session& session, WorldMapping& mapping, UserMessages& messages);

  const InputState& state() const { return state_; }
  // Whether a line, aux-line or window mode is on: these count as line
  // input for Escape and the context menu.
  bool lineModeActive() const;
  bool anyModeActive() const;
  // The rubber line and the zoom rectangle as the overlays show them.
  bool showsRubberLine() const;
  bool showsRectangle() const { return state_.rubberActive && state_.rectangleDrag; }

  // Mouse events at device points.
  InputActions leftButtonDown(DevicePoint p, MouseFlags flags);
  InputActions mouseMove(DevicePoint p, MouseFlags flags);
  InputActions leftButtonUp(DevicePoint p);
  InputActions rightButtonDown(DevicePoint p);
  InputActions contextMenu(DevicePoint p, bool insideView);
  // Keys; `nowMs` is the millisecond tick count of the key press.
  InputActions keyDown(InputKey key, bool ctrl, int64_t nowMs);
  InputActions keyUp(InputKey key);
  // After every paint: the mapping of the paint is known.
  void afterPaint();

  // Commands.
  InputActions graphicalInputCommand();
  InputActions gridCommand();
  InputActions gridDialogClosed(bool accepted, float meshWidth, float snapRadius);
  InputActions hingeCommand();
  InputActions zoomCommand(int64_t nowMs);
  InputActions windowCommand();
  InputActions auxLineCommand(bool vertical);
  // Switches every input mode off (not the grid, the hinge mode or the
  // chain stage).
  void resetInputModes(InputActions& out);
  // Dialog Input: the modes go off and the rubber band waits for a start.
  InputActions prepareDialogInput();
  void hideCrossHair() { state_.crossHair = {-1, -1}; }
  void setCrossHair(DevicePoint p) { state_.crossHair = p; }
  void setLastCommand(int id) { state_.lastCommand = id; }
  void setMessages(UserMessages& messages) { messages_ = &messages; }

 private:
  static InputAction Act(InputActionKind kind, DevicePoint at = {}, int value = 0) {
    return {kind, at, {}, {}, value};
  }
  // With Ctrl held: `p` forced onto the horizontal or vertical through the
  // rubber band's start; the chosen lock is kept in the state.
  OrthogonalLock lockToRubberStart(DevicePoint& p);
  WorldPoint toWorld(DevicePoint p);
  SnapResult snapAt(DevicePoint p);
  int markPixels() const;
  void setPrompt(InputActions& out, const char* text);
  void startChain(DevicePoint p, InputActions& out);
  void continueChain(DevicePoint p, InputActions& out);
  void appendElement(const WorldPoint& end);
  void endChain(InputActions& out);
  void dragOrRubber(DevicePoint p, MouseFlags flags, InputActions& out);
  void escape(int64_t nowMs, InputActions& out);
  void escapeWithoutGrid(int64_t nowMs, InputActions& out);
  void doubleEscape(int64_t nowMs, InputActions& out);
  void leaveZoom(InputActions& out);
  void stopDrawing(InputActions& out);
  void moveKeyboardCursor();

  Session& session_;
  WorldMapping& mapping_;
  UserMessages* messages_;
  InputState state_;
};

}  // namespace rerore
