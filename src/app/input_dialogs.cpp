#include "app/input_dialogs.h"

#include <QEvent>

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

void InputDialogs::openHub() {
  if (hub_) return;
  const std::optional<QPoint> remembered = view_.hubPoint();
  const QPoint position = remembered.value_or(hubPosition_.value_or(view_.mapToGlobal(QPoint())));
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
    if (hubDock_->isFloating() && remembered) hubDock_->move(*remembered);
    hubDock_->show();
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

void InputDialogs::refreshElementsTable() {
  if (elementsTable_ && elementsTable_->isVisible()) elementsTable_->showModelRows();
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
