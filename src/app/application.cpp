#include "app/application.h"

#include <QApplication>
#include <QScreen>

#include "app/application_look.h"
#include "app/main_window.h"
#include "commands/startup.h"

namespace rerore {

void UseApplicationSettings() {
  QCoreApplication::setOrganizationName("RERORE");
  QCoreApplication::setApplicationName(kApplicationId);
}

Application::Application() = default;
Application::~Application() = default;

CommandLine ProgramCommandLine(const QStringList& arguments) {
  std::vector<std::string> words;
  for (const QString& argument : arguments) words.push_back(ToFileName(argument));
  const CommandLine separate = CommandLineFromArguments(words);
  return separate.valid ? separate : ParseCommandLine(ToFileName(arguments.join(' ')));
}

int Application::run(const CommandLine& line) {
  UseApplicationSettings();
  try {
    switch (StartProgram(session_, messages_, line)) {
      case StartResult::MissingInput:
        return 1;
      case StartResult::NotWritable:
        return 0;
      case StartResult::Started:
        break;
    }
    ApplyApplicationLook(StoredApplicationLook());
    window_ = std::make_unique<MainWindow>(session_);
    messages_.setParent(window_.get());
    QObject::connect(
        window_.get(), &MainWindow::quitRequested, qApp,
        [](int code) { QCoreApplication::exit(code); }, Qt::QueuedConnection);
    // Maximised also where no window manager does it (a bare X server).
    window_->setGeometry(window_->screen()->availableGeometry());
    window_->showMaximized();
    // Takes the keyboard also where no window manager hands it over.
    window_->activateWindow();
    return QApplication::exec();
  } catch (const ProgramExit& exit) {
    return exit.code;
  }
}

}  // namespace rerore
