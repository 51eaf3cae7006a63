// "Title of project": one line of at most 60 characters.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace rerore {

class TitleDialog : public QDialog {
  Q_OBJECT
 public:
  TitleDialog(const std::string& title, QWidget* parent = nullptr);
  std::string title() const;  // Windows-1252
  QLineEdit* titleField() const { return field_; }

 private:
  QLineEdit* field_;
};

}  // namespace rerore
