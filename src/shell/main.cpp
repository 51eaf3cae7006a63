// The desktop program: loads the position named on the command line, then
// opens the main window on it.
#include <QApplication>
#include <QScreen>
#include <QStringList>

#include "model/startup.h"
#include "shell/CMainFrame.h"
#include "shell/QtMessages.h"
#include "shell/c_locale.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  rerore::UseCLocaleForNumbers();

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const std::string commandLine = rerore::ToAnsi(arguments.join(' '));

  rerore::Session session;
  rerore::QtMessages messages;
  try {
    switch (rerore::StartProgram(session, messages, commandLine)) {
      case rerore::StartResult::MissingInput:
        return 1;
      case rerore::StartResult::NotWritable:
        return 0;
      case rerore::StartResult::Started:
        break;
    }
    rerore::CMainFrame frame(session);
    messages.setParent(&frame);
    // Maximised also where no window manager does it (a bare X server).
    frame.setGeometry(frame.screen()->availableGeometry());
    frame.showMaximized();
    return app.exec();
  } catch (const rerore::ProgramExit& exit) {
    return exit.code;
  }
}
