// The desktop program: loads the position named on the command line, then
// opens the main window on it.
#include <QApplication>
#include <QStringList>

#include "app/application.h"
#include "gui/c_locale.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  rerore::UseCLocaleForNumbers();
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  rerore::Application program;
  return program.run(rerore::ProgramCommandLine(arguments));
}
