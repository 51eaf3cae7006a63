#include "view/core/text_box_list.h"

#include <algorithm>

namespace rerore {

namespace {

bool Intersect(const DeviceRect& a, const DeviceRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

bool TextBoxList::admit(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool tidyText) {
  if (count_ >= kMaxLabels) return false;
  const DeviceRect box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  if (tidyText)
    for (int i = 0; i < count_; ++i)
      if (Intersect(box, boxes_[i])) return false;
  boxes_[count_++] = box;
  return true;
}

}  // namespace rerore
