#include "shell/CZELTWApp.h"

#include <QApplication>
#include <QScreen>

#include "model/startup.h"
#include "shell/CMainFrame.h"
#include "shell/application_look.h"

namespace rerore {

void UseApplicationSettings() {
  QCoreApplication::setOrganizationName("RERORE");
  QCoreApplication::setApplicationName(kApplicationId);
}

CZELTWApp::CZELTWApp() = default;
CZELTWApp::~CZELTWApp() = default;

int CZELTWApp::run(const std::string& commandLine) {
  UseApplicationSettings();
  try {
    switch (StartProgram(session_, messages_, commandLine)) {
      case StartResult::MissingInput:
        return 1;
      case StartResult::NotWritable:
        return 0;
      case StartResult::Started:
        break;
    }
    ApplyApplicationLook(StoredApplicationLook());
    frame_ = std::make_unique<CMainFrame>(session_);
    messages_.setParent(frame_.get());
    QObject::connect(
        frame_.get(), &CMainFrame::quitRequested, qApp,
        [](int code) { QCoreApplication::exit(code); }, Qt::QueuedConnection);
    // Maximised also where no window manager does it (a bare X server).
    frame_->setGeometry(frame_->screen()->availableGeometry());
    frame_->showMaximized();
    // Takes the keyboard also where no window manager hands it over.
    frame_->activateWindow();
    return QApplication::exec();
  } catch (const ProgramExit& exit) {
    return exit.code;
  }
}

}  // namespace rerore
