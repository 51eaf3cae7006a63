#include "gui/help_launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "gui/message_boxes.h"

namespace rerore {

namespace {

QString FolderPath(const QString& folder) {
  return QDir::toNativeSeparators(QDir::cleanPath(folder) + QDir::separator());
}

bool OpenOnDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// The file, or the message that says where it was looked for.
QString LocateOrTell(const char* name, const QStringList& folders, UserMessages& messages) {
  const QString path = FindHelpFile(QString::fromLatin1(name), folders);
  if (path.isEmpty())
    messages.message(HelpFileMissing(QString::fromLatin1(name), folders), "Attention",
                     MessageIcon::Stop);
  return path;
}

// The help viewer of the suite, on the path or next to the program.
QString FindViewer() {
  const QString viewer = QString::fromLatin1(kHelpViewer);
  const QString beside =
      QStandardPaths::findExecutable(viewer, {QCoreApplication::applicationDirPath()});
  return beside.isEmpty() ? QStandardPaths::findExecutable(viewer) : beside;
}

// Starts the help viewer on `page`; the reason when it cannot start.
bool StartViewer(const QString& viewer, const char* page, QString& reason) {
  QProcess process;
  process.setProgram(viewer);
  process.setArguments({QString::fromLatin1(page)});
  if (process.startDetached()) return true;
  reason = process.errorString();
  return false;
}

}  // namespace

QStringList HelpFolders(const QString& programFolder, const QString& currentFolder) {
  return {FolderPath(programFolder),
          FolderPath(programFolder + "/" + QString::fromLatin1(kInstalledDataFolder)),
          FolderPath(currentFolder)};
}

QStringList HelpFolders() {
  return HelpFolders(QCoreApplication::applicationDirPath(), QDir::currentPath());
}

QString FindHelpFile(const QString& name, const QStringList& folders) {
  for (const QString& folder : folders) {
    const QFileInfo file(folder + name);
    if (file.isFile() && file.isReadable()) return file.absoluteFilePath();
  }
  return {};
}

std::string HelpFileMissing(const QString& name, const QStringList& folders) {
  return Format("The help file %s was not found in %s", ToAnsi(name).c_str(),
                ToAnsi(folders.join(", ")).c_str());
}

void OpenKeysPage(UserMessages& messages, const QStringList& folders) {
  const QString path = LocateOrTell(kKeysPage, folders, messages);
  if (path.isEmpty() || OpenOnDesktop(path)) return;
  // Without a desktop to show it the viewer may; it says itself when it cannot.
  QString reason;
  StartViewer(QString::fromLatin1(kHelpViewer), kKeysPage, reason);
}

void OpenManual(UserMessages& messages, const QStringList& folders) {
  const QString path = LocateOrTell(kManual, folders, messages);
  if (!path.isEmpty()) OpenOnDesktop(path);
}

QString OpenHelpPage(const std::string& page, UserMessages& messages, const QStringList& folders) {
  const QString viewer = FindViewer();
  if (!viewer.isEmpty()) {
    QString reason;
    if (!StartViewer(viewer, page.c_str(), reason))
      messages.message(ToAnsi(reason), Format("%s %s", kHelpViewer, page.c_str()),
                       MessageIcon::Information);
    return {};
  }
  const QString path = LocateOrTell(page.c_str(), folders, messages);
  if (path.isEmpty() || !OpenOnDesktop(path)) return {};
  return FromAnsi(Format("%s is not installed: %s is shown in the desktop's viewer", kHelpViewer,
                         page.c_str()));
}

}  // namespace rerore
