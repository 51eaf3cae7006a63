#include "gui/store_as_dialog.h"

#include <QLineEdit>

#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"

namespace rerore {

StoreAsDialog::StoreAsDialog(const std::string& name, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Store"));
  field_ = OneFieldDialog(this, tr("Position"), FromAnsi(name));
}

std::string StoreAsDialog::name() const { return ToAnsi(field_->text()); }

}  // namespace rerore
