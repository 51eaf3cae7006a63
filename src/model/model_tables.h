// The structural model of the running program: fixed-capacity, 1-based
// tables of elements, nodes, supports, materials and cross sections, the
// parameter block and the equation table, plus the rules every part of the
// program shares (defaults, derived element geometry, stiffness products).
#pragma once

#include <array>
#include <cstdint>

#include "model/constants.h"
#include "model/model_parameters.h"
#include "model/records.h"

namespace rerore {

struct ParabolaParameters {
  float span = 0.0f;     // "Length of base line"
  float rise = 0.0f;     // "Height"
  int32_t elements = 0;  // 0 = no parabola
};

struct ModelTables {
  ModelTables();

  std::array<ElementRecord, kMaxElements + 1> elements;
  std::array<NodeRecord, kMaxNodes + 1> nodes;
  std::array<SupportRecord, kMaxSupports + 1> supports;
  std::array<MaterialRecord, kMaxMaterials + 1> materials;
  std::array<CrossSectionRecord, kMaxCrossSections + 1> crossSections;
  std::array<DofRecord, kMaxNumberedEquations + 1> dofs;
  ModelParameters params;
  ParabolaParameters parabola;
  // Set by the node generator and the frame generator on an overflow.
  int32_t generationError = 0;
};

// Counts clamped to what the tables can hold: a loop over a table never
// runs past its places, whatever a file or a careless caller left in the
// parameter block.
int ElementRows(const ModelTables& model);
int NodeRows(const ModelTables& model);
int SupportRows(const ModelTables& model);
int MaterialRows(const ModelTables& model);
int CrossSectionRows(const ModelTables& model);

void SetDefaultMaterial(ModelTables& model);      // material 1, materialCount 1
void SetDefaultCrossSection(ModelTables& model);  // section 1, crossSectionCount 1

// Sets y and z = verticalSign * y of an element end or a node.
void SetElementLeft(ElementRecord& e, float x, float y);
void SetElementRight(ElementRecord& e, float x, float y);

// dx, dz, length, axis and angle from the end points.
void ComputeElementGeometry(ElementRecord& e, bool angleFlag);

// False when ends so far apart that their distance leaves the float range
// would give the element an infinite or undefined dx, dz, length or axis.
bool ElementGeometryFits(const ElementRecord& e);

struct SectionValues {
  float modulus = 0.0f;
  float area = 0.0f;
  float inertia = 0.0f;
};

// The modulus, area and inertia of the rows the element refers to; a row
// outside the tables counts as zero stiffness instead of being read.
SectionValues SectionValuesOf(const ModelTables& model, const ElementRecord& e);

// Replaces a material or section number 0 by 1, then sets ea and ei from
// the referenced rows; a product beyond the float range is stored as 0 (no
// usable stiffness; the check refuses such an element).
void UpdateStiffnessProducts(ModelTables& model, ElementRecord& e);

// Largest modulus times largest area; an empty table contributes 0.
float RigidStiffness(const ModelTables& model);

// a * b, held within the float range: two large finite values can multiply
// beyond it, and an infinite product would reach the files.
float ProductInFloatRange(float a, float b);

// Sum of bytes 1..743 of the parameter block as unsigned bytes.
uint32_t ChangeSum(const ModelParameters& params);

}  // namespace rerore
