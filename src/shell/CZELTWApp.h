// The application object: loads the position named on the command line and
// only then creates the main window with its document and view. The
// program ends when the window asks for it (End, a sound Store) or when a
// condition that ends the program is met.
#pragma once

#include <memory>
#include <string>

#include "model/session.h"
#include "shell/CZELTWDoc.h"
#include "shell/QtMessages.h"

namespace rerore {

class CMainFrame;

inline constexpr const char* kApplicationId = "RERORE.AppID.NoVersion";

class CZELTWApp {
 public:
  CZELTWApp();
  ~CZELTWApp();
  // Starts on `commandLine` and runs the event loop; returns the exit code.
  int run(const std::string& commandLine);
  Session& session() { return session_; }

 private:
  Session session_;
  QtMessages messages_;
  CZELTWDoc document_;
  std::unique_ptr<CMainFrame> frame_;
};

// The names under which the program keeps its settings (the look, the
// toolbar); set before any setting is read.
void UseApplicationSettings();

}  // namespace rerore
