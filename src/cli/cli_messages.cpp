#include "cli/cli_messages.h"

#include <cstdio>

namespace rerore {

void CliMessages::message(const std::string& text, const std::string& title, MessageIcon) {
  if (title.empty())
    std::fprintf(stderr, "%s\n", text.c_str());
  else
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

Answer CliMessages::ask(const std::string& text, const std::string& title, MessageButtons) {
  message(text, title, MessageIcon::Question);
  return answer_;
}

}  // namespace rerore
