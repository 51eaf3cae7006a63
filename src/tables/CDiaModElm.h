// The single-element editor ("Element"), opened by a click on an element
// in the view, and the question before an element is deleted (CDiaVerify).
#pragma once

#include <QDialog>

#include "model/session.h"
#include "model/user_messages.h"
#include "tables/core/element_editor.h"

class QCheckBox;
class QLineEdit;

namespace rerore {

class CDiaModElm : public QDialog {
  Q_OBJECT
 public:
  CDiaModElm(const ElementRecord& element, int number, QWidget* parent = nullptr);
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

class CDiaVerify : public QDialog {
  Q_OBJECT
 public:
  explicit CDiaVerify(QWidget* parent = nullptr);
  bool doNotAskAgain() const;

 private:
  QCheckBox* again_;
};

// The whole path of a click on element k: the editor, its edits stored,
// and the deletion when asked for and confirmed (unless "Do not ask
// again" was chosen before). True when the editor ended with OK or Delete.
bool EditElement(Session& session, UserMessages& messages, int k, QWidget* parent);

}  // namespace rerore
