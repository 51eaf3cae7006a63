#include "tables/arc_dialog.h"

#include <QLineEdit>

#include "gui/message_boxes.h"

namespace rerore {

ArcDialog::ArcDialog(const ArcFieldTexts& shown, QWidget* parent)
    : FieldsDialog("Arc",
                   {"Radius", "Angle on the left", "Angle on the right", "Number of segments"},
                   parent) {
  const std::string values[] = {shown.radius, shown.angleLeft, shown.angleRight, shown.segments};
  for (int i = 0; i < 4; ++i) field(i)->setText(FromAnsi(values[i]));
}

ArcFieldTexts ArcDialog::texts() const { return {text(0), text(1), text(2), text(3)}; }

}  // namespace rerore
