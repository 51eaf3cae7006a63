#include "tables/delete_element_question.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>

namespace rerore {

DeleteElementQuestion::DeleteElementQuestion(QWidget* parent)
    : QDialog(parent), again_(new QCheckBox("Do not ask again", this)) {
  setWindowTitle(QString());
  again_->setWhatsThis(
      "<b>Do not ask again</b>: further deletions in the element editor happen without this "
      "question until the program ends.");
  auto* remove = new QPushButton("Delete", this);
  auto* stop = new QPushButton("Stop", this);
  remove->setDefault(true);
  connect(remove, &QPushButton::clicked, this, &QDialog::accept);
  connect(stop, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(remove);
  buttons->addWidget(stop);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(again_);
  layout->addLayout(buttons);
}

bool DeleteElementQuestion::doNotAskAgain() const { return again_->isChecked(); }

}  // namespace rerore
