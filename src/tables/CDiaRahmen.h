// The multi-storey frame dialog ("Frame"): height, number of columns and
// column spacing of every storey. The input hub generates the frame after
// its OK.
#pragma once

#include "tables/TableDialog.h"

namespace rerore {

class CDiaRahmen : public TableDialog {
  Q_OBJECT
 public:
  CDiaRahmen(Session& session, UserMessages& messages, QWidget* parent = nullptr);
  // Stores the storeys and closes; a refused table keeps the dialog open.
  void onOk();
};

}  // namespace rerore
