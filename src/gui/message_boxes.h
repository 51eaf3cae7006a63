// Message boxes for the core's messages.
#pragma once

#include <QString>
#include <string>

#include "model/user_messages.h"

class QWidget;

namespace rerore {

// The program's texts are Windows-1252 bytes; these convert at the
// boundary to Qt.
QString FromAnsi(const std::string& text);
std::string ToAnsi(const QString& text);

// Paths keep the file system's own encoding (UTF-8 on Linux, the ANSI code
// page on Windows), which is how the core's file functions take them, and
// the system's separator.
QString FromFileName(const std::string& path);
std::string ToFileName(const QString& path);

class MessageBoxes : public UserMessages {
 public:
  explicit MessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void message(const std::string& text, const std::string& title, MessageIcon icon) override;
  Answer ask(const std::string& text, const std::string& title, MessageButtons buttons) override;

 private:
  QWidget* parent_;
};

}  // namespace rerore
