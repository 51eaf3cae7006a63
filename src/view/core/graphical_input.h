// The mouse and key input of the view as one state machine: drawing chains
// of elements (Graphical input), the rectangle drag that zooms, the click
// that opens the element editor, the hinge, zoom, window and aux-line modes,
// the grid and the Escape sequence that ends with the program's End. The
// input is in one `InputMode` at a time; the hinge tool and the zoom mode
// work on top of any of them.
//
// The view forwards its events here and carries out the actions that come
// back (paint, open a dialog, run End ...). Nothing here draws or waits:
// times are passed in, so the double Escape can be tested without a clock.
#pragma once

#include <cstdint>
#include <optional>
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
  DrawElement,        // a drawn element from `from` to `to`
  OpenElementEditor,  // for element `value`
  OpenElementsTable,  // unless it is open already
  AskGrid,            // the grid dialog; answer with gridDialogClosed
  ShowHint,           // the input hint at the top-left corner
  CloseHint,
  PromptChanged,
  ShowCoordinates,   // the mouse point `world` for the coordinates pane
  ShowSnapPoint,     // the point a click would take while drawing (state().snapPoint)
  ShowContextMenu,   // at `from`
  RememberHubPoint,  // the input hub opens at `from` next time
  RunEnd,            // the End command
  ModelEdited,       // the user changed the model; `text` names the edit
};

struct InputAction {
  InputActionKind kind = InputActionKind::Repaint;
  DevicePoint from;
  DevicePoint to;
  WorldPoint world;
  int value = 0;
  std::string text;
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

enum class InputKey {
  Other,
  Control,
  Escape,
  Space,
  KeypadPlus,
  KeypadMinus,
  Plus,
  Minus,
  Left,
  Right,
  Up,
  Down,
  Home,
};

// What a left click means: exactly one of these at a time.
enum class InputMode {
  Idle,           // a click on an element opens its editor, a drag zooms
  Drawing,        // Graphical input: each click closes an element of the chain
  AuxHorizontal,  // a rubber line from a start point that makes no element
  AuxVertical,    // the same; the Right key steps a keyboard cursor
  Window,         // a drag opens a window to zoom to
  WindowDrawn,    // that window is drawn: Escape or the right button drops it
};

// How far a chain of the line modes (Drawing and the aux lines) has come;
// outside them there is no chain.
enum class ChainStage { NoStart, Started, HasElements };

// A chain interrupted by a zoom goes on from `resumeWorld` once a paint
// has found its new device position.
enum class ChainResume { None, AwaitingPaint, Ready };

// The rubber band (device pixels): a line while a chain has a start, a
// rectangle while a drag zooms.
enum class RubberBand { Off, Armed, Rectangle };

struct InputState {
  InputMode mode = InputMode::Idle;
  ChainStage stage = ChainStage::NoStart;
  ChainResume resume = ChainResume::None;
  RubberBand rubber = RubberBand::Off;
  // Independent of the mode: the hinge tool acts on a click on an element
  // in every mode and survives a reset; the zoom mode only makes a plain
  // drag zoom, even while a chain is drawn.
  bool hingeMode = false;
  bool zoomMode = false;
  WorldPoint startPoint;
  WorldPoint cursorPoint;
  // Ctrl is held, and the direction it chose.
  bool orthogonal = false;
  OrthogonalLock lock = OrthogonalLock::None;
  // The tick of the first Escape of a double Escape.
  std::optional<int64_t> firstEscapeMs;
  std::string promptText;
  std::string secondPrompt;
  int lastCommand = 0;
  WorldPoint windowCorner;
  int repaintingMoves = 0;
  DevicePoint rubberStart;
  DevicePoint rubberEnd;
  WorldPoint resumeWorld;
  DevicePoint resumeDevice;
  DevicePoint crossHair{-1, -1};
  bool hintShown = false;
  LogicalPoint lastLogical;
  // The keyboard cursor of the vertical aux line, once taken from the
  // cross-hair, and its coordinates text.
  std::optional<LogicalPoint> keyboardCursor;
  std::string cursorText;
  DevicePoint cursorTextPoint;
  // Where the middle button was last seen while it drags the picture.
  std::optional<DevicePoint> panFrom;
  // While a chain is drawn: the point the next click would take.
  std::optional<WorldPoint> snapPoint;
};

class GraphicalInput {
 public:
  GraphicalInput(Session& session, WorldMapping& mapping, UserMessages& messages);

