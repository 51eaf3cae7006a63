#include "tables/arc_dialog.h"

#include <QLineEdit>

#include "gui/message_boxes.h"

namespace rerore {

ArcDialog::ArcDialog(const ArcFieldTexts& shown, QWidget* parent)
    : FieldsDialog("Arc",
                   {"Radius", "Angle on the left", "Angle on the right", "Number of segments"},
                   parent) {
  const std::string values[] = {shown.radius, shown.angleLeft, shown.angleRight, shown.segments};
  const char* help[] = {
      "<b>Radius</b> of the arc in metres; the centre is the origin (0, 0).",
      "<b>Angle on the left</b> in degrees, counted from the x axis anticlockwise (180 = the "
      "point (-R, 0)).",
      "<b>Angle on the right</b> in degrees (0 = the point (R, 0)); the arc runs from the "
      "larger angle to the smaller one.",
      "<b>Number of segments</b>: straight elements along the arc, at most 100 in all."};
  for (int i = 0; i < 4; ++i) {
    field(i)->setText(FromAnsi(values[i]));
    field(i)->setWhatsThis(help[i]);
  }
}

ArcFieldTexts ArcDialog::texts() const { return {text(0), text(1), text(2), text(3)}; }

}  // namespace rerore
