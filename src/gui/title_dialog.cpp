#include "gui/title_dialog.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"

namespace rerore {

namespace {

constexpr int kTitleChars = 60;

}  // namespace

TitleDialog::TitleDialog(const std::string& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Title of project"));
  auto* layout = new QVBoxLayout(this);
  field_ = new QLineEdit(this);
  field_->setMaxLength(kTitleChars);
  field_->setText(FromAnsi(title));
  field_->setMinimumWidth(field_->fontMetrics().averageCharWidth() * kTitleChars);
  layout->addWidget(field_);
  layout->addLayout(OkStopRow(this));
  field_->setWhatsThis(
      tr("<b>Title of project</b>: one line of at most 60 characters; it heads the printed "
         "page, the echo file and the dimensions report."));
  field_->setFocus();
}

std::string TitleDialog::title() const { return ToAnsi(field_->text()); }

}  // namespace rerore
