// The dialog of the parabola generator ("Parabola"): base, height and the
// number of elements. The input hub reads the fields after OK and runs the
// generator.
#pragma once

#include "generators/curve_generators.h"
#include "tables/fields_dialog.h"

namespace rerore {

class ParabolaDialog : public FieldsDialog {
  Q_OBJECT
 public:
  ParabolaDialog(const ParabolaFieldTexts& shown, QWidget* parent = nullptr);
  ParabolaFieldTexts texts() const;
};

}  // namespace rerore
