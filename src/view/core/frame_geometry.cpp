#include "view/core/frame_geometry.h"

#include <algorithm>
#include <cmath>

#include "model/position_files.h"

namespace rerore {

namespace {

constexpr double kLabelMinLength = 0.1;  // shorter elements count as this long
constexpr double kLabelStraight = 0.01;  // direction share below which a label lies straight
constexpr double kShortElement = 0.001;  // shorter elements count as 1 m long
constexpr double kHingeStraight = 0.05;  // nearly horizontal or vertical elements
constexpr double kHingeInsetStraight = 0.05;
constexpr double kHingeInsetSloped = 0.12;
constexpr double kRigidStubLength = 0.2;
constexpr float kRollerDrop = 1.2f;  // the roller line lies 1.2 symbol sizes away
constexpr float kSymbolShare = 0.01f;
constexpr float kArrowHead = 0.25f;   // head length as a part of the arrow
constexpr float kArrowWidth = 0.05f;  // half the head's width as a part of the arrow
constexpr float kVisibleMotion = 0.01f;
constexpr float kSamePole = 0.1f;
constexpr double kModeShare = 0.25;  // the largest displacement shown, as a part of the frame
constexpr int kFirstRotations = 2;   // rotations that can mark a node red
constexpr double kHalfPi = 1.5707963267948966;

float Length(float dx, float dy, double shortest, double replacement) {
  const double l = std::sqrt(double(dx) * dx + double(dy) * dy);
  return static_cast<float>(l < shortest ? replacement : l);
}

void TriangleBelow(std::vector<WorldLine>& lines, float x, float y, float s) {
  lines.push_back({{x, y}, {x - s, y - s}});
  lines.push_back({{x - s, y - s}, {x + s, y - s}});
  lines.push_back({{x + s, y - s}, {x, y}});
}

void RollerBelow(std::vector<WorldLine>& lines, float x, float y, float s) {
  lines.push_back({{x - s, y - kRollerDrop * s}, {x + s, y - kRollerDrop * s}});
}

void ClampedSquare(SupportSymbol& symbol, const ModelTables& model, const NodeRecord& n, float s,
                   int32_t units) {
  int element = n.endingElement != 0 ? n.endingElement : n.startingElement;
  double c = 1.0;
  double sn = 0.0;
  if (element >= 1 && element <= kMaxElements) {
    c = model.elements[element].axis[2];
    sn = model.elements[element].axis[3];
  }
  const int32_t half = static_cast<int32_t>(s * units);
  const int32_t corners[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
  const int32_t ox = static_cast<int32_t>(units * n.x);
  const int32_t oz = static_cast<int32_t>(units * n.z);
  for (int i = 0; i < 4; ++i) {
    const double cx = corners[i][0];
    const double cy = corners[i][1];
    const int32_t rx = static_cast<int32_t>(cx * c - cy * sn);
    const int32_t ry = static_cast<int32_t>(cx * sn + cy * c);
    symbol.square[i] = {rx + ox, (ry + oz) * kVerticalSign};
  }
}

}  // namespace

std::vector<WorldPoint> FreeDirections(const ModelTables& model, int node) {
  const NodeRecord& n = model.nodes[node];
  std::vector<double> angles;
  const int ends = std::clamp<int>(n.elementEnds, 0, kMaxEndsPerNode);
  for (int j = 1; j <= ends; ++j) {
    const int k = n.nodeElements[j];
    if (k < 1 || k > kMaxElements) continue;
    const ElementRecord& e = model.elements[k];
    const bool left = e.nodeLeft == node;
    const double dx = left ? e.xb - e.xa : e.xa - e.xb;
    const double dy = left ? e.yb - e.ya : e.ya - e.yb;
    if (dx != 0.0 || dy != 0.0) angles.push_back(std::atan2(dy, dx));
  }
  if (angles.empty()) return {};
  std::sort(angles.begin(), angles.end());
  constexpr double kTurn = 6.283185307179586;
  std::vector<std::pair<double, double>> gaps;  // width, middle
  for (size_t i = 0; i < angles.size(); ++i) {
    const double from = angles[i];
    const double to = i + 1 < angles.size() ? angles[i + 1] : angles.front() + kTurn;
    gaps.push_back({to - from, from + (to - from) / 2});
  }
  std::stable_sort(gaps.begin(), gaps.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<WorldPoint> ways;
  for (size_t i = 0; i < gaps.size() && i < 2; ++i)
    ways.push_back({static_cast<float>(std::cos(gaps[i].second)),
                    static_cast<float>(std::sin(gaps[i].second))});
  return ways;
}

double ElementLabelAngle(const ElementRecord& e) {
  const double dx = double(e.xb) - e.xa;
  const double dy = double(e.yb) - e.ya;
  const double l = std::max(kLabelMinLength, std::sqrt(dx * dx + dy * dy));
  if (std::fabs(dy / l) < kLabelStraight) return 0.0;
  if (std::fabs(dx / l) < kLabelStraight) return kHalfPi;
  return std::atan2(dy, dx);
}

double TidyAngle(double angle) {
  if (angle > kHalfPi) return angle - 2.0 * kHalfPi;
  if (angle < -kHalfPi) return angle + 2.0 * kHalfPi;
  return angle;
}

float SymbolSize(const DrawingExtents& e) {
  return kSymbolShare * std::max(e.xmax - e.xmin, e.ymax - e.ymin);
}

SupportSymbol MakeSupportSymbol(const ModelTables& model, int node, float s, int32_t units) {
  const NodeRecord& n = model.nodes[node];
  const float x = n.x;
  const float y = n.y;
  SupportSymbol symbol;
  if (n.supportedPhi) {
    symbol.kind = SupportKind::Clamped;
    symbol.lines.push_back({{x, y + s}, {x, y - s}});
    ClampedSquare(symbol, model, n, s, units);
  } else if (n.supportedV) {
    symbol.kind = n.supportedU ? SupportKind::Pin : SupportKind::Roller;
    TriangleBelow(symbol.lines, x, y, s);
    if (!n.supportedU) RollerBelow(symbol.lines, x, y, s);
  } else if (n.supportedU) {
    symbol.kind = SupportKind::SideRoller;
    symbol.lines.push_back({{x, y}, {x - s, y + s}});
    symbol.lines.push_back({{x - s, y + s}, {x - s, y - s}});
    symbol.lines.push_back({{x - s, y - s}, {x, y}});
    symbol.lines.push_back({{x - kRollerDrop * s, y - s}, {x - kRollerDrop * s, y + s}});
  } else if (n.supportV > 0.0f || n.supportU > 0.0f) {
    symbol.kind = SupportKind::Elastic;
    TriangleBelow(symbol.lines, x, y, s);
    RollerBelow(symbol.lines, x, y, s);
  }
  return symbol;
}

WorldPoint HingeCentre(const ElementRecord& e, bool leftEnd, bool mixedHinges) {
  if (!mixedHinges) return leftEnd ? WorldPoint{e.xa, e.ya} : WorldPoint{e.xb, e.yb};
  const float dx = e.xb - e.xa;
  const float dy = e.yb - e.ya;
  const float l = Length(dx, dy, kShortElement, 1.0);
  const bool straight = std::fabs(dy / l) < kHingeStraight || std::fabs(dx / l) < kHingeStraight;
  const float d = static_cast<float>(straight ? kHingeInsetStraight : kHingeInsetSloped);
  if (leftEnd) return {e.xa + d * dx / l, e.ya + d * dy / l};
  return {e.xb - d * dx / l, e.yb - d * dy / l};
}

bool RigidStub(const ElementRecord& e, int node, WorldLine& stub) {
  const float dx = e.xb - e.xa;
  const float dy = e.yb - e.ya;
  const float l = Length(dx, dy, kShortElement, 1.0);
  const float d = static_cast<float>(kRigidStubLength);
  if (e.nodeLeft == node && e.hingeLeft == 0) {
    stub = {{e.xa, e.ya}, {e.xa + d * dx / l, e.ya + d * dy / l}};
    return true;
  }
  if (e.nodeRight == node && e.hingeRight == 0) {
    stub = {{e.xb, e.yb}, {e.xb - d * dx / l, e.yb - d * dy / l}};
    return true;
  }
  return false;
}

std::array<WorldLine, 3> Arrow(WorldPoint a, WorldPoint b) {
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const WorldPoint base{b.x - kArrowHead * dx, b.y - kArrowHead * dy};
  const float wx = kArrowWidth * dy;
  const float wy = -kArrowWidth * dx;
  return {WorldLine{a, b}, WorldLine{b, {base.x + wx, base.y + wy}},
          WorldLine{b, {base.x - wx, base.y - wy}}};
}

namespace {

double Mode(const CheckResults& check, int equation) {
  const auto& q = check.kinematicVector;
  return equation >= 0 && equation < static_cast<int>(q.size()) ? q[equation] : 0.0;
}

bool ValidNode(int node) { return node >= 1 && node <= kMaxNodes; }

}  // namespace

std::vector<DisplacedElement> DisplacedShape(const ModelTables& m, const CheckResults& check,
                                             double amplitude) {
  std::vector<DisplacedElement> shape;
  for (int i = 1; i <= ElementRows(m); ++i) {
    const ElementRecord& e = m.elements[i];
    if (!ValidNode(e.nodeLeft) || !ValidNode(e.nodeRight)) continue;
    const NodeRecord& a = m.nodes[e.nodeLeft];
    const NodeRecord& b = m.nodes[e.nodeRight];
    const float ua = static_cast<float>(amplitude * Mode(check, a.dofU));
    const float va = static_cast<float>(amplitude * Mode(check, a.dofV) * kVerticalSign);
    const float ub = static_cast<float>(amplitude * Mode(check, b.dofU));
    const float vb = static_cast<float>(amplitude * Mode(check, b.dofV) * kVerticalSign);
    if (std::fabs(ua) + std::fabs(va) + std::fabs(ub) + std::fabs(vb) < kVisibleMotion) continue;
    shape.push_back({{a.x, a.y}, {b.x, b.y}, {a.x + ua, a.y + va}, {b.x + ub, b.y + vb}});
  }
  return shape;
}

double ModeScale(const ModelTables& m, const CheckResults& check) {
  double largest = 0.0;
  for (int j = 1; j <= NodeRows(m); ++j) {
    const NodeRecord& n = m.nodes[j];
    largest = std::max(largest, std::hypot(Mode(check, n.dofU), Mode(check, n.dofV)));
  }
  const DrawingExtents extent = ElementExtents(m);
  const double size = std::max(extent.xmax - extent.xmin, extent.ymax - extent.ymin);
  if (!(largest > 0.0) || !(size > 0.0)) return 1.0;
  return kModeShare * size / largest;
}

bool CarriesSingularEquation(const NodeRecord& n, int32_t singularEquation) {
  if (n.dofU == singularEquation || n.dofV == singularEquation) return true;
  for (int r = 1; r <= kFirstRotations; ++r)
    if (n.dofPhi[r] == singularEquation) return true;
  return false;
}

std::vector<std::string> PoleLabels(const ModelTables& model, const CheckResults& check) {
  const int count = ElementRows(model);
  const auto& poles = check.poleTable;
  std::vector<std::string> labels(count + 1);
  std::vector<bool> pending(count + 1, true);
  for (int i = 1; i <= count; ++i) {
    if (!pending[i] || poles[i].atInfinity != 0) continue;
    labels[i] = Format("Pole %i", i);
    for (int j = i + 1; j <= count; ++j) {
      if (poles[j].atInfinity != 0) continue;
      if (std::fabs(poles[i].x - poles[j].x) + std::fabs(poles[i].y - poles[j].y) < kSamePole) {
        labels[i] += Format(", %i", j);
        pending[j] = false;
      }
    }
  }
  return labels;
}

}  // namespace rerore
