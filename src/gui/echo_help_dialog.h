// "Structure of the echo-files": the file ECHOHELP, read only; modeless.
// "&Ende" and closing the window tell the owner through `closed`.
#pragma once

#include <QDialog>
#include <string>

namespace rerore {

class EchoHelpDialog : public QDialog {
  Q_OBJECT
 public:
  EchoHelpDialog(const std::string& path, QWidget* parent = nullptr);

 signals:
  void closed(int how);  // 1 "&Ende", 2 the window was closed

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace rerore
