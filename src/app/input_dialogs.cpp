#include "app/input_dialogs.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>

#include "gui/message_boxes.h"
#include "tables/element_editor.h"
#include "tables/elements_dialog.h"
#include "tables/input_hub.h"
#include "view/frame_view.h"

namespace rerore {

InputDialogs::InputDialogs(FrameView& view, QObject* parent) : QObject(parent), view_(view) {
  connect(&view, &FrameView::inputHubRequested, this, &InputDialogs::openHub);
  connect(&view, &FrameView::elementsTableRequested, this, &InputDialogs::openElementsTable,
          Qt::QueuedConnection);
  connect(&view, &FrameView::elementEditorRequested, this, &InputDialogs::editElement);
  connect(&view, &FrameView::titleEntered, this, [this] {
    if (hub_) hub_->refreshButtons();
  });
}

InputHub* InputDialogs::hub() const { return hub_; }

ElementsDialog* InputDialogs::elementsTable() const { return elementsTable_; }

QPoint HubStartPoint(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  const int border = inner.left() - outer.left();
  const int caption = inner.top() - outer.top() - border;
  const auto* main = qobject_cast<const QMainWindow*>(&window);
  const int menu = main && main->menuBar()->isVisible() ? main->menuBar()->height() : 0;
  const int icon = window.style()->pixelMetric(QStyle::PM_LargeIconSize);
  return outer.topLeft() + QPoint(border, caption + border + menu + icon);
}

// The hub opens at the point the context menu remembered, else where it
// was closed last, else below the window's menu. In its dock it stays
// docked unless the context menu chose a point: then it floats there.
void InputDialogs::openHub() {
  if (hub_) return;
  const std::optional<QPoint> remembered = view_.hubPoint();
  view_.forgetHubPoint();
  const QPoint position =
      remembered.value_or(hubPosition_.value_or(HubStartPoint(*view_.window())));
  QWidget* owner = hubDock_ ? static_cast<QWidget*>(hubDock_.data()) : &view_;
  hub_ = new InputHub(view_.session(), view_.messages(), position, owner);
  const auto queued = Qt::QueuedConnection;
  connect(hub_, &InputHub::titleRequested, &view_, &FrameView::editTitle, queued);
  connect(hub_, &InputHub::elementsTableRequested, this, &InputDialogs::openElementsTable, queued);
  connect(hub_, &InputHub::redrawRequested, &view_, &FrameView::redraw, queued);
  connect(hub_, &InputHub::pointMarked, &view_, &FrameView::redraw, queued);
  connect(
      hub_, &InputHub::arcGenerated, this, [this] { elementsTableEnded(true); }, queued);
  connect(hub_, &InputHub::closed, this, &InputDialogs::hubClosed, queued);
  connect(hub_, &InputHub::modelEdited, this, &InputDialogs::modelEdited);
  if (hubDock_) {
    hub_->setWindowFlags(Qt::Widget);
    hubDock_->setWidget(hub_);
    if (remembered) hubDock_->setFloating(true);
    hubDock_->show();
    // Placed once shown: showing a floating dock puts it where it was.
    if (remembered)
      hubDock_->move(*remembered);
    else if (hubDock_->isFloating() && !hubDockPlaced_)
      hubDock_->move(position);
    hubDockPlaced_ = true;
  }
  hub_->show();
}

void InputDialogs::setHubDock(QDockWidget* dock) {
  hubDock_ = dock;
  dock->installEventFilter(this);
}

bool InputDialogs::eventFilter(QObject* watched, QEvent* event) {
  if (watched == hubDock_ && event->type() == QEvent::Close && hub_)
    static_cast<QDialog*>(hub_.data())->reject();
  return QObject::eventFilter(watched, event);
}

void InputDialogs::hubClosed() {
  if (!hub_) return;
  if (hubDock_)
    hubDock_->hide();
  else
    hubPosition_ = hub_->pos();
  hub_->deleteLater();
  hub_ = nullptr;
  view_.setPromptText("");
}

void InputDialogs::openElementsTable() {
  if (elementsTable_) return;
  elementsTable_ = new ElementsDialog(view_.session(), view_.messages(), &view_);
  const auto queued = Qt::QueuedConnection;
  connect(elementsTable_, &ElementsDialog::ended, this, &InputDialogs::elementsTableEnded, queued);
  // The marked point is part of the frame's picture.
  connect(elementsTable_, &TableDialog::pointMarked, &view_, &FrameView::redraw, queued);
  connect(elementsTable_, &ElementsDialog::modelEdited, this, &InputDialogs::modelEdited);
  elementsTable_->show();
}

void InputDialogs::refreshOpenDialogs() {
  if (elementsTable_ && elementsTable_->isVisible()) elementsTable_->showModelRows();
  if (hub_) hub_->refreshButtons();
}

void InputDialogs::elementsTableEnded(bool accepted) {
  if (elementsTable_) elementsTable_->deleteLater();
  elementsTable_ = nullptr;
  view_.setPromptText("");
  view_.session().view.markedPoint.set = false;
  // The hub hears of the finished input once this has returned.
  if (accepted && hub_)
    QMetaObject::invokeMethod(hub_, &InputHub::refreshButtons, Qt::QueuedConnection);
  view_.redraw();
}

void InputDialogs::editElement(int element) {
  const int before = view_.session().model.params.elementCount;
  if (!EditElement(view_.session(), view_.messages(), element, &view_)) return;
  const bool deleted = view_.session().model.params.elementCount < before;
  emit modelEdited(FromAnsi(Format(deleted ? "Delete element %i" : "Change element %i", element)));
}

}  // namespace rerore
