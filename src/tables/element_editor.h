// The single-element editor ("Element"), opened by a click on an element
// in the view.
#pragma once

#include <QDialog>

#include "commands/element_editing.h"
#include "model/session.h"
#include "model/user_messages.h"

class QCheckBox;
class QLineEdit;

namespace rerore {

class ElementEditor : public QDialog {
  Q_OBJECT
 public:
  ElementEditor(const ElementRecord& element, int number, QWidget* parent = nullptr);
  ElementEdit edit() const;
  bool deleteRequested() const { return deleteRequested_; }

  QLineEdit* materialField() const { return material_; }
  QLineEdit* sectionField() const { return section_; }
  QCheckBox* box(const QString& label) const;

 private:
  QLineEdit* material_;
  QLineEdit* section_;
  QCheckBox* compression_;
  QCheckBox* tension_;
  QCheckBox* hingeLeft_;
  QCheckBox* hingeRight_;
  bool deleteRequested_ = false;
};

// The whole path of a click on element k: the editor, its edits stored,
// and the deletion when asked for and confirmed (unless "Do not ask
// again" was chosen before). True when the editor ended with OK or Delete.
bool EditElement(Session& session, UserMessages& messages, int k, QWidget* parent);

}  // namespace rerore
