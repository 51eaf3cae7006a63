// The view's side of the mouse and key input: it hands every event to the
// input state machine and carries out what comes back. The rubber line,
// the zoom rectangle and the cross-hair are overlays over the cached frame
// picture; a drawn element goes into the picture at once.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <chrono>

#include "gui/command_ids.h"
#include "view/core/view_controls.h"
#include "view/frame_view.h"
#include "view/grid_dialog.h"

namespace rerore {

namespace {

constexpr const char* kInputHint = "click, click...  SPACE = PAUSE, ESC = stop";
constexpr int kHintId = 1324;
constexpr int kHintExtraWidth = 10;
constexpr int kHintPointSize = 8;
constexpr int kDrawnElementPen = 3;

int64_t TickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

DevicePoint Device(QPoint p) { return {p.x(), p.y()}; }
QPoint ToQt(DevicePoint p) { return {p.x, p.y}; }

MouseFlags Flags(const QMouseEvent* e) {
  MouseFlags f;
  f.left = e->buttons().testFlag(Qt::LeftButton);
  f.right = e->buttons().testFlag(Qt::RightButton);
  f.middle = e->buttons().testFlag(Qt::MiddleButton);
  f.shift = e->modifiers().testFlag(Qt::ShiftModifier);
  f.ctrl = e->modifiers().testFlag(Qt::ControlModifier);
  return f;
}

InputKey KeyOf(const QKeyEvent* e) {
  const bool keypad = e->modifiers().testFlag(Qt::KeypadModifier);
  switch (e->key()) {
    case Qt::Key_Control:
      return InputKey::Control;
    case Qt::Key_Escape:
      return InputKey::Escape;
    case Qt::Key_Space:
      return InputKey::Space;
    case Qt::Key_Plus:
      return keypad ? InputKey::KeypadPlus : InputKey::Plus;
    case Qt::Key_Equal:  // + without Shift on many keyboards
      return InputKey::Plus;
    case Qt::Key_Minus:
      return keypad ? InputKey::KeypadMinus : InputKey::Minus;
    case Qt::Key_Left:
      return InputKey::Left;
    case Qt::Key_Right:
      return InputKey::Right;
    case Qt::Key_Up:
      return InputKey::Up;
    case Qt::Key_Down:
      return InputKey::Down;
    case Qt::Key_Home:
      return InputKey::Home;
    default:
      return InputKey::Other;
  }
}

}  // namespace

void FrameView::registerInputCommands() {
  const InputState& s = input_.state();
  const auto flag = [](const bool& value) { return [&value] { return value; }; };
  const auto in = [&s](InputMode mode) { return [&s, mode] { return s.mode == mode; }; };
  setCommand(
      kCmdGraphicalInput, [this] { perform(input_.graphicalInputCommand()); },
      in(InputMode::Drawing));
  setCommand(
      kCmdGrid, [this] { perform(input_.gridCommand()); }, flag(session_.view.grid.on));
  setCommand(
      kCmdHinge, [this] { perform(input_.hingeCommand()); }, flag(s.hingeMode));
  setCommand(
      kCmdZoom, [this] { perform(input_.zoomCommand(clock_())); }, flag(s.zoomMode));
  setCommand(
      kCmdWindowMode, [this] { perform(input_.windowCommand()); },
      [this] { return input_.windowMode(); });
  setCommand(
      kCmdAuxHorizontal, [this] { perform(input_.auxLineCommand(false)); },
      in(InputMode::AuxHorizontal));
  setCommand(
      kCmdAuxVertical, [this] { perform(input_.auxLineCommand(true)); },
      in(InputMode::AuxVertical));
  clock_ = TickCount;
}

void FrameView::perform(const InputActions& actions) {
  guarded([&] {
    for (const InputAction& a : actions) performOne(a);
  });
  emit commandStatesChanged();
}

void FrameView::performOne(const InputAction& a) {
  switch (a.kind) {
    case InputActionKind::Repaint:
      update();
      break;
    case InputActionKind::RedrawFrame:
      redraw();
      break;
    case InputActionKind::DrawElement:
      drawIntoFrame(a);
      break;
    case InputActionKind::OpenElementEditor:
      emit elementEditorRequested(a.value);
      break;
    case InputActionKind::OpenElementsTable:
      emit elementsTableRequested();
      break;
    case InputActionKind::AskGrid:
      askGrid();
      break;
    case InputActionKind::ShowHint:
    case InputActionKind::CloseHint:
      showHint(a.kind == InputActionKind::ShowHint);
      break;
    case InputActionKind::PromptChanged:
      setPromptText(input_.state().promptText);
      break;
    case InputActionKind::ShowCoordinates:
      emit pointerMoved(input_.state().lastLogical.x, input_.state().lastLogical.y);
      break;
    case InputActionKind::ShowSnapPoint:
      if (const std::optional<WorldPoint>& snap = input_.state().snapPoint)
        emit snapPointMoved(snap->x, snap->y);
      else
        emit snapPointHidden();
      break;
    case InputActionKind::ShowContextMenu:
      showContextMenu(ToQt(a.from));
      break;
    case InputActionKind::RememberHubPoint:
      hubPoint_ = mapToGlobal(ToQt(a.from));
      break;
    case InputActionKind::RunEnd:
      runCommand(kCmdEnd);
      break;
    case InputActionKind::ModelEdited:
      emit modelEdited(FromAnsi(a.text));
      break;
  }
}

// Straight into the cached picture, as the new element stays until the
// frame is drawn anew (which then draws it as all others).
void FrameView::drawIntoFrame(const InputAction& a) {
  if (frame_.isNull()) return;
  QPainter painter(&frame_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, kDrawnElementPen, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(ToQt(a.from), ToQt(a.to));
  update();
}

void FrameView::showHint(bool shown) {
  if (!shown) {
    if (hint_) hint_->hide();
    return;
  }
  if (!hint_) {
    hint_ = new QLabel(QString::fromLatin1(kInputHint), this);
    hint_->setObjectName(QString("inputHint%1").arg(kHintId));
    hint_->setFrameShape(QFrame::Box);
    QFont font("Arial");
    font.setPointSize(kHintPointSize);
    hint_->setFont(font);
    hint_->setAutoFillBackground(true);
    const QSize text = hint_->sizeHint();
    hint_->setGeometry(0, 0, text.width() + kHintExtraWidth, text.height());
  }
  hint_->show();
}

void FrameView::askGrid() {
  const GridSettings& grid = session_.view.grid;
  GridDialog dialog(grid.meshWidth, grid.snapRadius, messages(), this);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  perform(input_.gridDialogClosed(accepted, dialog.meshWidth(), dialog.snapRadius()));
}

// The menu offers the clipboard commands, which the view does not serve.
void FrameView::showContextMenu(QPoint p) {
  auto* menu = new QMenu("Bearbeiten", this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (const char* text : {"&Ausschneiden\tCtrl+X", "&Kopieren\tCtrl+C", "&Einf\xfcgen\tCtrl+V"})
    menu->addAction(FromAnsi(text))->setEnabled(false);
  menu->popup(mapToGlobal(p));
}

void FrameView::mousePressEvent(QMouseEvent* event) {
  const DevicePoint p = Device(event->position().toPoint());
  switch (event->button()) {
    case Qt::XButton1:
    case Qt::XButton2:
      runCommand(kCmdEnd);
      break;
    case Qt::LeftButton:
      perform(input_.leftButtonDown(p, Flags(event)));
      break;
    case Qt::RightButton:
      perform(input_.rightButtonDown(p));
      break;
    case Qt::MiddleButton:
      perform(input_.middleButtonDown(p));
      break;
    default:
      break;
  }
}

void FrameView::mouseMoveEvent(QMouseEvent* event) {
  perform(input_.mouseMove(Device(event->position().toPoint()), Flags(event)));
}

void FrameView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) perform(input_.leftButtonUp(Device(p)));
  if (event->button() == Qt::RightButton)
    perform(input_.contextMenu(Device(p), rect().contains(p)));
  if (event->button() == Qt::MiddleButton) perform(input_.middleButtonUp());
}

void FrameView::wheelEvent(QWheelEvent* event) {
  const Qt::KeyboardModifiers m = event->modifiers();
  const WheelModifiers modifiers{m.testFlag(Qt::AltModifier), m.testFlag(Qt::ControlModifier),
                                 m.testFlag(Qt::ShiftModifier)};
  // With Alt some platforms turn the vertical wheel into a horizontal one.
  const QPoint angle = event->angleDelta();
  const int delta = angle.y() != 0 ? angle.y() : angle.x();
  switch (TurnWheel(session_.view, session_.paths, modifiers, delta, showsMechanism())) {
    case WheelEffect::Repaint:
      redraw();
      break;
    case WheelEffect::ZoomAtPointer:
      perform(input_.zoomAt(Device(event->position().toPoint()),
                            delta >= 0 ? kNavigationZoomStep : 1.0 / kNavigationZoomStep));
      break;
    case WheelEffect::Nothing:
      break;
  }
  event->accept();
}

// Zoom in and out about the middle of the view, and the whole frame, also
// from the menu.
void FrameView::registerNavigation() {
  setCommand(kCmdZoomIn, [this] { perform(input_.keyDown(InputKey::Plus, false, clock_())); });
  setCommand(kCmdZoomOut, [this] { perform(input_.keyDown(InputKey::Minus, false, clock_())); });
  setCommand(kCmdFitFrame, [this] { perform(input_.fitWholeFrame()); });
}

// The mouse's context menu comes with the release of the right button.
void FrameView::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() != QContextMenuEvent::Keyboard) return;
  const QPoint p = mapFromGlobal(QCursor::pos());
  perform(input_.contextMenu(Device(p), rect().contains(p)));
}

void FrameView::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  perform(input_.keyDown(KeyOf(event), ctrl, clock_()));
}

void FrameView::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) perform(input_.keyUp(KeyOf(event)));
}

void FrameView::paintInputOverlays(QPainter& painter) {
  const InputState& s = input_.state();
  if (input_.showsStartMark()) {
    // A dot like the end marks of the frame, never a circle like a hinge.
    const int r = std::max(1, input_.markPixels() / 2);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::black);
    painter.drawEllipse(ToQt(s.rubberStart), r, r);
  }
  painter.setBrush(Qt::NoBrush);
  if (input_.showsRectangle()) {
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(QRect(ToQt(s.rubberStart), ToQt(s.rubberEnd)).normalized());
  } else if (input_.showsRubberLine()) {
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(ToQt(s.rubberStart), ToQt(s.rubberEnd));
  }
  if (!s.cursorText.empty()) {
    painter.setPen(QPen(Qt::black, 0));
    painter.drawText(ToQt(s.cursorTextPoint), FromAnsi(s.cursorText));
  }
}

}  // namespace rerore
