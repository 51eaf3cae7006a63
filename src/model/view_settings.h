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

struct ViewSettings {
  DrawingExtents extents;
  bool autoScale = true;
  int32_t unitsPerMetre = 100;
  int32_t lineWidth = kDefaultLineWidth;  // ZELTRDB
  int32_t textHeight = kStartTextHeight;
  int32_t auxLineCount = 0;
  int32_t elementsAtLoad = 0;
  float margin = kDefaultMargin;            // FMARGIN, not used further
  float fangenValue = kDefaultFangenValue;  // FANGEN, not used further
  int32_t fangenOption = kDefaultFangenOption;
  // Start settings of the display.
  int32_t viewConstant = 20;
  float scaleConstant = 2.0f;
  // Set whenever the view must forget its zoom and take the extents anew.
  bool resetZoomRequested = false;
};

}  // namespace rerore
