// The keys and the mouse wheel that change the display settings: the zoom
// factor, the shrink factor, the text size, the element line width and the
// amplitude of the mechanism display; the wheel alone zooms.
#pragma once

#include "model/position_paths.h"
#include "model/view_settings.h"

namespace rerore {

struct WheelModifiers {
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

// Ctrl + numeric-pad plus: back towards the fitted picture, never beyond
// it. Returns false when nothing changed.
bool ZoomIn(ViewSettings& view);
// Ctrl + numeric-pad minus: the picture gets smaller.
void ZoomOut(ViewSettings& view);

enum class WheelEffect {
  Nothing,        // at a limit: nothing changed
  Repaint,        // a display setting changed
  ZoomAtPointer,  // the caller zooms about the pointer (in when forward)
};

// One turn of the wheel (a delta of zero counts as forward). The modifiers
// are tested with Alt first: Alt changes the line width (stored in ZELTRDB
// at once), Ctrl + Shift the text size, Shift the amplitude of a mechanism
// on the screen or else the shrink factor; the wheel alone, or with Ctrl,
// zooms.
WheelEffect TurnWheel(ViewSettings& view, const PositionPaths& paths, WheelModifiers modifiers,
                      int delta, bool mechanismShown);

}  // namespace rerore
