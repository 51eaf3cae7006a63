#include "view/core/label_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rerore {

namespace {

// The labels of the frame go out this many steps of kRingStep times their
// height before the least covered place is taken.
constexpr int kLabelRings = 16;
constexpr double kRingStep = 0.75;
// The search round a point reaches this many steps of kNearStep label
// heights each way.
constexpr int kNearReach = 32;
constexpr double kNearStep = 0.75;
// An element number goes this many rings out on its first side before it
// tries the other side, or a place shifted along the line.
constexpr double kOtherSideRings = 5.0;
constexpr double kShiftRings = 0.4;
constexpr double kOnLineRings = 1.5;
constexpr double kShortLine = 3.0;  // in text widths
constexpr int kCellSize = 32;       // pixels of a cell of the obstacle grid
constexpr int kGridMargin = 96;     // the grid reaches this far beyond the picture
constexpr double kTouching = 0.01;
constexpr double kLeaderHalfWidth = 0.5;
// Labels keep this many pixels from everything, so that two numbers side
// by side do not read as one.
constexpr double kLabelMargin = 1.0;
// Off the picture counts as covered, but less than any overlap.
constexpr double kOutsideCost = 0.5;

int64_t SharedArea(const DeviceRect& a, const DeviceRect& b) {
  const int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

bool Inside(const DeviceRect& r, const DeviceRect& area) {
  return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
         r.bottom <= area.bottom;
}

PointF Plus(PointF a, PointF b, double f = 1.0) { return {a.x + f * b.x, a.y + f * b.y}; }
double Dot(PointF a, PointF b) { return a.x * b.x + a.y * b.y; }

// True when the projections of the two boxes on `axis` are apart.
bool Apart(const LabelBox& a, const LabelBox& b, PointF axis) {
  double minA = std::numeric_limits<double>::max();
  double maxA = std::numeric_limits<double>::lowest();
  double minB = minA;
  double maxB = maxA;
  for (const PointF& p : a.corners) {
    minA = std::min(minA, Dot(p, axis));
    maxA = std::max(maxA, Dot(p, axis));
  }
  for (const PointF& p : b.corners) {
    minB = std::min(minB, Dot(p, axis));
    maxB = std::max(maxB, Dot(p, axis));
  }
  const double tolerance = kTouching * std::sqrt(Dot(axis, axis));
  return maxA <= minB + tolerance || maxB <= minA + tolerance;
}

// Offsets of label centres round a point, in label heights, nearest first:
// where a label goes when no place right beside its point is free.
std::vector<PointF> NearOffsets() {
  std::vector<PointF> offsets;
  for (int y = -kNearReach; y <= kNearReach; ++y)
    for (int x = -kNearReach; x <= kNearReach; ++x)
      if (std::abs(x) > 1 || std::abs(y) > 1) offsets.push_back({x * kNearStep, y * kNearStep});
  std::stable_sort(offsets.begin(), offsets.end(), [](const PointF& a, const PointF& b) {
    return a.x * a.x + a.y * a.y < b.x * b.x + b.y * b.y;
  });
  return offsets;
}
const std::vector<PointF> kNear = NearOffsets();

// An upright box of w x h out from `anchor` in the direction `way`, its
// nearest side `distance` off the anchor.
LabelBox BoxOut(PointF anchor, PointF way, double distance, double w, double h) {
  const double extent = std::fabs(way.x) * w / 2 + std::fabs(way.y) * h / 2;
  const PointF centre = Plus(anchor, way, distance + extent);
  return UprightBox(centre.x - w / 2, centre.y - h / 2, w, h);
}

// True when p lies inside the box or on its outline.
bool Contains(const LabelBox& box, PointF p) {
  bool right = false;
  bool left = false;
  for (int i = 0; i < 4; ++i) {
    const PointF& a = box.corners[i];
    const PointF& b = box.corners[(i + 1) % 4];
    const double side = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    right = right || side > kTouching;
    left = left || side < -kTouching;
  }
  return !(right && left);
}

// The box grown by `margin` on every side.
LabelBox Grown(const LabelBox& box, double margin) {
  const PointF& c0 = box.corners[0];
  const auto unit = [](PointF from, PointF to) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    return length > 0 ? PointF{(to.x - from.x) / length, (to.y - from.y) / length} : PointF{};
  };
  const PointF u = unit(c0, box.corners[1]);
  const PointF v = unit(c0, box.corners[3]);
  const double signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  LabelBox grown = box;
  for (int i = 0; i < 4; ++i)
    grown.corners[i] = Plus(Plus(box.corners[i], u, signs[i][0] * margin), v, signs[i][1] * margin);
  return grown;
}

// The end of a leader: the point of the box's outline nearest to `from`
// (of its corners and the middles of its sides).
PointF NearestOnBox(const LabelBox& box, PointF from) {
  PointF best = box.corners[0];
  double bestDistance = std::numeric_limits<double>::max();
  for (int i = 0; i < 4; ++i) {
    const PointF& p = box.corners[i];
    const PointF& q = box.corners[(i + 1) % 4];
    for (const PointF c : {p, PointF{(p.x + q.x) / 2, (p.y + q.y) / 2}}) {
      const double d = (c.x - from.x) * (c.x - from.x) + (c.y - from.y) * (c.y - from.y);
      if (d < bestDistance) {
        bestDistance = d;
        best = c;
      }
    }
  }
  return best;
}

// A label box with a leader from `anchor` to it; the leader starts
// `clearance` off the anchor, so that it leaves the node's mark alone.
LabelPlace WithLeader(const LabelBox& box, PointF anchor, double clearance) {
  const PointF end = NearestOnBox(box, anchor);
  const double length = std::hypot(end.x - anchor.x, end.y - anchor.y);
  LabelPlace place{box, std::nullopt, true, anchor};
  if (length <= clearance) return place;
  const PointF unit{(end.x - anchor.x) / length, (end.y - anchor.y) / length};
  place.leader = std::array<PointF, 2>{Plus(anchor, unit, clearance), end};
  return place;
}

}  // namespace

