#include "tables/parabola_dialog.h"

#include <QLineEdit>

#include "gui/message_boxes.h"

namespace rerore {

ParabolaDialog::ParabolaDialog(const ParabolaFieldTexts& shown, QWidget* parent)
    : FieldsDialog("Parabola", {"Length of base line", "Height", "Elements (1 to 100)"}, parent) {
  const std::string values[] = {shown.span, shown.rise, shown.elements};
  const char* help[] = {
      "<b>Length of base line</b> in metres: the arch stands on the x axis from x = 0 to "
      "this length.",
      "<b>Height</b> of the arch at mid-span in metres.",
      "<b>Elements</b>: the number of straight elements, 1 to 100; a fraction is cut off."};
  for (int i = 0; i < 3; ++i) {
    field(i)->setText(FromAnsi(values[i]));
    field(i)->setWhatsThis(help[i]);
  }
}

ParabolaFieldTexts ParabolaDialog::texts() const { return {text(0), text(1), text(2)}; }

}  // namespace rerore
