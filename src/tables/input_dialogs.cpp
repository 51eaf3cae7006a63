#include "tables/input_dialogs.h"

#include "commands/default_modulus.h"
#include "gui/command_ids.h"
#include "tables/elements_dialog.h"
#include "tables/input_hub.h"
#include "view/frame_view.h"

namespace rerore {

InputDialogs::InputDialogs(FrameView& view) : QObject(&view), view_(view) {
  view.setCommand(kCmdDialogInput, [this] { dialogInput(); });
  view.setMessageHandler(kMsgHubClosed, [this](int w) { hubClosed(w); });
  view.setMessageHandler(kMsgOpenElementsTable, [this](int w) { openElementsTable(w); });
  view.setMessageHandler(kMsgOpenElementsTableAlias, [this](int w) { openElementsTable(w); });
  view.setMessageHandler(kMsgElementsTableEnded, [this](int w) { elementsTableEnded(w); });
  view.setMessageHandler(kMsgPointMarked, [this](int w) { pointMarked(w); });
  connect(&view, &FrameView::hubMessage, this, [this](int message, int wParam) {
    if (hub_) hub_->handleMessage(message, wParam);
  });
}

InputHub* InputDialogs::hub() const { return hub_; }

ElementsDialog* InputDialogs::elementsTable() const { return elementsTable_; }

void InputDialogs::dialogInput() {
  Session& session = view_.session();
  // Every input mode ends; the rubber band waits for the next chain.
  view_.resetInputModes();
  view_.input().prepareDialogInput();
  ApplyDefaultModulus(session.model.params);
  if (session.model.params.inputLock != 0 || hub_) return;
  const std::optional<QPoint> remembered = view_.hubPoint();
  const QPoint position = remembered.value_or(hubPosition_.value_or(view_.mapToGlobal(QPoint())));
  hub_ = new InputHub(
      session, view_.messages(), [this](int message, int w) { view_.postMessage(message, w); },
      position, &view_);
  hub_->show();
}

void InputDialogs::hubClosed(int) {
  if (!hub_) return;
  hubPosition_ = hub_->pos();
  hub_->deleteLater();
  hub_ = nullptr;
  view_.setPromptText("");
}

void InputDialogs::openElementsTable(int) {
  if (elementsTable_) return;
  elementsTable_ = new ElementsDialog(view_.session(), view_.messages(), &view_);
  elementsTable_->setMessageSink([this](int message, int w) { view_.postMessage(message, w); });
  elementsTable_->show();
}

void InputDialogs::elementsTableEnded(int wParam) {
  if (elementsTable_) elementsTable_->deleteLater();
  elementsTable_ = nullptr;
  view_.setPromptText("");
  view_.session().view.markedPoint.set = false;
  if (wParam == kEndedWithOk && hub_) {
    QPointer<InputHub> hub = hub_;
    QMetaObject::invokeMethod(
        this,
        [hub] {
          if (hub) hub->handleMessage(kMsgInputFinished, 1);
        },
        Qt::QueuedConnection);
  }
  view_.redraw();
}

// The marked point is part of the frame's picture.
void InputDialogs::pointMarked(int) { view_.redraw(); }

void ConnectInputDialogs(FrameView& view) { new InputDialogs(view); }

}  // namespace rerore