  const InputState& state() const { return state_; }
  // Drawing or an aux line: a click sets a chain's start point.
  bool lineInput() const;
  bool windowMode() const;
  // The context menu remembers the hub's place only outside every mode.
  bool anyModeActive() const { return state_.mode != InputMode::Idle || state_.zoomMode; }
  // The rubber line and the zoom rectangle as the overlays show them.
  bool showsRubberLine() const;
  bool showsRectangle() const { return state_.rubber == RubberBand::Rectangle; }
  // With end marks on, the start of a chain that has no element yet is
  // marked: at the rubber band's start, a dot of markPixels() radius. It
  // goes with the chain (a refused click, the right button, Escape).
  bool showsStartMark() const;
  int markPixels() const;

  // Mouse events at device points.
  InputActions leftButtonDown(DevicePoint p, MouseFlags flags);
  InputActions mouseMove(DevicePoint p, MouseFlags flags);
  InputActions leftButtonUp(DevicePoint p);
  InputActions rightButtonDown(DevicePoint p);
  // The middle button drags the picture.
  InputActions middleButtonDown(DevicePoint p);
  InputActions middleButtonUp();
  InputActions contextMenu(DevicePoint p, bool insideView);
  // Keys; `nowMs` is the millisecond tick count of the key press.
  InputActions keyDown(InputKey key, bool ctrl, int64_t nowMs);
  InputActions keyUp(InputKey key);
  // After every paint: the mapping of the paint is known.
  void afterPaint();

  // Navigation: zoom about a device point (a factor above 1 enlarges),
  // move the picture by pixels, or show the whole frame again. A chain
  // being drawn goes on from its start point in the new picture.
  InputActions zoomAt(DevicePoint p, double factor);
  InputActions panBy(int dx, int dy);
  InputActions fitWholeFrame();

  // Commands.
  InputActions graphicalInputCommand();
  InputActions gridCommand();
  InputActions gridDialogClosed(bool accepted, float meshWidth, float snapRadius);
  InputActions hingeCommand();
  InputActions zoomCommand(int64_t nowMs);
  InputActions windowCommand();
  InputActions auxLineCommand(bool vertical);
  // Back to Idle, the zoom mode off (not the grid or the hinge mode).
  void resetInputModes(InputActions& out);
  // Dialog Input: the modes go off and the rubber band waits for a start.
  InputActions prepareDialogInput();
  void hideCrossHair() { state_.crossHair = {-1, -1}; }
  void setCrossHair(DevicePoint p) { state_.crossHair = p; }
  void setLastCommand(int id) { state_.lastCommand = id; }
  void setMessages(UserMessages& messages) { messages_ = &messages; }

 private:
  static InputAction Act(InputActionKind kind, DevicePoint at = {}, int value = 0) {
    return {kind, at, {}, {}, value, {}};
  }
  // With Ctrl held: `p` forced onto the horizontal or vertical through the
  // rubber band's start; the chosen lock is kept in the state.
  OrthogonalLock lockToRubberStart(DevicePoint& p);
  // A new mode starts without the chain, resume and keyboard cursor of the
  // old one.
  void setMode(InputMode mode);
  void armRubber();
  WorldPoint toWorld(DevicePoint p);
  SnapResult snapAt(DevicePoint p);
  void setPrompt(InputActions& out, const char* text);
  void startChain(DevicePoint p);
  void continueChain(DevicePoint p, InputActions& out);
  void appendElement(const WorldPoint& end);
  // Reports an edit of the model, named for the user.
  void edited(InputActions& out, const std::string& name);
  void endChain(InputActions& out);
  void dragOrRubber(DevicePoint p, MouseFlags flags, InputActions& out);
  void escape(int64_t nowMs, InputActions& out);
  void escapeWithoutGrid(int64_t nowMs, InputActions& out);
  void doubleEscape(int64_t nowMs, InputActions& out);
  void leaveZoom(InputActions& out);
  void followNavigation(InputActions& out);
  void navigationKey(InputKey key, InputActions& out);
  void showSnapPoint(DevicePoint p, InputActions& out);
  void stopDrawing(InputActions& out);
  void moveKeyboardCursor();

  Session& session_;
  WorldMapping& mapping_;
  UserMessages* messages_;
  InputState state_;
};

}  // namespace rerore
