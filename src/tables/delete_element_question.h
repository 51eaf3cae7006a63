// The question before an element is deleted, "Delete element %i?", with
// "Do not ask again".
#pragma once

#include <QDialog>

class QCheckBox;

namespace rerore {

class DeleteElementQuestion : public QDialog {
  Q_OBJECT
 public:
  explicit DeleteElementQuestion(int element, QWidget* parent = nullptr);
  bool doNotAskAgain() const;

 private:
  QCheckBox* again_;
};

}  // namespace rerore
