#include "tables/input_hub.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

#include "generators/curve_generators.h"
#include "generators/frame_generator.h"
#include "gui/command_ids.h"
#include "tables/arc_dialog.h"
#include "tables/continuous_beam_dialog.h"
#include "tables/cross_sections_dialog.h"
#include "tables/elements_dialog.h"
#include "tables/frame_generator_dialog.h"
#include "tables/materials_dialog.h"
#include "tables/nodes_dialog.h"
#include "tables/parabola_dialog.h"

namespace rerore {

namespace {

constexpr QPoint kDefaultHubPosition{0, 70};

struct HubButton {
  const char* label;
  void (InputHub::*action)();
  const char* tip;
};

const HubButton kButtons[] = {
    {"Title", &InputHub::title, "Title of the project"},
    {"&Material", &InputHub::materials, "E-moduli, or concrete classes such as C30/37"},
    {"&Cross Sections", &InputHub::crossSections, "Width, height, area and moment of inertia"},
    {"Continuous Beam", &InputHub::continuousBeam, "A beam on supports from its span ends"},
    {"Frame", &InputHub::frame, "A multi-storey frame from its storeys"},
    {"&Elements", &InputHub::elements, "The table of the frame's elements"},
    {"Arc", &InputHub::arc, "A circular arc of straight segments"},
    {"Parabola", &InputHub::parabola, "A parabola of straight segments"},
    {"Supports", &InputHub::supports, "The nodes and their elastic supports"},
};

}  // namespace

InputHub::InputHub(Session& session, UserMessages& messages, MessageSink toView,
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

QPushButton* InputHub::button(const QString& label) const {
  for (QPushButton* b : buttons_)
    if (b->text() == label) return b;
  return nullptr;
}

// Inputs that were entered carry a mark.
void InputHub::refreshButtons() {
  const QIcon done = style()->standardIcon(QStyle::SP_DialogApplyButton);
  const bool entered[] = {titleRequested_, materialsEntered_, sectionsEntered_};
  for (size_t i = 0; i < std::size(entered); ++i) buttons_[i]->setIcon(entered[i] ? done : QIcon());
}

void InputHub::post(int message, int wParam) const {
  if (toView_) toView_(message, wParam);
}

void InputHub::redrawView() { post(kMsgRepaint, 1); }

void InputHub::handleMessage(int message, int wParam) {
  if (message == kMsgInputFinished && wParam == 1) refreshButtons();
}

void InputHub::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (focusWidget() == buttons_[0]) title();
    if (focusWidget() == buttons_[1]) materials();
    return;
  }
  QDialog::keyPressEvent(event);
}

void InputHub::reject() {
  if (closed_) return;
  closed_ = true;
  hide();
  post(kMsgHubClosed, 2);
}

void InputHub::title() {
  titleRequested_ = true;
  post(kMsgOpenTitle, 1);
}

void InputHub::materials() {
  MaterialsDialog dialog(session_, messages_, this);
  dialog.setMessageSink(toView_);
  if (dialog.exec() != QDialog::Accepted) return;
  materialsEntered_ = true;
  refreshButtons();
  redrawView();
}

void InputHub::crossSections() {
  CrossSectionsDialog dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (session_.model.params.crossSectionCount > 0) sectionsEntered_ = true;
  refreshButtons();
  redrawView();
}

void InputHub::continuousBeam() {
  ContinuousBeamDialog dialog(session_, messages_, this);
  if (dialog.exec() == QDialog::Accepted) redrawView();
}

void InputHub::frame() {
  FrameGeneratorDialog dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (FrameDialogAccepted(session_, messages_) == ViewFollowUp::Redraw) redrawView();
}

void InputHub::elements() { post(kMsgOpenElementsTable, 1); }

void InputHub::arc() {
  ArcDialog dialog(LoadArcDialogTexts(session_.paths), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (ArcDialogOk(session_, messages_, dialog.texts()) == ViewFollowUp::ElementsTableEnded)
    post(kMsgElementsTableEnded, kEndedWithOk);
}

void InputHub::parabola() {
  ParabolaDialog dialog(ParabolaDialogTexts(session_.model.parabola), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (ParabolaDialogOk(session_, messages_, dialog.texts()) != ViewFollowUp::ResetAndOpenElements)
    return;
  session_.view.resetZoomRequested = true;
  redrawView();
  post(kMsgOpenElementsTableAlias, 1);
}

// Whatever the table's end, the point its row labels marked is forgotten.
void InputHub::supports() {
  NodesDialog dialog(session_, messages_, this);
  dialog.setMessageSink(toView_);
  dialog.exec();
  session_.view.markedPoint.set = false;
  redrawView();
}

}  // namespace rerore
