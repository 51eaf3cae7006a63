#include "gui/store_as_dialog.h"

#include <QLineEdit>

#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"

namespace rerore {

StoreAsDialog::StoreAsDialog(const std::string& name, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Store"));
  field_ = OneFieldDialog(this, tr("Position"), FromAnsi(name));
  field_->setWhatsThis(
      tr("<b>Position</b>: the name of the position. Its files go to the folder SDIR and the "
         "name in the data directory, each file name ending in a point and the name (.001 "
         "for the position 001)."));
}

std::string StoreAsDialog::name() const { return ToAnsi(field_->text()); }

}  // namespace rerore
