#include "dxf/dxf_import.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "check/rebuild.h"
#include "generators/generator_common.h"
#include "model/parse_number.h"
#include "model/position_files.h"

namespace rerore {

namespace {

// Cells of the point search: a point closer than the tolerance lies in the
// same cell or in one of the eight around it, also where the single
// precision of the distance rounds it down.
constexpr double kCellSize = 2.0 * kNodeMatchTolerance;
constexpr double kLargestCell = 4.0e18;  // cell numbers stay within 64 bits

struct Point {
  float x = 0.0f;
  float y = 0.0f;
};

// The points of the frame in the order of first appearance; an end closer
// than the tolerance to an earlier point is that point, as the rebuild
// makes it one node.
class PointSet {
 public:
  // The number of the point at p, made when none lies close enough;
  // `moved` tells whether p had to move to reach it.
  int find(Point p, bool& moved) {
    const int64_t cx = Cell(p.x);
    const int64_t cy = Cell(p.y);
    int found = -1;
    for (int64_t dx = -1; dx <= 1; ++dx)
      for (int64_t dy = -1; dy <= 1; ++dy) {
        const auto cell = cells_.find(Key(cx + dx, cy + dy));
        if (cell == cells_.end()) continue;
        for (int i : cell->second)
          if ((found < 0 || i < found) && Close(points_[i], p)) found = i;
      }
    moved = found >= 0 && (points_[found].x != p.x || points_[found].y != p.y);
    if (found >= 0) return found;
    points_.push_back(p);
    cells_[Key(cx, cy)].push_back(static_cast<int>(points_.size()) - 1);
    return static_cast<int>(points_.size()) - 1;
  }
  Point at(int i) const { return points_[i]; }

 private:
  static int64_t Cell(float v) {
    return static_cast<int64_t>(std::clamp(std::floor(v / kCellSize), -kLargestCell, kLargestCell));
  }
  static uint64_t Key(int64_t cx, int64_t cy) {
    return static_cast<uint64_t>(cx) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(cy);
  }
  static bool Close(Point a, Point b) {
    return SingleDistance(a.x, a.y, b.x, b.y) < kNodeMatchTolerance;
  }

  std::vector<Point> points_;
  std::unordered_map<uint64_t, std::vector<int>> cells_;
};

uint64_t PairKey(int a, int b) {
  return static_cast<uint64_t>(std::min(a, b)) << 32 | static_cast<uint32_t>(std::max(a, b));
}

// The segments of the chosen layer, in metres; the first coordinate that
// is no finite number refuses the import.
std::vector<DrawingSegment> ChosenSegments(const DxfDrawing& drawing, int layer, double perMetre,
                                           std::string& refusal) {
  std::vector<DrawingSegment> chosen;
  for (const DrawingSegment& s : drawing.segments) {
    if (layer >= 0 && s.layer != layer) continue;
    for (double v : {s.x1, s.y1, s.x2, s.y2})
      if (!std::isfinite(v)) {
        refusal = TooLargeNumberMessage(Format("%g", v));
        return {};
      }
    chosen.push_back({s.x1 / perMetre, s.y1 / perMetre, s.x2 / perMetre, s.y2 / perMetre, s.layer});
  }
  return chosen;
}

// Moves the lower-left corner of the segments to the origin.
void MoveToOrigin(std::vector<DrawingSegment>& segments) {
  if (segments.empty()) return;
  double xmin = segments[0].x1;
  double ymin = segments[0].y1;
  for (const DrawingSegment& s : segments) {
    xmin = std::min({xmin, s.x1, s.x2});
    ymin = std::min({ymin, s.y1, s.y2});
  }
  for (DrawingSegment& s : segments) {
    s.x1 -= xmin;
    s.x2 -= xmin;
    s.y1 -= ymin;
    s.y2 -= ymin;
  }
}

// The ends as floats, or the refusal naming the number that does not fit
// (an end, or a length beyond the float range).
bool ToFloats(const DrawingSegment& s, ImportedElement& e, std::string& refusal) {
  const double values[] = {s.x1, s.y1, s.x2, s.y2};
  for (double v : values)
    if (std::fabs(v) > FLT_MAX) {
      refusal = TooLargeNumberMessage(Format("%g", v));
      return false;
    }
  e = {static_cast<float>(s.x1), static_cast<float>(s.y1), static_cast<float>(s.x2),
       static_cast<float>(s.y2)};
  ElementRecord record{};
  SetElementLeft(record, e.xa, e.ya);
  SetElementRight(record, e.xb, e.yb);
  if (ElementGeometryFits(record)) return true;
  const double largest =
      *std::max_element(std::begin(values), std::end(values),
                        [](double a, double b) { return std::fabs(a) < std::fabs(b); });
  refusal = TooLargeNumberMessage(Format("%g", largest));
  return false;
}

// The frame's own elements come first when the drawing is appended: the
// drawing's ends join theirs, and a segment that repeats one is left out.
void SeedWithModel(const ModelTables& model, PointSet& points,
                   std::unordered_set<uint64_t>& pairs) {
  bool moved = false;
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    const int a = points.find({e.xa, e.ya}, moved);
    const int b = points.find({e.xb, e.yb}, moved);
    pairs.insert(PairKey(a, b));
  }
}

void MergeEnds(const std::vector<ImportedElement>& ends, ImportMode mode, const ModelTables& model,
               DxfImportPlan& plan) {
  PointSet points;
  std::unordered_set<uint64_t> pairs;
  if (mode == ImportMode::Append) SeedWithModel(model, points, pairs);
  for (const ImportedElement& e : ends) {
    bool movedA = false;
    bool movedB = false;
    const int a = points.find({e.xa, e.ya}, movedA);
    const int b = points.find({e.xb, e.yb}, movedB);
    plan.mergedEnds += movedA + movedB;
    if (a == b) {
      plan.zeroLength++;
    } else if (!pairs.insert(PairKey(a, b)).second) {
      plan.duplicates++;
    } else {
      plan.elements.push_back({points.at(a).x, points.at(a).y, points.at(b).x, points.at(b).y});
    }
  }
}

std::string CountRefusal(const DxfImportPlan& plan, ImportMode mode, const ModelTables& model) {
  const int drawn = static_cast<int>(plan.elements.size());
  if (drawn > kMaxElements)
    return Format("The drawing has %i elements, max = %i", drawn, kMaxElements);
  const int total = drawn + (mode == ImportMode::Append ? ElementRows(model) : 0);
  if (total > kMaxElements) return Format("Too many elements %i, max = %i", total, kMaxElements);
  return {};
}

// "1 segment", "2 segments".
std::string Counted(int n, const char* thing) {
  return Format("%i %s%s", n, thing, n == 1 ? "" : "s");
}

std::string LayerLabel(const DxfImportOptions& options) {
  return options.layer.empty() ? kAllLayers : options.layer;
}

// Supports belong to node numbers; a frame replaced keeps none of them.
void ClearSupports(Session& session) {
  ModelTables& model = session.model;
  for (int j = 1; j <= kMaxNodes; ++j) {
    NodeRecord& n = model.nodes[j];
    n.supportedU = n.supportedV = n.supportedPhi = 0;
    n.supportU = n.supportV = n.supportPhi = 0.0f;
  }
  model.params.supportCount = 0;
  WriteSupportsFile(session.paths, model);
}

}  // namespace

