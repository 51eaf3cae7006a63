// The dialog of the arc generator ("Arc"): radius, the two angles and the
// number of segments. The input hub reads the fields after OK and runs the
// generator.
#pragma once

#include "generators/curve_generators.h"
#include "tables/fields_dialog.h"

namespace rerore {

class ArcDialog : public FieldsDialog {
  Q_OBJECT
 public:
  ArcDialog(const ArcFieldTexts& shown, QWidget* parent = nullptr);
  ArcFieldTexts texts() const;
};

}  // namespace rerore
