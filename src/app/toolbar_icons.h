// The pictures of the toolbar buttons, drawn by the program itself.
#pragma once

#include <QIcon>

namespace rerore {

inline constexpr int kButtonWidth = 16;
inline constexpr int kButtonHeight = 15;

// The icon of the command `id` (Store, Print, Dimensions, Copy, Graphical
// input, Grid, the view's modes and switches, Undo, Redo); an empty icon
// for other commands.
QIcon ToolbarIcon(int id);

}  // namespace rerore
