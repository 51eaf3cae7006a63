// The cross-sections table ("Cross sections"): width, height, area and
// moment of inertia of sections 1 to 50.
#pragma once

#include "tables/TableDialog.h"

namespace rerore {

class CDiaQuer : public TableDialog {
  Q_OBJECT
 public:
  CDiaQuer(Session& session, UserMessages& messages, QWidget* parent = nullptr);

 private:
  void onOk();
};

}  // namespace rerore
