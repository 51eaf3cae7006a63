#include "tables/CDiaMain.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

#include "generators/curve_generators.h"
#include "generators/frame_generator.h"
#include "tables/CDiaDLT.h"
#include "tables/CDiaElemente.h"
#include "tables/CDiaKnoten.h"
#include "tables/CDiaMaterial.h"
#include "tables/CDiaQuer.h"
#include "tables/CDiaRahmen.h"
#include "tables/curve_dialogs.h"
#include "view/view_messages.h"

namespace rerore {

namespace {

constexpr QPoint kDefaultHubPosition{0, 70};

struct HubButton {
  const char* label;
  void (CDiaMain::*action)();
  const char* tip;
};

const HubButton kButtons[] = {
    {"Title", &CDiaMain::title, "Title of the project"},
    {"&Material", &CDiaMain::materials, "E-moduli, or concrete classes such as C30/37"},
    {"&Cross Sections", &CDiaMain::crossSections, "Width, height, area and moment of inertia"},
    {"Continuous Beam", &CDiaMain::continuousBeam, "A beam on supports from its span ends"},
    {"Frame", &CDiaMain::frame, "A multi-storey frame from its storeys"},
    {"&Elements", &CDiaMain::elements, "The table of the frame's elements"},
    {"Arc", &CDiaMain::arc, "A circular arc of straight segments"},
    {"Parabola", &CDiaMain::parabola, "A parabola of straight segments"},
    {"Supports", &CDiaMain::supports, "The nodes and their elastic supports"},
};

}  // namespace

CDiaMain::CDiaMain(Session& session, UserMessages& messages, MessageSink toView,
                   std::optional<QPoint> position, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      session_(session),
      messages_(messages),
      toView_(std::move(toView)) {
  setWindowTitle("Input");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  for (const HubButton& b : kButtons) {
    auto* button = new QPushButton(b.label, this);
    // Return is the hub's own business (see keyPressEvent).
    button->setAutoDefault(false);
    button->setToolTip(b.tip);
    connect(button, &QPushButton::clicked, this, b.action);
    layout->addWidget(button);
    buttons_.push_back(button);
  }
  adjustSize();
  move(position.value_or(parent ? parent->mapToGlobal(kDefaultHubPosition) : kDefaultHubPosition));
  // On an empty model the title comes first.
  if (session_.model.params.elementCount == 0) buttons_.front()->setFocus();
  refreshButtons();
}

QPushButton* CDiaMain::button(const QString& label) const {
  for (QPushButton* b : buttons_)
    if (b->text() == label) return b;
  return nullptr;
}

// Inputs that were entered carry a mark.
void CDiaMain::refreshButtons() {
  const QIcon done = style()->standardIcon(QStyle::SP_DialogApplyButton);
  const bool entered[] = {titleRequested_, materialsEntered_, sectionsEntered_};
  for (size_t i = 0; i < std::size(entered); ++i) buttons_[i]->setIcon(entered[i] ? done : QIcon());
}

void CDiaMain::post(int message, int wParam) const {
  if (toView_) toView_(message, wParam);
}

void CDiaMain::redrawView() { post(kMsgRepaint, 1); }

void CDiaMain::handleMessage(int message, int wParam) {
  if (message == kMsgInputFinished && wParam == 1) refreshButtons();
}

void CDiaMain::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (focusWidget() == buttons_[0]) title();
    if (focusWidget() == buttons_[1]) materials();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CDiaMain::reject() {
  if (closed_) return;
  closed_ = true;
  hide();
  post(kMsgHubClosed, 2);
}

void CDiaMain::title() {
  titleRequested_ = true;
  post(kMsgOpenTitle, 1);
}

void CDiaMain::materials() {
  CDiaMaterial dialog(session_, messages_, this);
  dialog.setMessageSink(toView_);
  if (dialog.exec() != QDialog::Accepted) return;
  materialsEntered_ = true;
  refreshButtons();
  redrawView();
}

void CDiaMain::crossSections() {
  CDiaQuer dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (session_.model.params.crossSectionCount > 0) sectionsEntered_ = true;
  refreshButtons();
  redrawView();
}

void CDiaMain::continuousBeam() {
  CDiaDLT dialog(session_, messages_, this);
  if (dialog.exec() == QDialog::Accepted) redrawView();
}

void CDiaMain::frame() {
  CDiaRahmen dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (FrameDialogAccepted(session_, messages_) == ViewFollowUp::Redraw) redrawView();
}

void CDiaMain::elements() { post(kMsgOpenElementsTable, 1); }

void CDiaMain::arc() {
  CDiaBogen dialog(LoadArcDialogTexts(session_.paths), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (ArcDialogOk(session_, messages_, dialog.texts()) == ViewFollowUp::ElementsTableEnded)
    post(kMsgElementsTableEnded, kEndedWithOk);
}

void CDiaMain::parabola() {
  DiaParabola dialog(ParabolaDialogTexts(session_.model.parabola), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (ParabolaDialogOk(session_, messages_, dialog.texts()) != ViewFollowUp::ResetAndOpenElements)
    return;
  session_.view.resetZoomRequested = true;
  redrawView();
  post(kMsgOpenElementsTableAlias, 1);
}

// Whatever the table's end, the point its row labels marked is forgotten.
void CDiaMain::supports() {
  CDiaKnoten dialog(session_, messages_, this);
  dialog.setMessageSink(toView_);
  dialog.exec();
  session_.view.markedPoint.set = false;
  redrawView();
}

}  // namespace rerore
