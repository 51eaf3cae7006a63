// "Text": shows the dimensions report D1.TXT (or D1) of the position and
// prints it.
#pragma once

#include <QDialog>

#include "model/position_paths.h"
#include "model/user_messages.h"

class QPrinter;
class QTextEdit;

namespace rerore {

class ReportViewer : public QDialog {
  Q_OBJECT
 public:
  ReportViewer(const PositionPaths& paths, UserMessages& messages, QWidget* parent = nullptr);
  // Without a report: the message, and the dialog closes at once.
  int exec() override;
  QTextEdit* textField() const { return text_; }
  // The report as shown, page by page.
  void printReport(QPrinter& printer);

 private:
  void print();
  void printPreview();

  const PositionPaths& paths_;
  UserMessages& messages_;
  QTextEdit* text_;
};

}  // namespace rerore