DxfImportPlan PlanDxfImport(const DxfDrawing& drawing, const DxfImportOptions& options,
                            ImportMode mode, const ModelTables& model) {
  DxfImportPlan plan;
  plan.unitFromDrawing = drawing.unit.has_value();
  plan.unit = drawing.unit.value_or(options.unit);
  const int layer = options.layer.empty() ? -1 : FindLayer(drawing, options.layer);
  for (size_t i = 0; i < drawing.layers.size(); ++i)
    if (layer < 0 || static_cast<int>(i) == layer)
      for (const auto& [entity, count] : drawing.layers[i].skipped) plan.skipped[entity] += count;
  if (!options.layer.empty() && layer < 0) {
    plan.refusal = Format("No lines on layer %s", options.layer.c_str());
    return plan;
  }
  std::vector<DrawingSegment> segments =
      ChosenSegments(drawing, layer, UnitsPerMetre(plan.unit), plan.refusal);
  if (!plan.refusal.empty()) return plan;
  plan.segments = static_cast<int>(segments.size());
  if (options.moveToOrigin) MoveToOrigin(segments);
  std::vector<ImportedElement> ends(segments.size());
  for (size_t i = 0; i < segments.size(); ++i)
    if (!ToFloats(segments[i], ends[i], plan.refusal)) return plan;
  MergeEnds(ends, mode, model, plan);
  if (plan.elements.empty())
    plan.refusal = Format("No lines on layer %s", LayerLabel(options).c_str());
  else
    plan.refusal = CountRefusal(plan, mode, model);
  return plan;
}

std::string ImportSummary(const DxfImportPlan& plan) {
  std::string text = Counted(static_cast<int>(plan.elements.size()), "element") + " from " +
                     Counted(plan.segments, "segment") +
                     Format(" (%s%s)", DrawingUnitName(plan.unit),
                            plan.unitFromDrawing ? ", the drawing's unit" : "");
  if (plan.mergedEnds > 0) text += "; " + Counted(plan.mergedEnds, "end") + " merged";
  if (plan.zeroLength > 0)
    text += "; " + Counted(plan.zeroLength, "segment") + " of zero length left out";
  if (plan.duplicates > 0)
    text += "; " + Counted(plan.duplicates, "duplicate segment") + " left out";
  if (plan.skipped.empty()) return text;
  text += "; skipped:";
  const char* separator = " ";
  for (const auto& [entity, count] : plan.skipped) {
    text += Format("%s%i %s", separator, count, entity.c_str());
    separator = ", ";
  }
  return text;
}

std::string UnreadableDrawingMessage(const std::string& path) {
  return Format("%s is not a DXF file the program can read", path.c_str());
}

bool ImportDxfFrame(Session& session, UserMessages& messages, const DxfImportPlan& plan,
                    ImportMode mode) {
  if (!plan.refusal.empty()) {
    messages.message(plan.refusal, "Error");
    return false;
  }
  ModelTables& model = session.model;
  session.check.outcome.reset();  // the view stops showing a mechanism
  // GEOMETRY says that the frame changed before any table does.
  EnsurePositionDirectory(session.paths);
  WriteGeometryFile(session.paths, kGeometryUnchecked);
  int k = 0;
  if (mode == ImportMode::Append) {
    k = ElementRows(model);
  } else {
    ClearSupports(session);
    model.params.beamGeneratorMark = 0;
    model.params.arcMark = 0;
  }
  for (const ImportedElement& e : plan.elements)
    SetGeneratedElement(model, ++k, {e.xa, e.ya}, {e.xb, e.yb});
  model.params.elementCount = static_cast<int16_t>(k);
  WriteModelExtent(session);
  RebuildModel(session, messages);
  model.params.geometryEntered = 1;
  model.params.inputState4 = 1;
  model.params.inputState52 = 1;
  session.view.autoScale = true;
  session.view.resetZoomRequested = true;
  return true;
}

}  // namespace rerore