bool Overlaps(const DeviceRect& a, const DeviceRect& b) { return SharedArea(a, b) > 0; }

DeviceRect DotRect(DevicePoint centre, int radius) {
  return {centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1};
}

DeviceRect LabelBox::bounds() const {
  double left = corners[0].x;
  double right = left;
  double top = corners[0].y;
  double bottom = top;
  for (const PointF& p : corners) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  return {static_cast<int32_t>(std::floor(left)), static_cast<int32_t>(std::floor(top)),
          static_cast<int32_t>(std::ceil(right)), static_cast<int32_t>(std::ceil(bottom))};
}

LabelBox UprightBox(double left, double top, double width, double height) {
  return {{PointF{left, top}, PointF{left + width, top}, PointF{left + width, top + height},
           PointF{left, top + height}}};
}

LabelBox TurnedBox(PointF centre, double width, double height, double angle) {
  // Device y grows downwards: a text turned counter-clockwise as seen runs
  // up the screen.
  const PointF along{std::cos(angle) * width / 2, -std::sin(angle) * width / 2};
  const PointF across{std::sin(angle) * height / 2, std::cos(angle) * height / 2};
  const PointF back{-along.x, -along.y};
  const PointF up{-across.x, -across.y};
  return {{Plus(Plus(centre, back), up), Plus(Plus(centre, along), up),
           Plus(Plus(centre, along), across), Plus(Plus(centre, back), across)}};
}

LabelBox LineBox(PointF a, PointF b, double halfWidth) {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const PointF centre{(a.x + b.x) / 2, (a.y + b.y) / 2};
  const double angle = length > 0 ? std::atan2(-(b.y - a.y), b.x - a.x) : 0.0;
  return TurnedBox(centre, length + 2 * halfWidth, 2 * halfWidth, angle);
}

bool Overlaps(const LabelBox& a, const LabelBox& b) {
  for (const LabelBox* box : {&a, &b}) {
    for (int i = 0; i < 2; ++i) {
      const PointF& p = box->corners[i];
      const PointF& q = box->corners[i + 1];
      const PointF normal{q.y - p.y, p.x - q.x};
      if (normal.x == 0.0 && normal.y == 0.0) continue;
      if (Apart(a, b, normal)) return false;
    }
  }
  return true;
}

LabelLayout::LabelLayout(DeviceRect area) : area_(area) {
  columns_ = std::max(1, (area.right - area.left + 2 * kGridMargin) / kCellSize + 1);
  rows_ = std::max(1, (area.bottom - area.top + 2 * kGridMargin) / kCellSize + 1);
  cells_.resize(static_cast<size_t>(columns_) * rows_);
}

int LabelLayout::cellColumn(int32_t x) const {
  return std::clamp((x - area_.left + kGridMargin) / kCellSize, 0, columns_ - 1);
}

int LabelLayout::cellRow(int32_t y) const {
  return std::clamp((y - area_.top + kGridMargin) / kCellSize, 0, rows_ - 1);
}

