#include "tables/fields_dialog.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/message_boxes.h"

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

void FieldsDialog::accept() {
  if (okAction_ && !okAction_()) return;
  QDialog::accept();
}

std::string FieldsDialog::text(int index) const { return ToAnsi(field(index)->text()); }

}  // namespace rerore
