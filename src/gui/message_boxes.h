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
