// The device rectangles of the labels drawn in one paint. A paint draws at
// most 200 labels; with tidy labels a label that would overlap an earlier
// one is left out.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace rerore {

inline constexpr int kMaxLabels = 200;

struct DeviceRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

class TextBoxList {
 public:
  void clear() { count_ = 0; }
  int count() const { return count_; }
  // The rectangles of the labels drawn so far.
  std::vector<DeviceRect> drawn() const { return {boxes_.begin(), boxes_.begin() + count_}; }
  // Takes the rectangle (given by two corners in any order) and says
  // whether its label may be drawn.
  bool admit(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool tidyText);

 private:
  std::array<DeviceRect, kMaxLabels> boxes_{};
  int count_ = 0;
};

}  // namespace rerore
