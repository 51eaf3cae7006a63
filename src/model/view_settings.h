// The display state that the core sets: the world rectangle of the frame,
// the scale choice and the drawing settings read at start-up. The view owns
// the rest of its state.
#pragma once

#include <cstdint>

#include "model/constants.h"

namespace rerore {

struct DrawingExtents {
  float xmin = 0.0f;
  float ymin = 0.0f;
  float xmax = kDefaultWorldXMax;
  float ymax = kDefaultWorldYMax;
};

// Display options, set back to these values when a position is loaded.
struct DisplayOptions {
  bool endMarks = true;   // small circles at the ends of element and grid lines
  bool tidyText = false;  // labels turned upright, overlapping labels left out
  bool tidyTextWanted = false;
  bool tidyTextSuppressed = false;
  bool pageBorder = true;     // printed pages get a frame and a header
  bool auxLines = false;      // lines through every node, to line up what is drawn
  bool liveCheck = true;      // the live check's mechanism is drawn
  bool spareToggleA = false;  // toggled by their commands, read by nothing else
  bool spareToggleB = false;
  bool refreshToggle = false;
  // What the store-and-clear toggle put aside while it is pressed.
  bool setAside = false;
  bool asideTidyTextWanted = false;
  bool asideSpareToggleA = false;
};

// The drawing grid: shown, and used for snapping, while it is on.
struct GridSettings {
  bool on = false;
  float meshWidth = kDefaultMeshWidth;
  float snapRadius = kDefaultSnapRadius;
};

// A point a table marked by a click on a row label; drawn as a red dot.
struct MarkedPoint {
  bool set = false;
  float x = 0.0f;
  float y = 0.0f;
};

struct ViewSettings {
  DrawingExtents extents;
  bool autoScale = true;
  int32_t unitsPerMetre = 100;
  int32_t lineWidth = kDefaultLineWidth;      // ZELTRDB
  int32_t fangenOption = kDefaultSnapOption;  // FANGEN
  // Live for the whole run; the mouse wheel and the keys change them.
  float zoomFactor = 1.0f;
  float shrinkFactor = 1.0f;
  float textScale = 1.0f;
  float mechanismAmplitude = 1.0f;
  DisplayOptions display;
  GridSettings grid;
  MarkedPoint markedPoint;
  // Set whenever the view must forget its zoom and take the extents anew.
  bool resetZoomRequested = false;
};

}  // namespace rerore
