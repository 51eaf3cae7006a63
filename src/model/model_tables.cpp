#include "model/model_tables.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace rerore {

ModelTables::ModelTables() {
  std::memset(elements.data(), 0, sizeof elements);
  std::memset(nodes.data(), 0, sizeof nodes);
  std::memset(supports.data(), 0, sizeof supports);
  std::memset(materials.data(), 0, sizeof materials);
  std::memset(crossSections.data(), 0, sizeof crossSections);
  std::memset(dofs.data(), 0, sizeof dofs);
  std::memset(&params, 0, sizeof params);
  params.verticalSign = kVerticalSign;
  params.angleFlag = 1;
  params.tolerance = kTolerance;
}

namespace {
int Clamp(int count, int capacity) { return std::clamp(count, 0, capacity); }
}  // namespace

int ElementRows(const ModelTables& m) { return Clamp(m.params.elementCount, kMaxElements); }
int NodeRows(const ModelTables& m) { return Clamp(m.params.nodeCount, kMaxNodes); }
int SupportRows(const ModelTables& m) { return Clamp(m.params.supportCount, kMaxSupports); }
int MaterialRows(const ModelTables& m) { return Clamp(m.params.materialCount, kMaxMaterials); }
int CrossSectionRows(const ModelTables& m) {
  return Clamp(m.params.crossSectionCount, kMaxCrossSections);
}

void SetDefaultMaterial(ModelTables& model) {
  MaterialRecord& m = model.materials[1];
  m.modulus = kDefaultModulus;
  m.secondConstant = 0.0f;
  m.number = 1;
  model.params.materialCount = 1;
}

void SetDefaultCrossSection(ModelTables& model) {
  CrossSectionRecord& s = model.crossSections[1];
  s.width = kDefaultWidth;
  s.height = kDefaultHeight;
  s.area = kDefaultArea;
  s.inertia = kDefaultInertia;
  s.defaultOnly = kSectionDefaultOnly;
  s.number = 1;
  model.params.crossSectionCount = 1;
}

void SetElementLeft(ElementRecord& e, float x, float y) {
  e.xa = x;
  e.ya = y;
  e.za = kVerticalSign * y;
}

void SetElementRight(ElementRecord& e, float x, float y) {
  e.xb = x;
  e.yb = y;
  e.zb = kVerticalSign * y;
}

void ComputeElementGeometry(ElementRecord& e, bool angleFlag) {
  e.dx = e.xb - e.xa;
  e.dz = e.zb - e.za;
  const double dx = e.dx;
  const double dz = e.dz;
  e.length = static_cast<float>(std::sqrt(dx * dx + dz * dz));
  double c = kAxisDegenerate;
  double s = kAxisDegenerate;
  if (e.length > kZeroLength) {
    c = static_cast<double>(e.dx / e.length);
    s = static_cast<double>(e.dz / e.length);
  }
  e.axis[0] = static_cast<float>(-s);
  e.axis[1] = static_cast<float>(c);
  e.axis[2] = static_cast<float>(c);
  e.axis[3] = static_cast<float>(s);
  double angle;
  if (std::fabs(s) < kAngleSnap)
    angle = 0.0;
  else if (std::fabs(c) < kAngleSnap)
    angle = kPi / 2.0;
  else
    angle = std::atan2(s, c);
  if (!angleFlag) angle += kPi;
  e.angle = static_cast<float>(angle);
}

bool ElementGeometryFits(const ElementRecord& e) {
  ElementRecord copy = e;
  ComputeElementGeometry(copy, true);
  for (float v : {copy.dx, copy.dz, copy.length, copy.axis[0], copy.axis[1], copy.angle})
    if (!std::isfinite(v)) return false;
  return true;
}

SectionValues SectionValuesOf(const ModelTables& model, const ElementRecord& e) {
  SectionValues v;
  if (e.material >= 1 && e.material <= kMaxMaterials)
    v.modulus = model.materials[e.material].modulus;
  if (e.crossSection >= 1 && e.crossSection <= kMaxCrossSections) {
    v.area = model.crossSections[e.crossSection].area;
    v.inertia = model.crossSections[e.crossSection].inertia;
  }
  return v;
}

void UpdateStiffnessProducts(ModelTables& model, ElementRecord& e) {
  if (e.material == 0) e.material = 1;
  if (e.crossSection == 0) e.crossSection = 1;
  const SectionValues v = SectionValuesOf(model, e);
  // The product of two floats is exact in double; rounded, it is the float
  // product whenever that is finite.
  const auto product = [](float a, float b) {
    const double exact = static_cast<double>(a) * b;
    return std::isfinite(exact) && std::fabs(exact) <= FLT_MAX ? static_cast<float>(exact) : 0.0f;
  };
  e.ea = product(v.modulus, v.area);
  e.ei = product(v.modulus, v.inertia);
}

float RigidStiffness(const ModelTables& model) {
  float maxModulus = 0.0f;
  for (int i = 1; i <= MaterialRows(model); ++i)
    maxModulus = std::max(maxModulus, model.materials[i].modulus);
  float maxArea = 0.0f;
  for (int i = 1; i <= CrossSectionRows(model); ++i)
    maxArea = std::max(maxArea, model.crossSections[i].area);
  // A spring of the largest float is as rigid as the files can say.
  return ProductInFloatRange(maxModulus, maxArea);
}

uint32_t ChangeSum(const ModelParameters& params) {
  uint32_t sum = 0;
  const uint8_t* b = params.bytes();
  for (size_t i = 1; i < sizeof(ModelParameters); ++i) sum += b[i];
  return sum;
}

float ProductInFloatRange(float a, float b) {
  return static_cast<float>(std::clamp(double{a} * b, double{-FLT_MAX}, double{FLT_MAX}));
}

}  // namespace rerore
