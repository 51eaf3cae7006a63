// How the core talks to the user. The core never shows anything itself: the
// desktop program answers with message boxes, the command-line tool with
// lines on stderr, and the tests record what was said.
#pragma once

#include <stdexcept>
#include <string>

namespace rerore {

enum class MessageIcon { None, Information, Warning, Stop, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // A box with an OK button. A message without a title gets the program's name
  // as its caption.
  virtual void message(const std::string& text, const std::string& title,
                       MessageIcon icon = MessageIcon::None) = 0;
  virtual Answer ask(const std::string& text, const std::string& title, MessageButtons buttons) = 0;
};

// Thrown by the few conditions that end the program; main() catches it and
// returns the code.
class ProgramExit : public std::runtime_error {
 public:
  explicit ProgramExit(int exitCode) : std::runtime_error("program end"), code(exitCode) {}
  int code;
};

// printf-style formatting into a std::string, in the "C" conventions that
// every text of the program uses.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace rerore
