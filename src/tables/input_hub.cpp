#include "tables/input_hub.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

#include "generators/curve_generators.h"
#include "generators/frame_generator.h"
#include "tables/arc_dialog.h"
#include "tables/continuous_beam_dialog.h"
#include "tables/cross_sections_dialog.h"
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

InputHub::InputHub(Session& session, UserMessages& messages, std::optional<QPoint> position,
                   QWidget* parent)
    : QDialog(parent, Qt::Tool), session_(session), messages_(messages) {
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
  const bool entered[] = {titleAskedFor_, materialsEntered_, sectionsEntered_};
  for (size_t i = 0; i < std::size(entered); ++i) buttons_[i]->setIcon(entered[i] ? done : QIcon());
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
  emit closed();
}

void InputHub::title() {
  titleAskedFor_ = true;
  emit titleRequested();
}

void InputHub::materials() {
  MaterialsDialog dialog(session_, messages_, this);
  connect(&dialog, &TableDialog::pointMarked, this, &InputHub::pointMarked);
  if (dialog.exec() != QDialog::Accepted) return;
  materialsEntered_ = true;
  refreshButtons();
  emit redrawRequested();
}

void InputHub::crossSections() {
  CrossSectionsDialog dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (session_.model.params.crossSectionCount > 0) sectionsEntered_ = true;
  refreshButtons();
  emit redrawRequested();
}

void InputHub::continuousBeam() {
  ContinuousBeamDialog dialog(session_, messages_, this);
  if (dialog.exec() == QDialog::Accepted) emit redrawRequested();
}

void InputHub::frame() {
  FrameGeneratorDialog dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (FrameDialogAccepted(session_, messages_) == ViewFollowUp::Redraw) emit redrawRequested();
}

void InputHub::elements() { emit elementsTableRequested(); }

// The generator runs on the dialog's OK, which stays open when it refuses.
void InputHub::arc() {
  ArcDialog dialog(LoadArcDialogTexts(session_.paths), this);
  ViewFollowUp followUp = ViewFollowUp::None;
  dialog.setOkAction([&] {
    followUp = ArcDialogOk(session_, messages_, dialog.texts());
    return followUp != ViewFollowUp::None;
  });
  if (dialog.exec() == QDialog::Accepted && followUp == ViewFollowUp::ElementsTableEnded)
    emit arcGenerated();
}

void InputHub::parabola() {
  ParabolaDialog dialog(ParabolaDialogTexts(session_.model.parabola), this);
  ViewFollowUp followUp = ViewFollowUp::None;
  dialog.setOkAction([&] {
    followUp = ParabolaDialogOk(session_, messages_, dialog.texts());
    return followUp != ViewFollowUp::None;
  });
  if (dialog.exec() != QDialog::Accepted || followUp != ViewFollowUp::ResetAndOpenElements) return;
  session_.view.resetZoomRequested = true;
  emit redrawRequested();
  emit elementsTableRequested();
}

// Whatever the table's end, the point its row labels marked is forgotten.
void InputHub::supports() {
  NodesDialog dialog(session_, messages_, this);
  connect(&dialog, &TableDialog::pointMarked, this, &InputHub::pointMarked);
  dialog.exec();
  session_.view.markedPoint.set = false;
  emit redrawRequested();
}

}  // namespace rerore
