// The keys and the mouse wheel that change the display settings: the zoom
// factor, the shrink factor, the text size, the element line width and the
// amplitude of the mechanism display.
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

// One turn of the wheel (a delta of zero counts as forward). The modifiers
// are tested with Alt first: Alt changes the line width (stored in ZELTRDB
// at once), Ctrl + Shift the text size, Shift the shrink factor, anything
// else the mechanism amplitude. Returns true when the view must repaint.
bool TurnWheel(ViewSettings& view, const PositionPaths& paths, WheelModifiers modifiers, int delta);

}  // namespace rerore
