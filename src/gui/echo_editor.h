// "Echo": the temporary echo file, editable. OK writes it back when it was
// changed; when that fails the dialog stays open.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace rerore {

class EchoEditor : public QDialog {
  Q_OBJECT
 public:
  EchoEditor(const std::string& path, QWidget* parent = nullptr);
  void accept() override;
  bool modified() const { return modified_; }
  QPlainTextEdit* textField() const { return text_; }

 signals:
  void helpRequested();

 private:
  std::string path_;
  QPlainTextEdit* text_;
  bool modified_ = false;
};

}  // namespace rerore
