// The materials table ("Material"): the E-moduli of materials 1 to 20. A
// concrete class typed into the first column turns into its modulus.
#pragma once

#include "tables/table_dialog.h"

namespace rerore {

class MaterialsDialog : public TableDialog {
  Q_OBJECT
 public:
  MaterialsDialog(Session& session, UserMessages& messages, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void onOk();
};

}  // namespace rerore
