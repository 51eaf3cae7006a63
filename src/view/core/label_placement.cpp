#include "view/core/label_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace rerore {

namespace {

constexpr int kGap = 3;     // pixels between the dot and its label
constexpr int kRings = 4;   // how far out the places go, in steps of the label's size
constexpr int kPlaces = 8;  // right, above right, above, ... below right

int64_t SharedArea(const DeviceRect& a, const DeviceRect& b) {
  const int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

bool Inside(const DeviceRect& r, const DeviceRect& area) {
  return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
         r.bottom <= area.bottom;
}

// Place `index` of ring `ring`: the label's corner or middle faces the dot.
DeviceRect Place(DevicePoint c, int reach, int w, int h, int index) {
  static constexpr int kSide[kPlaces][2] = {{1, 0},  {1, -1}, {0, -1}, {-1, -1},
                                            {-1, 0}, {-1, 1}, {0, 1},  {1, 1}};
  const int sx = kSide[index][0];
  const int sy = kSide[index][1];
  const int left = sx > 0 ? c.x + reach : sx < 0 ? c.x - reach - w : c.x - w / 2;
  const int top = sy > 0 ? c.y + reach : sy < 0 ? c.y - reach - h : c.y - h / 2;
  return {left, top, left + w, top + h};
}

}  // namespace

bool Overlaps(const DeviceRect& a, const DeviceRect& b) { return SharedArea(a, b) > 0; }

DeviceRect DotRect(DevicePoint centre, int radius) {
  return {centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1};
}

DeviceRect PlaceBeside(DevicePoint anchor, int radius, int width, int height,
                       const std::vector<DeviceRect>& taken, const DeviceRect& area) {
  DeviceRect best = Place(anchor, radius + kGap, width, height, 0);
  int64_t bestCost = std::numeric_limits<int64_t>::max();
  for (int ring = 0; ring < kRings; ++ring) {
    const int reach = radius + kGap + ring * std::max(width, height) / 2;
    for (int index = 0; index < kPlaces; ++index) {
      const DeviceRect r = Place(anchor, reach, width, height, index);
      int64_t cost = 0;
      for (const DeviceRect& t : taken) cost += SharedArea(r, t);
      // Off the picture counts as overlapping, but less than hiding a label.
      if (!Inside(r, area)) cost += 1;
      if (cost == 0) return r;
      if (cost < bestCost) {
        best = r;
        bestCost = cost;
      }
    }
  }
  return best;
}

}  // namespace rerore
