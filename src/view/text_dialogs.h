// The small dialogs of the view: the text size (CDiaFont), the title of the
// project (CDiaTitel), the report viewer (CDiaText), the editor of the
// temporary echo file (CDiaEcho) and the description of the echo file's
// structure (CDiaEHelp).
#pragma once

#include <QDialog>
#include <string>

#include "model/position_paths.h"
#include "model/user_messages.h"

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

namespace rerore {

// "Store": the name of a position, prefilled and selected.
class CDiaSaveAs : public QDialog {
  Q_OBJECT
 public:
  CDiaSaveAs(const std::string& name, QWidget* parent = nullptr);
  std::string name() const;  // Windows-1252
  QLineEdit* nameField() const { return field_; }

 private:
  QLineEdit* field_;
};

// "Font": the text size as a factor, "%.2f".
class CDiaFont : public QDialog {
  Q_OBJECT
 public:
  CDiaFont(float textScale, QWidget* parent = nullptr);
  // The number of the field; "1,5" reads as 1.5, a text that is no number
  // as 0.
  float textScale() const;
  QLineEdit* sizeField() const { return size_; }

 private:
  QLineEdit* size_;
};

// "Title of project": one line of at most 60 characters.
class CDiaTitel : public QDialog {
  Q_OBJECT
 public:
  CDiaTitel(const std::string& title, QWidget* parent = nullptr);
  std::string title() const;  // Windows-1252
  QLineEdit* titleField() const { return field_; }

 private:
  QLineEdit* field_;
};

// "Text": shows the dimensions report D1.TXT (or D1) of the position.
class CDiaText : public QDialog {
  Q_OBJECT
 public:
  CDiaText(const PositionPaths& paths, UserMessages& messages, QWidget* parent = nullptr);
  // Without a report: the message, and the dialog closes at once.
  int exec() override;
  QTextEdit* textField() const { return text_; }

 private:
  const PositionPaths& paths_;
  UserMessages& messages_;
  QTextEdit* text_;
};

// "Echo": the temporary echo file, editable. OK writes it back when it was
// changed; when that fails the dialog stays open.
class CDiaEcho : public QDialog {
  Q_OBJECT
 public:
  CDiaEcho(const std::string& path, QWidget* parent = nullptr);
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

// "Structure of the echo-files": the file ECHOHELP, read only; modeless.
// "&Ende" and closing the window tell the owner through `closed`.
class CDiaEHelp : public QDialog {
  Q_OBJECT
 public:
  CDiaEHelp(const std::string& path, QWidget* parent = nullptr);

 signals:
  void closed(int how);  // 1 "&Ende", 2 the window was closed

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// Text files of the program are Windows-1252 with CR LF line ends; the
// editors show them with plain line ends.
QString TextFileForEditing(const std::string& bytes);
std::string EditedTextForFile(const QString& text);

}  // namespace rerore
