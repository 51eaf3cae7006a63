// The program's help: the page of keys and mouse actions, the manual, and
// the help pages of the dialogs. The files are looked for next to the
// program, then in the installed data folder beside it, then in the
// current directory, so that the help works from wherever the program is
// started. The dialogs' pages go to the suite's help viewer when it is
// installed and to the desktop's viewer otherwise.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "model/user_messages.h"

namespace rerore {

inline constexpr const char* kKeysPage = "KEYSFRAMES.HTM";
inline constexpr const char* kEchoHelpPage = "ECHOHELPFRAME.HTM";
inline constexpr const char* kEchoStructureFile = "ECHOHELP";
inline constexpr const char* kManual = "VELTRANIX.PDF";
inline constexpr const char* kHelpViewer = "PAGEVIEW.EXE";
// The installed data folder, relative to the folder of the program.
inline constexpr const char* kInstalledDataFolder = "../share/rerore";

// Where help files are looked for, in this order: the folder of the
// program, the installed data folder beside it, the current directory.
// Each ends with a separator.
QStringList HelpFolders(const QString& programFolder, const QString& currentFolder);
// The same for the running program.
QStringList HelpFolders();

// The path of `name` in the first of `folders` that holds it; empty when
// none does.
QString FindHelpFile(const QString& name, const QStringList& folders);

// "The help file %s was not found in %s", the folders listed.
std::string HelpFileMissing(const QString& name, const QStringList& folders);

// The keys page in the desktop's viewer, or the help viewer when the
// desktop cannot show it.
void OpenKeysPage(UserMessages& messages, const QStringList& folders = HelpFolders());

// The manual in the desktop's viewer.
void OpenManual(UserMessages& messages, const QStringList& folders = HelpFolders());

// A help page of a dialog (ECHOHELPFRAME.HTM, ...) in the help viewer;
// when the viewer is not installed, in the desktop's viewer. Returns the
// line for the status bar that says so; empty when the viewer took it or
// nothing was opened. When the viewer is there but cannot start, the
// system's reason is shown with the viewer's command line as caption.
QString OpenHelpPage(const std::string& page, UserMessages& messages,
                     const QStringList& folders = HelpFolders());

}  // namespace rerore
