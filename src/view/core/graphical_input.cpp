#include "view/core/graphical_input.h"

#include <algorithm>
#include <cmath>

#include "check/rebuild.h"
#include "commands/element_editing.h"

namespace rerore {

namespace {

constexpr const char* kNextChainPrompt = " LINIE VON: ";

bool LeftAlone(MouseFlags f) { return f.left && !f.right && !f.middle && !f.shift && !f.ctrl; }
bool LeftWithShift(MouseFlags f) { return f.left && f.shift && !f.right && !f.middle && !f.ctrl; }

}  // namespace

GraphicalInput::GraphicalInput(Session& session, WorldMapping& mapping, UserMessages& messages)
    : session_(session), mapping_(mapping), messages_(&messages) {}

bool GraphicalInput::lineInput() const {
  const InputMode m = state_.mode;
  return m == InputMode::Drawing || m == InputMode::AuxHorizontal || m == InputMode::AuxVertical;
}

bool GraphicalInput::windowMode() const {
  return state_.mode == InputMode::Window || state_.mode == InputMode::WindowDrawn;
}

bool GraphicalInput::showsRubberLine() const {
  return state_.rubber == RubberBand::Armed && state_.stage != ChainStage::NoStart;
}

void GraphicalInput::setMode(InputMode mode) {
  state_.mode = mode;
  state_.stage = ChainStage::NoStart;
  state_.resume = ChainResume::None;
  state_.keyboardCursor.reset();
  state_.cursorText.clear();
}

// A rectangle being dragged stays one.
void GraphicalInput::armRubber() {
  if (state_.rubber == RubberBand::Off) state_.rubber = RubberBand::Armed;
}

OrthogonalLock GraphicalInput::lockToRubberStart(DevicePoint& p) {
  if (!state_.orthogonal) return OrthogonalLock::None;
  const OrthogonalLock lock = ChooseLock(state_.rubberStart, p);
  p = LockPoint(state_.rubberStart, p, lock);
  state_.lock = lock;
  return lock;
}

WorldPoint GraphicalInput::toWorld(DevicePoint p) { return mapping_.deviceToWorld(p); }

SnapResult GraphicalInput::snapAt(DevicePoint p) {
  const WorldPoint raw = toWorld(p);
  const SnapResult snap =
      SnapPoint(session_.model, mapping_.pickTolerance(), session_.view.grid, raw);
  state_.cursorPoint = snap.point;
  return snap;
}

// The mark radius of the mouse's mapping, in device pixels.
int GraphicalInput::markPixels() const {
  const double scale = std::fabs(mapping_.transform().scaleX());
  return std::max(1, static_cast<int>(std::lround(mapping_.markRadius() * scale)));
}

bool GraphicalInput::showsStartMark() const {
  return session_.view.display.endMarks && state_.stage == ChainStage::Started &&
         state_.resume == ChainResume::None && lineInput();
}

void GraphicalInput::setPrompt(InputActions& out, const char* text) {
  state_.promptText = text;
  out.push_back(Act(InputActionKind::PromptChanged));
}

InputActions GraphicalInput::leftButtonDown(DevicePoint p, MouseFlags) {
  InputActions out;
  if (state_.hingeMode) {
    state_.cursorPoint = toWorld(p);
    const WorldPoint clicked = state_.cursorPoint;
    const int k = PickElement(session_.model, mapping_.pickTolerance(), state_.cursorPoint);
    if (k != 0) {
      const int before = session_.model.params.elementCount;
      ToggleHingeOrSplit(session_, *messages_, k, clicked.x, clicked.y);
      const bool split = session_.model.params.elementCount > before;
      edited(out, Format(split ? "Split element %i" : "Hinge of element %i", k));
      out.push_back(Act(InputActionKind::RedrawFrame));
      return out;
    }
  }
  if (state_.stage == ChainStage::NoStart) {
    if (!lineInput()) {
      state_.cursorPoint = toWorld(p);
      const int k = PickElement(session_.model, mapping_.pickTolerance(), state_.cursorPoint);
      if (k != 0) {
        out.push_back(Act(InputActionKind::OpenElementEditor, p, k));
        out.push_back(Act(InputActionKind::RedrawFrame));
        return out;
      }
    }
    state_.rubberStart = state_.rubberEnd = p;
    armRubber();
    if (windowMode()) state_.windowCorner = toWorld(p);
    if (lineInput()) startChain(p);
    out.push_back(Act(InputActionKind::Repaint));
  } else if (state_.mode == InputMode::Drawing) {
    continueChain(p, out);
  }
  return out;
}

void GraphicalInput::startChain(DevicePoint p) {
  state_.stage = ChainStage::Started;
  const SnapResult snap = snapAt(p);
  state_.startPoint = state_.cursorPoint = snap.point;
  state_.rubberStart = mapping_.worldToDevice(snap.point);
}

// With Ctrl held the element comes out exactly horizontal or vertical: the
// click is locked like the rubber line, and the locked coordinate is taken
// from the start point after snapping.
void GraphicalInput::continueChain(DevicePoint p, InputActions& out) {
  if (session_.model.params.elementCount >= kMaxElements) {
    messages_->message(Format("Too many elements, max = %i", kMaxElements), "Error");
    endChain(out);
    return;
  }
  const OrthogonalLock lock = lockToRubberStart(p);
  WorldPoint end = snapAt(p).point;
  if (lock == OrthogonalLock::Horizontal) end.y = state_.startPoint.y;
  if (lock == OrthogonalLock::Vertical) end.x = state_.startPoint.x;
  state_.rubberEnd = mapping_.worldToDevice(end);
  appendElement(end);
  InputAction drawn = Act(InputActionKind::DrawElement, state_.rubberStart);
  drawn.to = state_.rubberEnd;
  out.push_back(drawn);
  edited(out, Format("Draw element %i", session_.model.params.elementCount));
  // The nodes are there at once: their labels, the supports table and End
  // need them.
  out.push_back(Act(InputActionKind::RedrawFrame));
  state_.stage = ChainStage::HasElements;
  state_.startPoint = end;
  state_.rubberStart = state_.rubberEnd;
  out.push_back(Act(InputActionKind::Repaint));
}

// The new element joins the frame as a confirmed table would: its
// geometry, then the nodes and equations rebuilt (ELEMENTS and NODES
// written). The world window stays, so that the chain goes on undisturbed.
void GraphicalInput::appendElement(const WorldPoint& end) {
  ModelParameters& params = session_.model.params;
  ElementRecord& e = session_.model.elements[++params.elementCount];
  e = ElementRecord{};
  SetElementLeft(e, state_.startPoint.x, state_.startPoint.y);
  SetElementRight(e, end.x, end.y);
  e.material = 1;
  e.crossSection = 1;
  e.compression = 1;
  e.tension = 1;
  ComputeElementGeometry(e, params.angleFlag != 0);
  EnsurePositionDirectory(session_.paths);  // a new position gets its folder now
  RebuildModel(session_, *messages_);
}

void GraphicalInput::edited(InputActions& out, const std::string& name) {
  InputAction change = Act(InputActionKind::ModelEdited);
  change.text = name;
  out.push_back(change);
}

void GraphicalInput::endChain(InputActions& out) {
  state_.stage = ChainStage::NoStart;
  hideCrossHair();
  if (state_.resume == ChainResume::None) {
    setPrompt(out, kNextChainPrompt);
    state_.secondPrompt.clear();
  }
  out.push_back(Act(InputActionKind::Repaint));
}

InputActions GraphicalInput::mouseMove(DevicePoint p, MouseFlags flags) {
  InputActions out;
  if (state_.resume == ChainResume::Ready) {
    state_.rubberStart = state_.resumeDevice;
    armRubber();
    state_.stage = ChainStage::Started;
    state_.resume = ChainResume::None;
  }
  if (state_.panFrom && flags.middle) {
    const DevicePoint from = *state_.panFrom;
    state_.panFrom = p;
    const InputActions moved = panBy(p.x - from.x, p.y - from.y);
    out.insert(out.end(), moved.begin(), moved.end());
  } else if (state_.rubber != RubberBand::Off) {
    dragOrRubber(p, flags, out);
  }
  if (state_.repaintingMoves > 0) {
    --state_.repaintingMoves;
    out.push_back(Act(InputActionKind::RedrawFrame));
  }
  if (mapping_.worldDefined()) {
    InputAction shown = Act(InputActionKind::ShowCoordinates);
    shown.world = mapping_.deviceToWorld(p);  // makes the mapping afresh
    state_.lastLogical = mapping_.deviceToLogical(p);
    out.push_back(shown);
    showSnapPoint(p, out);
    state_.crossHair = p;
    out.push_back(Act(InputActionKind::Repaint));
  }
  return out;
}

void GraphicalInput::dragOrRubber(DevicePoint p, MouseFlags flags, InputActions& out) {
  const bool zoomDrag =
      (LeftWithShift(flags) && lineInput()) || (LeftAlone(flags) && state_.zoomMode);
  if (zoomDrag && state_.stage == ChainStage::HasElements) {
    // The chain goes on after the zoom from where it stood.
    state_.resumeWorld = toWorld(state_.rubberStart);
    state_.rubberStart = state_.rubberEnd;
    state_.stage = ChainStage::Started;
    state_.resume = ChainResume::AwaitingPaint;
  }
  if (zoomDrag || (LeftAlone(flags) && !lineInput())) {
    state_.rubberEnd = p;
    state_.rubber = RubberBand::Rectangle;
  } else if (state_.stage != ChainStage::NoStart) {
    lockToRubberStart(p);
    state_.crossHair = p;
    state_.rubberEnd = p;
  } else {
    return;
  }
  out.push_back(Act(InputActionKind::Repaint));
}

InputActions GraphicalInput::leftButtonUp(DevicePoint p) {
  InputActions out;
  if (state_.rubber != RubberBand::Rectangle) return out;
  state_.stage = ChainStage::NoStart;
  state_.rubber = RubberBand::Off;
  if (windowMode()) state_.mode = InputMode::WindowDrawn;
  if (mapping_.zoomByDrag(state_.rubberStart, p))
    out.push_back(Act(InputActionKind::RedrawFrame));
  else
    out.push_back(Act(InputActionKind::Repaint));
  return out;
}

InputActions GraphicalInput::rightButtonDown(DevicePoint) {
  InputActions out;
  if (state_.mode == InputMode::WindowDrawn) {
    state_.mode = InputMode::Window;
    setPrompt(out,
              " Z = Zur\xfc"
              "ck");
    out.push_back(Act(InputActionKind::RedrawFrame));
  }
  if (lineInput() && state_.stage != ChainStage::NoStart) endChain(out);
  return out;
}

// While Graphical input is on, the status bar shows where a click would
// put the element's end: snapped to an element end or the grid.
void GraphicalInput::showSnapPoint(DevicePoint p, InputActions& out) {
  std::optional<WorldPoint> snap;
  if (state_.mode == InputMode::Drawing)
    snap =
        SnapPoint(session_.model, mapping_.pickTolerance(), session_.view.grid, toWorld(p)).point;
  const bool changed = snap.has_value() != state_.snapPoint.has_value() ||
                       (snap && (snap->x != state_.snapPoint->x || snap->y != state_.snapPoint->y));
  state_.snapPoint = snap;
  if (changed) out.push_back(Act(InputActionKind::ShowSnapPoint));
}

InputActions GraphicalInput::middleButtonDown(DevicePoint p) {
  state_.panFrom = p;
  return {};
}

InputActions GraphicalInput::middleButtonUp() {
  state_.panFrom.reset();
  return {};
}

InputActions GraphicalInput::contextMenu(DevicePoint p, bool insideView) {
  InputActions out{Act(InputActionKind::ShowContextMenu, p)};
  if (!anyModeActive() && insideView) {
    out.push_back(Act(InputActionKind::RememberHubPoint, p));
    hideCrossHair();
    out.push_back(Act(InputActionKind::Repaint));
  }
  return out;
}

void GraphicalInput::afterPaint() {
  if (state_.resume != ChainResume::AwaitingPaint) return;
  state_.resumeDevice = mapping_.toDevice(state_.resumeWorld.x, state_.resumeWorld.y);
  state_.resume = ChainResume::Ready;
}

}  // namespace rerore
