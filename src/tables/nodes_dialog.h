// The nodes and supports table ("Nodes"): the nodes with the factors k of
// their elastic supports, and a small tool that finds k for a target
// stiffness.
#pragma once

#include "tables/table_dialog.h"

class QLineEdit;

namespace rerore {

class NodesDialog : public TableDialog {
  Q_OBJECT
 public:
  NodesDialog(Session& session, UserMessages& messages, QWidget* parent = nullptr);
  QLineEdit* baseStiffnessField() const { return base_; }
  QLineEdit* targetField() const { return target_; }
  QLineEdit* factorField() const { return factor_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* makeTool();
  void findFactor();
  void onOk();

  QLineEdit* base_;
  QLineEdit* target_;
  QLineEdit* factor_;
};

}  // namespace rerore
