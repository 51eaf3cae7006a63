#include "tables/element_editor.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/message_boxes.h"
#include "model/parse_number.h"
#include "tables/delete_element_question.h"

namespace rerore {

namespace {

QLineEdit* Field(const QString& text, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  field->setReadOnly(true);
  return field;
}

// A row number of a table with `rows` places.
QLineEdit* NumberField(int value, int rows, QWidget* parent) {
  auto* field = new QLineEdit(QString::number(value), parent);
  field->setValidator(new QIntValidator(0, rows, field));
  return field;
}

QCheckBox* Box(const QString& label, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(label, parent);
  box->setChecked(checked);
  return box;
}

// What's This of the editor's fields, by their labels.
void ExplainFields(QFormLayout& form) {
  const std::pair<const char*, const char*> texts[] = {
      {"Element", "The number of the element you clicked on."},
      {"Material",
       "<b>Material</b>: the number of the element's material (1 to 20), a row of "
       "the materials table."},
      {"Cross Section",
       "<b>Cross Section</b>: the number of the element's cross section (1 to "
       "50), a row of the cross-sections table."},
      {"EI",
       "<b>EI</b>: the bending stiffness in kNm\u00b2, E of the material times I of the "
       "section; it follows the numbers above after OK."},
      {"EA", "<b>EA</b>: the axial stiffness in kN, E of the material times A of the section."},
      {"Compression (C)", "Checked: the element takes compression."},
      {"Tension (T)", "Checked: the element takes tension."},
      {"Hinge L", "Checked: a hinge at end a (the left end); it turns freely."},
      {"Hinge R", "Checked: a hinge at end b (the right end); it turns freely."},
  };
  for (int row = 0; row < form.rowCount(); ++row) {
    QLayoutItem* label = form.itemAt(row, QFormLayout::LabelRole);
    QLayoutItem* field = form.itemAt(row, QFormLayout::FieldRole);
    if (field == nullptr) field = form.itemAt(row, QFormLayout::SpanningRole);
    QWidget* widget = field ? field->widget() : nullptr;
    if (widget == nullptr) continue;
    const auto* caption = label ? qobject_cast<QLabel*>(label->widget()) : nullptr;
    const auto* box = qobject_cast<QCheckBox*>(widget);
    const QString name = caption ? caption->text() : box ? box->text() : QString();
    for (const auto& [key, text] : texts)
      if (name == key) widget->setWhatsThis(text);
  }
}

}  // namespace

ElementEditor::ElementEditor(const ElementRecord& e, int number, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Element");
  const ElementEdit shown = ElementEditOf(e);
  material_ = NumberField(shown.material, kMaxMaterials, this);
  section_ = NumberField(shown.crossSection, kMaxCrossSections, this);
  compression_ = Box("Compression (C)", shown.compression, this);
  tension_ = Box("Tension (T)", shown.tension, this);
  hingeLeft_ = Box("Hinge L", shown.hingeLeft, this);
  hingeRight_ = Box("Hinge R", shown.hingeRight, this);
  auto* form = new QFormLayout;
  form->addRow("Element", Field(FromAnsi(Format("%i", number)), this));
  form->addRow("Material", material_);
  form->addRow("Cross Section", section_);
  form->addRow("EI", Field(FromAnsi(Format("%5.3E", e.ei)), this));
  form->addRow("EA", Field(FromAnsi(Format("%5.3E", e.ea)), this));
  for (QCheckBox* box : {compression_, tension_, hingeLeft_, hingeRight_}) form->addRow(box);
  ExplainFields(*form);

  auto* ok = new QPushButton("OK", this);
  auto* remove = new QPushButton("Delete", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(remove, &QPushButton::clicked, this, [this] {
    deleteRequested_ = true;
    accept();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(remove);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

QCheckBox* ElementEditor::box(const QString& label) const {
  for (QCheckBox* b : {compression_, tension_, hingeLeft_, hingeRight_})
    if (b->text() == label) return b;
  return nullptr;
}

ElementEdit ElementEditor::edit() const {
  ElementEdit result;
  result.material = static_cast<int16_t>(parseInteger(ToAnsi(material_->text())));
  result.crossSection = static_cast<int16_t>(parseInteger(ToAnsi(section_->text())));
  result.compression = compression_->isChecked();
  result.tension = tension_->isChecked();
  result.hingeLeft = hingeLeft_->isChecked();
  result.hingeRight = hingeRight_->isChecked();
  return result;
}

bool EditElement(Session& session, UserMessages& messages, int k, QWidget* parent) {
  ModelTables& model = session.model;
  if (k < 1 || k > ElementRows(model)) return false;
  ElementEditor editor(model.elements[k], k, parent);
  if (editor.exec() != QDialog::Accepted) return false;
  ApplyElementEdit(model, k, editor.edit());
  if (!editor.deleteRequested()) return true;
  bool& skipQuestion = session.remembered.skipDeleteQuestion;
  if (!skipQuestion) {
    DeleteElementQuestion verify(k, parent);
    if (verify.exec() != QDialog::Accepted) return true;
    skipQuestion = verify.doNotAskAgain();
  }
  DeleteElement(session, messages, k);
  return true;
}

}  // namespace rerore
