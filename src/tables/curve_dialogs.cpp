#include "tables/curve_dialogs.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "shell/QtMessages.h"

namespace rerore {

FieldsDialog::FieldsDialog(const QString& title, const std::vector<QString>& labels,
                           QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  auto* form = new QFormLayout;
  for (const QString& label : labels) {
    fields_.push_back(new QLineEdit(this));
    form->addRow(label, fields_.back());
  }
  auto* ok = new QPushButton("OK", this);
  auto* stop = new QPushButton("Stop", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(stop, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(stop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

std::string FieldsDialog::text(int index) const { return ToAnsi(field(index)->text()); }

CDiaBogen::CDiaBogen(const ArcFieldTexts& shown, QWidget* parent)
    : FieldsDialog("Arc",
                   {"Radius", "Angle on the left", "Angle on the right", "Number of segments"},
                   parent) {
  const std::string values[] = {shown.radius, shown.angleLeft, shown.angleRight, shown.segments};
  for (int i = 0; i < 4; ++i) field(i)->setText(FromAnsi(values[i]));
}

ArcFieldTexts CDiaBogen::texts() const { return {text(0), text(1), text(2), text(3)}; }

DiaParabola::DiaParabola(const ParabolaFieldTexts& shown, QWidget* parent)
    : FieldsDialog("Parabola", {"Length of base line", "Height", "Elements < 100"}, parent) {
  const std::string values[] = {shown.span, shown.rise, shown.elements};
  for (int i = 0; i < 3; ++i) field(i)->setText(FromAnsi(values[i]));
}

ParabolaFieldTexts DiaParabola::texts() const { return {text(0), text(1), text(2)}; }

}  // namespace rerore
