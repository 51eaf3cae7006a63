#include "model/finite_records.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>

namespace rerore {

namespace {

bool AllFinite(std::initializer_list<float> values) {
  for (float v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// A double of the parameter block ends up in a float somewhere.
bool FitsFloat(double value) { return std::fabs(value) <= FLT_MAX; }

}  // namespace

bool NumbersFinite(const ElementRecord& e) {
  return AllFinite({e.xa, e.za, e.ya, e.xb, e.zb, e.yb, e.axis[0], e.axis[1], e.axis[2], e.axis[3],
                    e.dx, e.dz, e.length, e.angle, e.ea, e.ei}) &&
         ElementGeometryFits(e);
}

bool NumbersFinite(const NodeRecord& n) {
  return AllFinite({n.x, n.z, n.y, n.supportU, n.supportV, n.supportPhi});
}

bool NumbersFinite(const SupportRecord& s) {
  return AllFinite({s.factorU, s.factorV, s.factorPhi});
}

bool NumbersFinite(const MaterialRecord& m) { return AllFinite({m.modulus, m.secondConstant}); }

bool NumbersFinite(const CrossSectionRecord& c) {
  return AllFinite({c.width, c.height, c.inertia, c.area, c.defaultOnly});
}

bool NumbersFinite(const SpanEntry& s) { return AllFinite({s.xEnd}); }

bool NumbersFinite(const FloorEntry& f) { return AllFinite({f.height, f.spacing}); }

bool NumbersFinite(const ArcInput& a) { return AllFinite({a.radius, a.angleLeft, a.angleRight}); }

bool NumbersFinite(const DrawingExtents& e) { return AllFinite({e.xmin, e.ymin, e.xmax, e.ymax}); }

void ClearNumbers(NodeRecord& n) {
  n.x = n.z = n.y = 0.0f;
  n.supportU = n.supportV = n.supportPhi = 0.0f;
  n.supportedU = n.supportedV = n.supportedPhi = 0;
}

void ClearNumbers(MaterialRecord& m) { m.modulus = m.secondConstant = 0.0f; }

void ClearNumbers(CrossSectionRecord& c) {
  c.width = c.height = c.inertia = c.area = c.defaultOnly = 0.0f;
}

bool KeepParameterNumbersFinite(ModelParameters& p) {
  bool kept = true;
  const auto keep = [&kept](auto value, auto start) {
    if (FitsFloat(value)) return value;
    kept = false;
    return static_cast<decltype(value)>(start);
  };
  p.materialConstant = keep(p.materialConstant, kMaterialConstant);
  p.tolerance = keep(p.tolerance, kTolerance);
  p.defaultModulus = keep(p.defaultModulus, kDefaultModulusParameter);
  p.rigidStiffness = keep(p.rigidStiffness, 0.0f);
  p.sectionDefaultOnly = keep(p.sectionDefaultOnly, kSectionDefaultOnly);
  return kept;
}

}  // namespace rerore
