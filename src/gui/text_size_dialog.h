// "Font": the text size as a factor, "%.2f".
#pragma once

#include <QDialog>

class QLineEdit;

namespace rerore {

class TextSizeDialog : public QDialog {
  Q_OBJECT
 public:
  TextSizeDialog(float textScale, QWidget* parent = nullptr);
  // The number of the field; "1,5" reads as 1.5, a text that is no number
  // as 0.
  float textScale() const;
  QLineEdit* sizeField() const { return size_; }

 private:
  QLineEdit* size_;
};

}  // namespace rerore
