#include "view/frame_view.h"

#include <QPainter>

#include "gui/command_ids.h"
#include "view/frame_output.h"

namespace rerore {

namespace {

constexpr int kCrossHairReach = 6000;  // the cross-hair's lines cross the whole window
constexpr int kCrossHairBox = 5;       // half the side of its small square
constexpr int kNearPointer = 100;      // closer to the pointer it is drawn inverted

}  // namespace

FrameView::FrameView(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), boxes_(this), mapping_(session.view) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  session_.view.mechanismAmplitude = 1.0f;
  input_.setLastCommand(kCmdDialogInput);
  registerViewCommands();
  registerPositionCommands();
  registerInputCommands();
  registerDisplayToggles();
  registerNavigation();
}

FrameView::~FrameView() = default;

bool FrameView::runCommand(int id) {
  const auto found = commands_.find(id);
  if (found == commands_.end()) return false;
  const CommandHandler handler = found->second.handler;
  guarded(handler);
  emit commandStatesChanged();
  emit commandFinished(id);
  return true;
}

std::optional<bool> FrameView::commandChecked(int id) const {
  const auto found = commands_.find(id);
  if (found == commands_.end() || !found->second.state) return std::nullopt;
  return found->second.state();
}

void FrameView::setCommand(int id, CommandHandler handler, CommandState state) {
  commands_[id] = Command{std::move(handler), std::move(state)};
}

void FrameView::guarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const ProgramExit& exit) {
    emit quitRequested(exit.code);
  }
}

void FrameView::redraw() {
  frameDirty_ = true;
  update();
}

void FrameView::setLiveMechanism(std::shared_ptr<const LiveMechanism> mechanism) {
  if (mechanism == liveMechanism_) return;
  liveMechanism_ = std::move(mechanism);
  redraw();
}

bool FrameView::showsMechanism() const {
  return session_.check.mechanismShown() || (liveMechanism_ && session_.view.display.liveCheck);
}

void FrameView::setPromptText(const std::string& text) {
  if (text == prompt_) return;
  prompt_ = text;
  emit promptChanged(FromAnsi(prompt_));
}

void FrameView::renderFrame() {
  if (session_.view.resetZoomRequested) {
    mapping_.leaveZoom();
    session_.view.resetZoomRequested = false;
  }
  frame_ = QPixmap(size());
  frameDirty_ = false;
  FrameExtras extras;
  if (session_.view.display.liveCheck) extras.liveMechanism = liveMechanism_.get();
  guarded([&] {
    labels_ = DrawFrameOnScreen(frame_, width(), height(), session_, mapping_, messages(), extras);
  });
}

void FrameView::paintEvent(QPaintEvent*) {
  emit titleChanged(FromAnsi("Position " + session_.paths.positionName + " "));
  if (frameDirty_ || frame_.size() != size() || session_.view.resetZoomRequested) renderFrame();
  input_.afterPaint();
  QPainter painter(this);
  painter.drawPixmap(0, 0, frame_);
  paintOverlays(painter);
  if (hubRequested_) {
    hubRequested_ = false;
    QMetaObject::invokeMethod(
        this, [this] { runCommand(kCmdDialogInput); }, Qt::QueuedConnection);
  }
}

void FrameView::paintOverlays(QPainter& painter) {
  paintInputOverlays(painter);
  const QPoint c = crossHair();
  if (c.x() < 0) return;
  const QPoint pointer = mapFromGlobal(QCursor::pos());
  const bool near =
      std::abs(pointer.x() - c.x()) < kNearPointer && std::abs(pointer.y() - c.y()) < kNearPointer;
  // Inverted near the pointer, so that it shows on any colour under it.
  if (near) painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(0, c.y(), kCrossHairReach, c.y());
  painter.drawLine(c.x(), 0, c.x(), kCrossHairReach);
  painter.drawRect(c.x() - kCrossHairBox, c.y() - kCrossHairBox, 2 * kCrossHairBox,
                   2 * kCrossHairBox);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void FrameView::moveCrossHair(QPoint point) {
  if (point == crossHair()) return;
  input_.setCrossHair({point.x(), point.y()});
  update();
}

void FrameView::leaveEvent(QEvent*) { moveCrossHair({-1, -1}); }

}  // namespace rerore
