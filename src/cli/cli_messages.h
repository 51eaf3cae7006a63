// The command-line tool's way of telling the user: each message box becomes
// one line "TITLE: TEXT" on stderr (the text alone when the box has no
// title). A question takes the answer given to the constructor.
#pragma once

#include "model/user_messages.h"

namespace rerore {

class CliMessages : public UserMessages {
 public:
  explicit CliMessages(Answer answer = Answer::Cancel) : answer_(answer) {}
  void message(const std::string& text, const std::string& title, MessageIcon icon) override;
  Answer ask(const std::string& text, const std::string& title, MessageButtons buttons) override;

 private:
  Answer answer_;
};

}  // namespace rerore
