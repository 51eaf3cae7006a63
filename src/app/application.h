// The application object: loads the position named on the command line and
// only then creates the main window with its document and view. The
// program ends when the window asks for it (End, a sound Store) or when a
// condition that ends the program is met.
#pragma once

#include <QStringList>
#include <memory>
#include <string>

#include "gui/message_boxes.h"
#include "model/position_paths.h"
#include "model/session.h"

namespace rerore {

class MainWindow;

inline constexpr const char* kApplicationId = "RERORE.AppID.NoVersion";

class Application {
 public:
  Application();
  ~Application();
  // Starts on `line` and runs the event loop; returns the exit code.
  int run(const CommandLine& line);
  Session& session() { return session_; }

 private:
  Session session_;
  MessageBoxes messages_;
  std::unique_ptr<MainWindow> window_;
};

// The program's arguments (without the program's name) as a command line.
// Given separately (EXT, "@" + data path, optionally "@" + flag) the data
// path is the whole second argument and may hold blanks and "@" of its
// own; otherwise the arguments are joined by blanks and split at " @".
CommandLine ProgramCommandLine(const QStringList& arguments);

// The names under which the program keeps its settings (the look, the
// toolbar); set before any setting is read.
void UseApplicationSettings();

}  // namespace rerore
