// "Store": the name of a position, prefilled and selected.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace rerore {

class StoreAsDialog : public QDialog {
  Q_OBJECT
 public:
  StoreAsDialog(const std::string& name, QWidget* parent = nullptr);
  std::string name() const;  // Windows-1252
  QLineEdit* nameField() const { return field_; }

 private:
  QLineEdit* field_;
};

}  // namespace rerore