template <class F>
void LabelLayout::forItemsNear(const DeviceRect& r, F&& visit) const {
  if (++visit_ == 0) std::fill(seen_.begin(), seen_.end(), 0u);
  seen_.resize(items_.size(), 0u);
  for (int cy = cellRow(r.top); cy <= cellRow(r.bottom); ++cy)
    for (int cx = cellColumn(r.left); cx <= cellColumn(r.right); ++cx)
      for (const int index : cells_[static_cast<size_t>(cy) * columns_ + cx]) {
        if (seen_[index] == visit_) continue;
        seen_[index] = visit_;
        visit(items_[index]);
      }
}

void LabelLayout::add(const LabelBox& box, Kind kind) {
  const Item item{box, box.bounds(), kind};
  const int index = static_cast<int>(items_.size());
  items_.push_back(item);
  for (int cy = cellRow(item.bounds.top); cy <= cellRow(item.bounds.bottom); ++cy)
    for (int cx = cellColumn(item.bounds.left); cx <= cellColumn(item.bounds.right); ++cx)
      cells_[static_cast<size_t>(cy) * columns_ + cx].push_back(index);
}

void LabelLayout::addObstacle(const DeviceRect& r) {
  add(UprightBox(r.left, r.top, r.right - r.left, r.bottom - r.top), Kind::Symbol);
}

void LabelLayout::addObstacle(const LabelBox& box) { add(box, Kind::Symbol); }

void LabelLayout::addLine(PointF a, PointF b, double halfWidth) {
  add(LineBox(a, b, halfWidth), Kind::Line);
}

LabelLayout::Coverage LabelLayout::cover(const LabelBox& box, const Exempt& exempt) const {
  const DeviceRect bounds = box.bounds();
  Coverage covered;
  forItemsNear(bounds, [&](const Item& item) {
    if (exempt.kind == item.kind && (exempt.everywhere || Contains(item.box, exempt.at))) return;
    if (!Overlaps(bounds, item.bounds) || !Overlaps(box, item.box)) return;
    const double area = std::max<int64_t>(1, SharedArea(bounds, item.bounds));
    if (item.kind == Kind::Symbol)
      covered.symbols += area;
    else if (item.kind == Kind::Line)
      covered.lines += area;
    else
      covered.leaders += area;
  });
  return covered;
}

bool LabelLayout::inside(const LabelBox& box) const { return Inside(box.bounds(), area_); }

// The first candidate that covers nothing and whose leader crosses
// nothing; else the first whose leader crosses only other leaders; else
// the first that covers no symbol or label, only lines; else the one that
// covers the least.
bool LabelLayout::offer(Choice& choice, const LabelPlace& c) const {
  // A label on a line interrupts the lines under it; a leader starts
  // among the symbols of what it names.
  const Exempt underLabel{c.onLine ? Kind::Line : Kind::None, {}, true};
  const Coverage box = cover(Grown(c.box, kLabelMargin), underLabel);
  Coverage leader;
  if (c.leader)
    leader = cover(LineBox((*c.leader)[0], (*c.leader)[1], kLeaderHalfWidth),
                   {Kind::Symbol, c.anchor, false});
  const double symbols = box.symbols + leader.symbols + (inside(c.box) ? 0.0 : kOutsideCost);
  const double lines = box.lines + box.leaders + leader.lines;
  if (symbols == 0.0 && lines == 0.0 && leader.leaders == 0.0) {
    choice.free = c;
    return false;
  }
  if (symbols == 0.0 && lines == 0.0 && !choice.crossing) choice.crossing = c;
  if (symbols == 0.0 && lines < choice.fewestLines) {
    choice.fewestLines = lines;
    choice.onLines = c;
  }
  if (symbols + lines < choice.leastCost) {
    choice.leastCost = symbols + lines;
    choice.least = c;
  }
  return true;
}

LabelPlace LabelLayout::Chosen(const Choice& choice) {
  if (choice.free) return *choice.free;
  if (choice.crossing) return *choice.crossing;
  LabelPlace best = choice.onLines ? *choice.onLines : *choice.least;
  best.free = false;
  return best;
}

