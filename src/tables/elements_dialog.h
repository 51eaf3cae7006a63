// The elements table ("Frame elements"): modeless beside the drawing. Its
// OK stores the table as the element rows, rebuilds the nodes and writes
// the files; either way it hides and tells of its end by `ended`, and
// whoever opened it then destroys it.
#pragma once

#include "tables/table_dialog.h"

namespace rerore {

class ElementsDialog : public TableDialog {
  Q_OBJECT
 public:
  ElementsDialog(Session& session, UserMessages& messages, QWidget* parent = nullptr);
  // OK, Stop and Rearrange as their buttons do them.
  void onOk();
  void onStop();
  void rearrange();
  // The model's rows anew, the table's unsaved edits replaced: the model
  // changed elsewhere (drawing, undo) while the table is open.
  void showModelRows();

 signals:
  // OK (also through Rearrange) with `accepted`; Stop or closing the window
  // without.
  void ended(bool accepted);
  // OK or Rearrange stored the table in the model; `name` says which, for
  // the undo history.
  void modelEdited(const QString& name);

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  QLayout* makeTexts();
  QLayout* makeButtons();
  void end(bool accepted);

  bool ended_ = false;
  bool rearranging_ = false;
};

}  // namespace rerore
