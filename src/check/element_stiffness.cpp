#include "check/element_stiffness.h"

#include <cfloat>
#include <cmath>

namespace rerore {

namespace {

// The upper triangle of the plane-frame matrix for u along +x, v downward
// and counter-clockwise rotations; the lower triangle mirrors it.
void FillMatrix(ElementMatrix& k, double ea, double ei, double length, double c, double s) {
  const double a = ea / length;
  const double b12 = 12.0 * ei / (length * length * length);
  const double b6 = 6.0 * ei / (length * length);
  const double b4 = 4.0 * ei / length;
  const double b2 = 2.0 * ei / length;
  k[1][1] = a * c * c + b12 * s * s;
  k[1][2] = (b12 - a) * c * s;
  k[1][3] = -b6 * s;
  k[1][4] = -k[1][1];
  k[1][5] = -k[1][2];
  k[1][6] = -b6 * s;
  k[2][2] = a * s * s + b12 * c * c;
  k[2][3] = -b6 * c;
  k[2][4] = -k[1][2];
  k[2][5] = -k[2][2];
  k[2][6] = -b6 * c;
  k[3][3] = b4;
  k[3][4] = b6 * s;
  k[3][5] = b6 * c;
  k[3][6] = b2;
  k[4][4] = k[1][1];
  k[4][5] = k[1][2];
  k[4][6] = b6 * s;
  k[5][5] = k[2][2];
  k[5][6] = b6 * c;
  k[6][6] = b4;
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j < i; ++j) k[i][j] = k[j][i];
}

bool FinitePositive(float value) { return std::isfinite(value) && value > 0.0f; }

}  // namespace

int ElementStiffness(const ModelTables& model, int k, ElementMatrix& matrix,
                     UserMessages& messages) {
  const ElementRecord& e = model.elements[k];
  const SectionValues v = SectionValuesOf(model, e);
  const double ea = static_cast<double>(v.area) * static_cast<double>(v.modulus);
  const double ei = static_cast<double>(v.inertia) * static_cast<double>(v.modulus);
  // A negative E, A or I can still give positive products; neither they
  // nor an infinite value describe a bar. EA and EI must fit the float
  // fields of the element record as well.
  // A row beyond its table's count is left over from an older table and no
  // material or section of this frame.
  const bool known = e.material <= MaterialRows(model) && e.crossSection <= CrossSectionRows(model);
  const bool physical = known && FinitePositive(v.modulus) && FinitePositive(v.area) &&
                        FinitePositive(v.inertia) && ea <= FLT_MAX && ei <= FLT_MAX;
  if (!physical || ea < kMinStiffnessProduct || ei < kMinStiffnessProduct) {
    messages.message(Format("Error in the stiffness of element %i. Check E, A and I", k),
                     kApplicationTitle);
    return 0;
  }
  const double dx = static_cast<float>(e.xb - e.xa);
  const double d = static_cast<float>(e.zb - e.za);
  double length = std::sqrt(dx * dx + d * d);
  if (length < kMinElementLength) length = static_cast<float>(kMinElementLength);
  FillMatrix(matrix, ea, ei, length, dx / length, -d / length);
  return 1;
}

int AddElements(const ModelTables& model, StiffnessMatrix& stiffness, UserMessages& messages) {
  const int n = stiffness.size();
  ElementMatrix km{};
  for (int k = 1; k <= ElementRows(model); ++k) {
    if (ElementStiffness(model, k, km, messages) == 0) return 0;
    const int16_t* dofs = model.elements[k].endDofs;
    for (int i = 1; i <= 6; ++i) {
      const int di = dofs[i - 1];
      if (di < 1 || di > n) continue;  // an end without an equation adds nothing
      for (int j = 1; j <= 6; ++j) {
        const int dj = dofs[j - 1];
        if (dj >= 1 && dj <= n) stiffness(dj, di) += km[i][j];
      }
    }
  }
  return 1;
}

int AssembleElements(const ModelTables& model, StiffnessMatrix& stiffness, UserMessages& messages) {
  stiffness.setZero();
  return AddElements(model, stiffness, messages);
}

}  // namespace rerore
