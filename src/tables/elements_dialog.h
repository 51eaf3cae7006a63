// The elements table ("Frame elements"): modeless beside the drawing. Its
// OK stores the table as the element rows, rebuilds the nodes and writes
// the files; either way it tells the view by kMsgElementsTableEnded, and
// the view then destroys it.
#pragma once

#include "tables/table_dialog.h"

namespace rerore {

// wParam of kMsgElementsTableEnded.
inline constexpr int kEndedWithOk = 1;
inline constexpr int kEndedWithStop = 2;

class ElementsDialog : public TableDialog {
  Q_OBJECT
 public:
  ElementsDialog(Session& session, UserMessages& messages, QWidget* parent = nullptr);
  // OK, Stop and Rearrange as their buttons do them.
  void onOk();
  void onStop();
  void rearrange();

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  QLayout* makeTexts();
  QLayout* makeButtons();
  void end(int how);

  bool ended_ = false;
};

}  // namespace rerore
