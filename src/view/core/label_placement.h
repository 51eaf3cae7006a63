// Where a label goes beside the dot it names (the poles of a mechanism):
// never on a dot, never on another label, and inside the picture when it
// can be. Plain geometry in device pixels.
#pragma once

#include <vector>

#include "view/core/text_box_list.h"
#include "view/core/world_mapping.h"

namespace rerore {

// True when the two rectangles share an area (touching edges do not).
bool Overlaps(const DeviceRect& a, const DeviceRect& b);

// The square a dot of `radius` pixels around `centre` covers.
DeviceRect DotRect(DevicePoint centre, int radius);

// A label of `width` x `height` pixels beside the dot of `radius` around
// `anchor`: the first place, going round the dot from its right side
// counter-clockwise and then farther out, that overlaps none of `taken`
// and lies inside `area`. When no place is free, the one that overlaps
// the least.
DeviceRect PlaceBeside(DevicePoint anchor, int radius, int width, int height,
                       const std::vector<DeviceRect>& taken, const DeviceRect& area);

}  // namespace rerore
