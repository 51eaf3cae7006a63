// The numbers of the commands that switch the mouse input modes. The input
// remembers the last of them (Space resumes Graphical input only after its
// own command), and the window's menus and buttons carry the same numbers.
#pragma once

namespace rerore {

inline constexpr int kCmdAuxHorizontal = 32773;
inline constexpr int kCmdAuxVertical = 32774;
inline constexpr int kCmdGraphicalInput = 32776;
inline constexpr int kCmdWindowMode = 32902;

}  // namespace rerore
