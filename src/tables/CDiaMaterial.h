// The materials table ("Material"): the E-moduli of materials 1 to 20. A
// concrete class typed into the first column turns into its modulus.
#pragma once

#include "tables/TableDialog.h"

namespace rerore {

class CDiaMaterial : public TableDialog {
  Q_OBJECT
 public:
  CDiaMaterial(Session& session, UserMessages& messages, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void onOk();
};

}  // namespace rerore
