#include "tables/delete_element_question.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "gui/message_boxes.h"
#include "model/constants.h"

namespace rerore {

DeleteElementQuestion::DeleteElementQuestion(int element, QWidget* parent)
    : QDialog(parent), again_(new QCheckBox("Do not ask again", this)) {
  setWindowTitle(kApplicationTitle);
  auto* question = new QLabel(FromAnsi(Format("Delete element %i?", element)), this);
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
  layout->addWidget(question);
  layout->addWidget(again_);
  layout->addLayout(buttons);
}

bool DeleteElementQuestion::doNotAskAgain() const { return again_->isChecked(); }

}  // namespace rerore
