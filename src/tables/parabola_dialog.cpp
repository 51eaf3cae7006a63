#include "tables/parabola_dialog.h"

#include <QLineEdit>

#include "gui/message_boxes.h"

namespace rerore {

ParabolaDialog::ParabolaDialog(const ParabolaFieldTexts& shown, QWidget* parent)
    : FieldsDialog("Parabola", {"Length of base line", "Height", "Elements < 100"}, parent) {
  const std::string values[] = {shown.span, shown.rise, shown.elements};
  for (int i = 0; i < 3; ++i) field(i)->setText(FromAnsi(values[i]));
}

ParabolaFieldTexts ParabolaDialog::texts() const { return {text(0), text(1), text(2)}; }

}  // namespace rerore
