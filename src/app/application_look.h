// The visual style of the program: a number stored under "ApplicationLook"
// in the program's settings, applied as one of the toolkit's styles.
// Commands 205 to 219 choose a look and store it.
#pragma once

#include <QString>

namespace rerore {

inline constexpr int kFirstLookCommand = 205;
inline constexpr int kLastLookCommand = 219;

// The style a look number stands for: the toolkit's styles in turn.
QString LookStyleName(int look);
int StoredApplicationLook();  // the command number, kFirstLookCommand when none was stored
void ApplyApplicationLook(int look);
// Command 205..219: applies the look and stores its number.
void ChooseApplicationLook(int command);

}  // namespace rerore
