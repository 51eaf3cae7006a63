// The continuous-beam dialog ("Continuous beam"): the x of every span end.
// Return after the first span fills equally spaced span ends.
#pragma once

#include "tables/table_dialog.h"

namespace rerore {

class ContinuousBeamDialog : public TableDialog {
  Q_OBJECT
 public:
  ContinuousBeamDialog(Session& session, UserMessages& messages, QWidget* parent = nullptr);
  // The generating OK: the beam when the span ends are in order; a refused
  // table closes the dialog all the same, except for a gap between filled
  // rows, which keeps it open so that nothing typed is lost.
  void onOk();
};

}  // namespace rerore
