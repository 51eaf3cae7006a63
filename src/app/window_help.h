// The What's This texts of the main window: the drawing and the toolbar
// buttons, shown after Shift+F1 and a click on them.
#pragma once

#include <QString>

namespace rerore {

// The drawing: what it shows and what the mouse and keys do there.
QString ViewWhatsThis();

// A toolbar button by its command; empty for a command without a button.
QString ToolbarWhatsThis(int command);

}  // namespace rerore
