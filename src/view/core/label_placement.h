// Where the labels of the drawing go: the element numbers and node labels
// in free space beside what they name, the pole labels beside their dots.
// A label never goes on a line, a symbol or another label when there is
// any free place for it; one that has to go farther out gets a leader line
// to what it names. Plain geometry in device pixels.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "model/constants.h"
#include "view/core/world_mapping.h"

namespace rerore {

// Every element number, node label and pole label of one paint.
inline constexpr int kMaxLabels = 2 * kMaxElements + kMaxNodes;

struct DeviceRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// True when the two rectangles share an area (touching edges do not).
bool Overlaps(const DeviceRect& a, const DeviceRect& b);

// The square a dot of `radius` pixels around `centre` covers.
DeviceRect DotRect(DevicePoint centre, int radius);

struct PointF {
  double x = 0.0;
  double y = 0.0;
};

// A rectangle on the device, upright or turned with its text: its corners
// in order round it.
struct LabelBox {
  std::array<PointF, 4> corners{};
  DeviceRect bounds() const;  // the pixels it touches
};

// An upright box with its top left corner at (left, top).
LabelBox UprightBox(double left, double top, double width, double height);
// A box of `width` along the direction `angle` (radians, counter-clockwise
// as seen) and `height` across it, around `centre`.
LabelBox TurnedBox(PointF centre, double width, double height, double angle);
// The line from a to b as a box `halfWidth` wide on either side.
LabelBox LineBox(PointF a, PointF b, double halfWidth);

// True when the two boxes share an area; boxes that only touch do not.
bool Overlaps(const LabelBox& a, const LabelBox& b);

struct LabelPlace {
  LabelBox box;
  // From what the label names to the label, when it stands farther out.
  std::optional<std::array<PointF, 2>> leader;
  bool free = true;  // false: every place was taken, this one overlaps the least
  PointF anchor;     // what the label names
  // Standing on the line it names, on a white ground that interrupts it
  // and any other line under it.
  bool onLine = false;
};

// The labels of one picture, placed one after the other in the space that
// the drawing and the labels placed before leave free.
class LabelLayout {
 public:
  explicit LabelLayout(DeviceRect area);

  // What is drawn: symbols, texts and lines that no label may cover.
  void addObstacle(const DeviceRect& r);
  void addObstacle(const LabelBox& box);
  void addLine(PointF a, PointF b, double halfWidth);

  // An upright label of `width` x `height` beside the point `anchor`, at
  // least `clearance` pixels off it: in one of the four quadrants round
  // it, else farther out with a leader, first in the `directions` (unit
  // vectors, the free room round the point, best first).
  // At most `farPlaces` places farther out are tried (the nearest first).
  LabelPlace besidePoint(PointF anchor, double clearance, double width, double height,
                         const std::vector<PointF>& directions = {},
                         size_t farPlaces = std::numeric_limits<size_t>::max()) const;
  // A label turned by `angle` beside the line from a to b: across from
  // its middle on either side, else shifted along it, else farther out.
  LabelPlace besideLine(PointF a, PointF b, double clearance, double width, double height,
                        double angle) const;

  // The place becomes an obstacle for the labels that follow (with its
  // leader), and one of the labels of the picture.
  void take(const LabelPlace& place);
  const std::vector<LabelBox>& labels() const { return labels_; }
  // The bounds of the labels taken so far.
  std::vector<DeviceRect> labelBounds() const;

 private:
  enum class Kind { None, Line, Symbol, Leader };
  struct Item {
    LabelBox box;
    DeviceRect bounds;
    Kind kind;
  };
  void add(const LabelBox& box, Kind kind);
  // Obstacles of one kind that lie on a point, or all of them, do not count.
  struct Exempt {
    Kind kind = Kind::None;
    PointF at;
    bool everywhere = false;
  };
  // The area `box` shares with the symbols, texts and labels, with the
  // lines, and with the leaders.
  struct Coverage {
    double symbols = 0.0;
    double lines = 0.0;
    double leaders = 0.0;
  };
  Coverage cover(const LabelBox& box, const Exempt& exempt) const;
  bool inside(const LabelBox& box) const;
  // The best of the candidates offered one after the other: the first free
  // one, else the least covered (see offer).
  struct Choice {
    std::optional<LabelPlace> free, crossing, onLines, least;
    double fewestLines = std::numeric_limits<double>::max();
    double leastCost = std::numeric_limits<double>::max();
  };
  // False once the candidate is free: no later one can be better, so the
  // search stops there and later candidates need not even be made.
  bool offer(Choice& choice, const LabelPlace& candidate) const;
  static LabelPlace Chosen(const Choice& choice);
  int cellColumn(int32_t x) const;
  int cellRow(int32_t y) const;
  template <class F>
  void forItemsNear(const DeviceRect& r, F&& visit) const;

  DeviceRect area_;
  int columns_ = 1;
  int rows_ = 1;
  std::vector<Item> items_;
  std::vector<std::vector<int>> cells_;
  std::vector<LabelBox> labels_;
  mutable std::vector<unsigned> seen_;
  mutable unsigned visit_ = 0;
};

}  // namespace rerore
