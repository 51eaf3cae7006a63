// The keys of the view and the commands that switch the input modes.
#include <cmath>

#include "view/core/graphical_input.h"
#include "view/core/view_controls.h"

namespace rerore {

namespace {

constexpr const char* kChainPrompt = "LINIE VON: ";
constexpr const char* kZoomPrompt = " Press left mouse button! Open window! Release!";
constexpr const char* kWindowPrompt = " Ziehen Sie einen Rahmen auf! ";
constexpr const char* kAuxHorizontalPrompt = " Y = ";
constexpr const char* kAuxVerticalPrompt = " X = ";
constexpr int64_t kDoubleEscapeMs = 1000;
// Window mode off: the two mouse moves after it repaint the whole view.
constexpr int kRepaintingMoves = 2;
// The keyboard cursor of the vertical aux line steps 1 cm.
constexpr double kCursorStep = 0.01;
// Its coordinates are written this far into the viewport.
constexpr double kCursorTextInset = 0.05;

}  // namespace

void GraphicalInput::resetInputModes(InputActions& out) {
  if (state_.hintShown) out.push_back(Act(InputActionKind::CloseHint));
  state_.hintShown = false;
  setMode(InputMode::Idle);
  state_.zoomMode = false;
  state_.lock = OrthogonalLock::None;
  state_.promptText.clear();
  state_.secondPrompt.clear();
  out.push_back(Act(InputActionKind::PromptChanged));
  state_.rubber = RubberBand::Off;
}

InputActions GraphicalInput::prepareDialogInput() {
  InputActions out;
  resetInputModes(out);
  state_.rubber = RubberBand::Armed;
  return out;
}

// Switching Graphical input off also ends a chain that is being drawn, so
// that a click on an element opens its editor again.
InputActions GraphicalInput::graphicalInputCommand() {
  InputActions out;
  if (state_.mode != InputMode::Drawing) {
    resetInputModes(out);
    setMode(InputMode::Drawing);
    state_.rubber = RubberBand::Armed;
    state_.lastCommand = kCmdGraphicalInput;
    setPrompt(out, kChainPrompt);
    state_.secondPrompt.clear();
    state_.hintShown = true;
    out.push_back(Act(InputActionKind::ShowHint));
  } else {
    setMode(InputMode::Idle);
    state_.rubber = RubberBand::Off;
    hideCrossHair();
    setPrompt(out, "");
    state_.hintShown = false;
    out.push_back(Act(InputActionKind::CloseHint));
  }
  out.push_back(Act(InputActionKind::Repaint));
  return out;
}

InputActions GraphicalInput::gridCommand() {
  if (!session_.view.grid.on) return {Act(InputActionKind::AskGrid)};
  session_.view.grid.on = false;
  return {Act(InputActionKind::OpenElementsTable), Act(InputActionKind::RedrawFrame)};
}

InputActions GraphicalInput::gridDialogClosed(bool accepted, float meshWidth, float snapRadius) {
  GridSettings& grid = session_.view.grid;
  if (accepted) {
    grid.meshWidth = meshWidth;
    grid.snapRadius = snapRadius;
  }
  grid.on = true;
  return {Act(InputActionKind::RedrawFrame)};
}

InputActions GraphicalInput::hingeCommand() {
  state_.hingeMode = !state_.hingeMode;
  return {Act(InputActionKind::Repaint)};
}

InputActions GraphicalInput::zoomCommand(int64_t nowMs) {
  InputActions out;
  if (!state_.zoomMode) {
    hideCrossHair();
    state_.zoomMode = true;
    setPrompt(out, kZoomPrompt);
    out.push_back(Act(InputActionKind::Repaint));
  } else {
    state_.zoomMode = false;
    setPrompt(out, "");
    escape(nowMs, out);
  }
  return out;
}

InputActions GraphicalInput::windowCommand() {
  InputActions out;
  const bool wasOn = windowMode();
  resetInputModes(out);
  if (!wasOn) {
    setMode(InputMode::Window);
    setPrompt(out, kWindowPrompt);
    state_.lastCommand = kCmdWindowMode;
    return out;
  }
  state_.repaintingMoves = kRepaintingMoves;
  setPrompt(out, "");
  out.push_back(Act(InputActionKind::RedrawFrame));
  return out;
}

InputActions GraphicalInput::auxLineCommand(bool vertical) {
  InputActions out;
  const InputMode chosen = vertical ? InputMode::AuxVertical : InputMode::AuxHorizontal;
  hideCrossHair();
  if (state_.mode == chosen) {
    setMode(InputMode::Idle);
    setPrompt(out, "");
  } else {
    setMode(chosen);
    state_.stage = ChainStage::Started;
    armRubber();
    setPrompt(out, vertical ? kAuxVerticalPrompt : kAuxHorizontalPrompt);
    state_.lastCommand = vertical ? kCmdAuxVertical : kCmdAuxHorizontal;
  }
  out.push_back(Act(InputActionKind::Repaint));
  return out;
}

InputActions GraphicalInput::keyDown(InputKey key, bool ctrl, int64_t nowMs) {
  InputActions out;
  state_.orthogonal = key == InputKey::Control;
  const bool zoomKey = ctrl && (key == InputKey::KeypadPlus || key == InputKey::KeypadMinus);
  if (key != InputKey::Escape && !zoomKey) state_.firstEscapeMs.reset();
  if (zoomKey) {
    if (key == InputKey::KeypadMinus) ZoomOut(session_.view);
    if (key == InputKey::KeypadPlus) ZoomIn(session_.view);
    out.push_back(Act(InputActionKind::RedrawFrame));
  } else if (key == InputKey::Space) {
    if (state_.lastCommand == kCmdGraphicalInput) out = graphicalInputCommand();
  } else if (key == InputKey::Escape) {
    escape(nowMs, out);
  } else if (key == InputKey::Right && state_.mode == InputMode::AuxVertical) {
    moveKeyboardCursor();
    out.push_back(Act(InputActionKind::Repaint));
  } else {
    navigationKey(key, out);
  }
  return out;
}

// + and - zoom about the middle of the view, the arrows show more of the
// frame on their side, Home shows the whole frame.
void GraphicalInput::navigationKey(InputKey key, InputActions& out) {
  const DevicePoint middle{mapping_.areaWidth() / 2, mapping_.areaHeight() / 2};
  const int dx = static_cast<int>(kArrowPanShare * mapping_.areaWidth());
  const int dy = static_cast<int>(kArrowPanShare * mapping_.areaHeight());
  InputActions moved;
  switch (key) {
    case InputKey::Plus:
    case InputKey::KeypadPlus:
      moved = zoomAt(middle, kNavigationZoomStep);
      break;
    case InputKey::Minus:
    case InputKey::KeypadMinus:
      moved = zoomAt(middle, 1.0 / kNavigationZoomStep);
      break;
    case InputKey::Left:
      moved = panBy(dx, 0);
      break;
    case InputKey::Right:
      moved = panBy(-dx, 0);
      break;
    case InputKey::Up:
      moved = panBy(0, dy);
      break;
    case InputKey::Down:
      moved = panBy(0, -dy);
      break;
    case InputKey::Home:
      moved = fitWholeFrame();
      break;
    default:
      break;
  }
  out.insert(out.end(), moved.begin(), moved.end());
}

InputActions GraphicalInput::zoomAt(DevicePoint p, double factor) {
  InputActions out;
  if (mapping_.zoomAbout(p, factor)) followNavigation(out);
  return out;
}

InputActions GraphicalInput::panBy(int dx, int dy) {
  InputActions out;
  if (mapping_.panBy(dx, dy)) followNavigation(out);
  return out;
}

InputActions GraphicalInput::fitWholeFrame() {
  InputActions out;
  if (mapping_.zoomed()) leaveZoom(out);
  return out;
}

// The rubber line of a chain starts where its start point is now shown.
void GraphicalInput::followNavigation(InputActions& out) {
  if (state_.mode == InputMode::Drawing && state_.stage != ChainStage::NoStart)
    state_.rubberStart = mapping_.toDevice(state_.startPoint.x, state_.startPoint.y);
  out.push_back(Act(InputActionKind::RedrawFrame));
}

InputActions GraphicalInput::keyUp(InputKey key) {
  if (key == InputKey::Control) {
    state_.orthogonal = false;
    state_.lock = OrthogonalLock::None;
  }
  return {};
}

void GraphicalInput::escape(int64_t nowMs, InputActions& out) {
  GridSettings& grid = session_.view.grid;
  if (grid.on && state_.mode == InputMode::Drawing) {
    // The chain goes with it; the prompt and the hint stay until the
    // next Escape switches the grid off.
    setMode(InputMode::Idle);
    state_.rubber = RubberBand::Off;
    out.push_back(Act(InputActionKind::Repaint));
  } else if (grid.on) {
    grid.on = false;
    hideCrossHair();
    setPrompt(out, "");
    state_.secondPrompt.clear();
    state_.hintShown = false;
    out.push_back(Act(InputActionKind::CloseHint));
    if (session_.model.params.elementCount > 0)
      out.push_back(Act(InputActionKind::OpenElementsTable));
    out.push_back(Act(InputActionKind::RedrawFrame));
  } else {
    escapeWithoutGrid(nowMs, out);
  }
}

void GraphicalInput::escapeWithoutGrid(int64_t nowMs, InputActions& out) {
  if (state_.hintShown) out.push_back(Act(InputActionKind::CloseHint));
  state_.hintShown = false;
  if (state_.mode == InputMode::WindowDrawn) {
    state_.mode = InputMode::Window;
    out.push_back(Act(InputActionKind::RedrawFrame));
  } else if (mapping_.zoomed()) {
    leaveZoom(out);
  } else if (state_.mode != InputMode::Drawing) {
    doubleEscape(nowMs, out);
  } else {
    stopDrawing(out);
  }
}

void GraphicalInput::doubleEscape(int64_t nowMs, InputActions& out) {
  if (state_.firstEscapeMs) {
    if (nowMs - *state_.firstEscapeMs < kDoubleEscapeMs)
      out.push_back(Act(InputActionKind::RunEnd));
    else
      state_.firstEscapeMs.reset();
    return;
  }
  hideCrossHair();
  out.push_back(Act(InputActionKind::Repaint));
  state_.firstEscapeMs = nowMs;
}

// A chain being drawn goes on after the zoom: its start point finds its
// place in a mapping of the plain extents.
void GraphicalInput::leaveZoom(InputActions& out) {
  mapping_.leaveZoom();
  if (state_.mode == InputMode::Drawing && state_.stage != ChainStage::NoStart) {
    ViewSettings plain = session_.view;
    plain.zoomFactor = 1.0f;
    plain.shrinkFactor = 1.0f;
    WorldMapping unzoomed(plain);
    unzoomed.setDeviceArea(mapping_.areaWidth(), mapping_.areaHeight(), MappingTarget::Screen);
    const DrawingExtents& e = session_.view.extents;
    unzoomed.defineWorld(e.xmin, e.ymin, e.xmax, e.ymax, *messages_);
    state_.resumeWorld = state_.startPoint;
    state_.resumeDevice = unzoomed.worldToDevice(state_.startPoint);
    state_.resume = ChainResume::Ready;
  }
  out.push_back(Act(InputActionKind::RedrawFrame));
}

void GraphicalInput::stopDrawing(InputActions& out) {
  resetInputModes(out);
  hideCrossHair();
  out.push_back(Act(InputActionKind::Repaint));
}

void GraphicalInput::moveKeyboardCursor() {
  if (!state_.keyboardCursor) {
    mapping_.applyMapping();
    state_.keyboardCursor = mapping_.deviceToLogical(state_.crossHair);
  }
  LogicalPoint& cursor = *state_.keyboardCursor;
  const int32_t units = mapping_.unitsPerMetre();
  cursor.x += static_cast<int32_t>(kCursorStep * units);
  state_.cursorText = Format("%.2f  %.2f    ", double(cursor.x) / units, double(cursor.y) / units);
  const Transformation& t = mapping_.transform();
  state_.cursorTextPoint = {
      t.viewportOriginX + static_cast<int32_t>(kCursorTextInset * mapping_.viewportWidth()),
      t.viewportOriginY};
  state_.crossHair = mapping_.logicalToDevice(cursor);
}

}  // namespace rerore
