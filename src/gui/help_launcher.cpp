#include "gui/help_launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "gui/message_boxes.h"

namespace rerore {

namespace {

constexpr int kCurrentDirectoryChars = 241;

QString CurrentDirectoryFile(const char* name) {
  return QDir::currentPath().left(kCurrentDirectoryChars) + QDir::separator() +
         QString::fromLatin1(name);
}

bool OpenOnDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// Starts the help viewer on `page`; the reason when it cannot start.
bool StartViewer(const char* page, QString& reason) {
  QProcess viewer;
  viewer.setProgram(QString::fromLatin1(kHelpViewer));
  viewer.setArguments({QString::fromLatin1(page)});
  if (viewer.startDetached()) return true;
  reason = viewer.errorString();
  return false;
}

// The page through the desktop, else in the help viewer.
bool OpenPage(const char* page, QString& reason) {
  return OpenOnDesktop(CurrentDirectoryFile(page)) || StartViewer(page, reason);
}

}  // namespace

void OpenKeysPage() {
  QString reason;
  OpenPage(kKeysPage, reason);
}

void OpenManual(UserMessages& messages) {
  const QString path = CurrentDirectoryFile(kManual);
  if (!QFileInfo(path).isReadable()) {
    messages.message(Format("File %s not found!", kManual), "Attention", MessageIcon::Stop);
    return;
  }
  OpenOnDesktop(path);
}

void OpenHelpPage(const std::string& page, UserMessages& messages) {
  QString reason;
  if (OpenPage(page.c_str(), reason)) return;
  messages.message(ToAnsi(reason), Format("%s %s", kHelpViewer, page.c_str()),
                   MessageIcon::Information);
}

}  // namespace rerore
