// The multi-storey frame dialog ("Frame"): height, number of columns and
// column spacing of every storey. The input hub generates the frame after
// its OK.
#pragma once

#include "tables/table_dialog.h"

namespace rerore {

class FrameGeneratorDialog : public TableDialog {
  Q_OBJECT
 public:
  FrameGeneratorDialog(Session& session, UserMessages& messages, QWidget* parent = nullptr);
  // Stores the storeys and closes; a refused table keeps the dialog open.
  void onOk();
};

}  // namespace rerore
