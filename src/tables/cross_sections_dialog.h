// The cross-sections table ("Cross sections"): width, height, area and
// moment of inertia of sections 1 to 50.
#pragma once

#include "tables/table_dialog.h"

namespace rerore {

class CrossSectionsDialog : public TableDialog {
  Q_OBJECT
 public:
  CrossSectionsDialog(Session& session, UserMessages& messages, QWidget* parent = nullptr);

 private:
  void onOk();
};

}  // namespace rerore