LabelPlace LabelLayout::besidePoint(PointF anchor, double clearance, double w, double h,
                                    const std::vector<PointF>& directions, size_t farPlaces) const {
  Choice choice;
  // The quadrant that faces the most room first; among equals, below
  // before above and left before right: frames are mostly numbered from
  // the left, so a label leans over the neighbour labelled before it.
  std::vector<std::array<double, 2>> quadrants = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
  if (!directions.empty()) {
    const PointF room = directions.front();
    std::stable_sort(quadrants.begin(), quadrants.end(), [&room](const auto& a, const auto& b) {
      return a[0] * room.x + a[1] * room.y > b[0] * room.x + b[1] * room.y + kTouching;
    });
  }
  for (const auto& q : quadrants) {
    const double left = q[0] > 0 ? anchor.x + clearance : anchor.x - clearance - w;
    const double top = q[1] > 0 ? anchor.y + clearance : anchor.y - clearance - h;
    if (!offer(choice, {UprightBox(left, top, w, h), std::nullopt, true, anchor}))
      return Chosen(choice);
  }
  // Farther out: first where the frame leaves room round the point, so
  // that leaders run side by side, then anywhere near, nearest first.
  for (int ring = 1; ring <= kLabelRings; ++ring) {
    const double distance = clearance + ring * kRingStep * h;
    for (const PointF& way : directions)
      if (!offer(choice, WithLeader(BoxOut(anchor, way, distance, w, h), anchor, clearance)))
        return Chosen(choice);
  }
  for (size_t i = 0; i < std::min(farPlaces, kNear.size()); ++i) {
    const PointF& offset = kNear[i];
    const PointF centre{anchor.x + offset.x * h, anchor.y + offset.y * h};
    if (!offer(choice,
               WithLeader(UprightBox(centre.x - w / 2, centre.y - h / 2, w, h), anchor, clearance)))
      return Chosen(choice);
  }
  return Chosen(choice);
}

LabelPlace LabelLayout::besideLine(PointF a, PointF b, double clearance, double w, double h,
                                   double angle) const {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const PointF along =
      length > 0 ? PointF{(b.x - a.x) / length, (b.y - a.y) / length} : PointF{1.0, 0.0};
  const PointF across{-along.y, along.x};
  // How far the turned text reaches across the line from its middle.
  const PointF textAlong{std::cos(angle), -std::sin(angle)};
  const PointF textAcross{std::sin(angle), std::cos(angle)};
  const double reach =
      std::fabs(Dot(textAlong, across)) * w / 2 + std::fabs(Dot(textAcross, across)) * h / 2;
  const PointF middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
  // Shifted along the line only where the line is longer than the text.
  std::vector<double> shifts{0.0};
  if (length > 2 * w) shifts.insert(shifts.end(), {-0.25 * length, 0.25 * length});
  // The numbers of a row of short elements stay on one side, staggered,
  // rather than alternating sides: the other side is left to the nodes.
  struct Ranked {
    double rank;
    int ring;
    size_t shift;
    double side;
  };
  std::vector<Ranked> ranked;
  for (int ring = 0; ring <= kLabelRings; ++ring)
    for (size_t s = 0; s < shifts.size(); ++s)
      for (const double side : {1.0, -1.0})
        ranked.push_back(
            {ring + (side < 0 ? kOtherSideRings : 0.0) + s * kShiftRings, ring, s, side});
  // On the line itself, which it then interrupts, when there is room
  // neither beside it nor close by (ring -1).
  // A short element, where the number would crowd its neighbours' beside
  // the line, takes it on the line first.
  if (length > w + 2 * kLabelMargin)
    ranked.push_back({length < kShortLine * w ? -1.0 : kOnLineRings, -1, 0, 0.0});
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const Ranked& x, const Ranked& y) { return x.rank < y.rank; });
  // The places are made in the order of their rank, as far as needed.
  Choice choice;
  for (const Ranked& r : ranked) {
    LabelPlace place;
    if (r.ring < 0) {
      place = {TurnedBox(middle, w, h, angle), std::nullopt, true, middle};
      place.onLine = true;
    } else {
      const PointF foot = Plus(middle, along, shifts[r.shift]);
      const PointF centre =
          Plus(foot, across, r.side * (reach + clearance + r.ring * kRingStep * h));
      const LabelBox box = TurnedBox(centre, w, h, angle);
      place = r.ring == 0 ? LabelPlace{box, std::nullopt, true, foot}
                          : WithLeader(box, foot, clearance);
    }
    if (!offer(choice, place)) break;
  }
  return Chosen(choice);
}

void LabelLayout::take(const LabelPlace& place) {
  add(place.box, Kind::Symbol);
  labels_.push_back(place.box);
  if (place.leader)
    add(LineBox((*place.leader)[0], (*place.leader)[1], kLeaderHalfWidth), Kind::Leader);
}

std::vector<DeviceRect> LabelLayout::labelBounds() const {
  std::vector<DeviceRect> bounds;
  for (const LabelBox& box : labels_) bounds.push_back(box.bounds());
  return bounds;
}

}  // namespace rerore
