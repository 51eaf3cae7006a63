#include "tables/input_hub.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "generators/curve_generators.h"
#include "generators/frame_generator.h"
#include "gui/message_boxes.h"
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
  const char* whatsThis;
};

const HubButton kButtons[] = {
    {"Title", &InputHub::title, "Title of the project",
     "<b>Title</b>: the title of the project, one line of at most 60 characters; it heads "
     "the printed page, the echo file and the dimensions report. Return on this button opens it "
     "too."},
    {"&Material", &InputHub::materials, "E-moduli, or concrete classes such as C30/37",
     "<b>Material</b>: the table of materials, up to 20 E-moduli in kN/m\u00b2. Type a "
     "concrete class such as C30/37 and Return to get its modulus."},
    {"&Cross Sections", &InputHub::crossSections, "Width, height, area and moment of inertia",
     "<b>Cross Sections</b>: the table of up to 50 sections with b, h, A and I; Return after "
     "h computes A and I of the rectangle."},
    {"Continuous Beam", &InputHub::continuousBeam, "A beam on supports from its span ends",
     "<b>Continuous Beam</b>: replaces the frame by a beam on the x axis from x = 0 with a "
     "support at every span end; type the x of the span ends."},
    {"Frame", &InputHub::frame, "A multi-storey frame from its storeys",
     "<b>Frame</b>: replaces the frame by a multi-storey frame: per storey its height, number "
     "of columns and spacing. The feet are pinned."},
    {"&Elements", &InputHub::elements, "The table of the frame's elements",
     "<b>Elements</b>: the table of up to 100 elements with their end points, material, "
     "section, compression and tension flags and hinges. It stays open beside the drawing."},
    {"Arc", &InputHub::arc, "A circular arc of straight segments",
     "<b>Arc</b>: replaces the frame by a circular arc around the origin: radius, the angles "
     "on the left and the right in degrees, and the number of segments."},
    {"Parabola", &InputHub::parabola, "A parabola of straight segments",
     "<b>Parabola</b>: replaces the frame by a parabolic arch on the x axis: the length of "
     "the base line, the height and the number of elements; the elements table opens "
     "afterwards."},
    {"Supports", &InputHub::supports, "The nodes and their elastic supports",
     "<b>Supports</b>: the nodes with their support factors k in u, v and phi: 0 = free, 1 = "
     "rigid, in between an elastic spring."},
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
    button->setWhatsThis(b.whatsThis);
    connect(button, &QPushButton::clicked, this, b.action);
    layout->addWidget(button);
    buttons_.push_back(button);
  }
  auto* caption = new QLabel(tr("E new material (kN/m\u00b2)"), this);
  number_ = new QLabel(this);
  number_->setObjectName("hubNumber");
  number_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  for (QLabel* label : {caption, number_}) {
    label->setWhatsThis(
        tr("<b>E new</b>: the E-modulus in kN/m\u00b2 that a new material row starts with: the "
           "modulus of material 1 once the materials table was entered, else the program's "
           "default."));
    layout->addWidget(label);
  }
  layout->addStretch();  // in a tall dock the buttons stay together at the top
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
  number_->setText(FromAnsi(Format("%.2f", session_.model.params.defaultModulus)));
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
  emit modelEdited("Materials table");
  materialsEntered_ = true;
  refreshButtons();
  emit redrawRequested();
}

void InputHub::crossSections() {
  CrossSectionsDialog dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  emit modelEdited("Cross sections table");
  if (session_.model.params.crossSectionCount > 0) sectionsEntered_ = true;
  refreshButtons();
  emit redrawRequested();
}

void InputHub::continuousBeam() {
  ContinuousBeamDialog dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  emit modelEdited("Continuous beam");
  emit redrawRequested();
}

void InputHub::frame() {
  FrameGeneratorDialog dialog(session_, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const ViewFollowUp followUp = FrameDialogAccepted(session_, messages_);
  emit modelEdited("Frame");
  if (followUp == ViewFollowUp::Redraw) emit redrawRequested();
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
  if (dialog.exec() != QDialog::Accepted) return;
  emit modelEdited("Arc");
  if (followUp == ViewFollowUp::ElementsTableEnded) emit arcGenerated();
}

void InputHub::parabola() {
  ParabolaDialog dialog(ParabolaDialogTexts(session_.model.parabola), this);
  ViewFollowUp followUp = ViewFollowUp::None;
  dialog.setOkAction([&] {
    followUp = ParabolaDialogOk(session_, messages_, dialog.texts());
    return followUp != ViewFollowUp::None;
  });
  if (dialog.exec() != QDialog::Accepted) return;
  emit modelEdited("Parabola");
  if (followUp != ViewFollowUp::ResetAndOpenElements) return;
  session_.view.resetZoomRequested = true;
  emit redrawRequested();
  emit elementsTableRequested();
}

// Whatever the table's end, the point its row labels marked is forgotten.
void InputHub::supports() {
  NodesDialog dialog(session_, messages_, this);
  connect(&dialog, &TableDialog::pointMarked, this, &InputHub::pointMarked);
  if (dialog.exec() == QDialog::Accepted) emit modelEdited("Nodes table");
  session_.view.markedPoint.set = false;
  emit redrawRequested();
}

}  // namespace rerore
