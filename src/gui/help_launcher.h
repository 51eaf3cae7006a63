// The program's help: the page of keys and mouse actions, the manual, and
// the help pages of the dialogs, opened by the desktop or, failing that, by
// the help viewer program.
#pragma once

#include <string>

#include "model/user_messages.h"

namespace rerore {

inline constexpr const char* kKeysPage = "KEYSFRAMES.HTM";
inline constexpr const char* kEchoHelpPage = "ECHOHELPFRAME.HTM";
inline constexpr const char* kManual = "VELTRANIX.PDF";
inline constexpr const char* kHelpViewer = "PAGEVIEW.EXE";

// KEYSFRAMES.HTM of the current directory; without a desktop to open it,
// the help viewer is started with the page name. No message on failure.
void OpenKeysPage();

// VELTRANIX.PDF of the current directory, or "File VELTRANIX.PDF not
// found!" (caption "Attention").
void OpenManual(UserMessages& messages);

// A help page of a dialog (ECHOHELPFRAME.HTM, ...): the desktop opens it,
// else the help viewer; when the viewer cannot be started either, the
// system's reason is shown with the viewer's command line as caption.
void OpenHelpPage(const std::string& page, UserMessages& messages);

}  // namespace rerore
