#include "check/mechanism.h"

#include <cmath>

#include "check/echelon.h"
#include "check/matrix_text.h"
#include "check/rebuild.h"
#include "model/file_io.h"
#include "model/position_files.h"

namespace rerore {

namespace {

enum class PoleKind { LeftNode, RightNode, FromLeft, FromRight, AtInfinity };

struct EndMotion {
  double u = 0.0;
  double v = 0.0;
  double phi = 0.0;
};

// The motion of the equations dofs[0..2] in the mode; an equation outside
// 1..n does not move.
EndMotion MotionOf(const CheckResults& check, const int16_t* dofs, int n) {
  auto at = [&](int d) { return d >= 1 && d <= n ? check.kinematicVector[d] : 0.0; };
  return {at(dofs[0]), at(dofs[1]), at(dofs[2])};
}

const NodeRecord& NodeOf(const ModelTables& model, int j) {
  return model.nodes[j >= 1 && j <= kMaxNodes ? j : 0];
}

struct PolePoint {
  PoleKind kind;
  double x = 0.0;
  double y = 0.0;
};

// The point about which the element turns, in upward coordinates.
PolePoint FindPole(const ModelTables& model, const ElementRecord& e, const EndMotion& left,
                   const EndMotion& right) {
  const NodeRecord& nl = NodeOf(model, e.nodeLeft);
  const NodeRecord& nr = NodeOf(model, e.nodeRight);
  if (std::fabs(left.v) + std::fabs(left.u) < kPoleRestingEnd)
    return {PoleKind::LeftNode, nl.x, nl.y};
  if (std::fabs(right.u) + std::fabs(right.v) < kPoleRestingEnd)
    return {PoleKind::RightNode, nr.x, nr.y};
  if (std::fabs(left.phi) > kPoleRotation)
    return {PoleKind::FromLeft, nl.x + left.v / left.phi, nl.y + left.u / left.phi};
  if (std::fabs(right.phi) > kPoleRotation)
    return {PoleKind::FromRight, nr.x + right.v / right.phi, nr.y + right.u / right.phi};
  return {PoleKind::AtInfinity};
}

// An element that only translates keeps the point it had.
void StorePole(const PolePoint& point, Pole& pole) {
  pole.atInfinity = point.kind == PoleKind::AtInfinity ? 1 : 0;
  if (pole.atInfinity) return;
  pole.x = static_cast<float>(point.x);
  pole.y = static_cast<float>(point.y);
}

void PrintPoleLine(TextOut& out, PoleKind kind, const Pole& pole) {
  const double x = pole.x;
  const double y = pole.y;
  switch (kind) {
    case PoleKind::LeftNode:
      return out.print("---> Pole at left node x = %.2f y = %.2f\n", x, y);
    case PoleKind::RightNode:
      return out.print("---> Pole at right node x = %.2f y = %.2f\n", x, y);
    case PoleKind::FromLeft:
    case PoleKind::FromRight:
      return out.print("---> Pole x = %.2f y = %.2f\n", x, y);
    case PoleKind::AtInfinity:
      return out.print(
          "Element does not rotate, pole lies on a line normal to the element at infinity\n");
  }
}

// Finds and stores the pole of element k in the mode of `check`.
PoleKind UpdatePole(const ModelTables& model, CheckResults& check, int k) {
  const ElementRecord& e = model.elements[k];
  const int n = model.params.equationCount;
  const PolePoint point =
      FindPole(model, e, MotionOf(check, e.endDofs, n), MotionOf(check, e.endDofs + 3, n));
  StorePole(point, check.poleTable[k]);
  return point.kind;
}

void PrintElementPole(TextOut& out, Session& s, int k) {
  const ModelTables& model = s.model;
  const ElementRecord& e = model.elements[k];
  const int n = model.params.equationCount;
  const int16_t* d = e.endDofs;
  const EndMotion left = MotionOf(s.check, d, n);
  const EndMotion right = MotionOf(s.check, d + 3, n);
  const PoleKind kind = UpdatePole(model, s.check, k);
  out.print("Element %i  Node L = %i  Node R = %i\n", k, e.nodeLeft, e.nodeRight);
  out.print("Left  dof u = %i dof v = %i dof phi = %i \n", d[0], d[1], d[2]);
  out.print("Right dof u = %i dof v = %i dof phi = %i \n", d[3], d[4], d[5]);
  out.print("Node left  u = %.2lf v = %.2lf phi = %.2lf \n", left.u, left.v, left.phi);
  out.print("Node right u = %.2lf v = %.2lf phi = %.2lf \n", right.u, right.v, right.phi);
  PrintPoleLine(out, kind, s.check.poleTable[k]);
  out.print("\n");
}

// The mode: minus the free column of the reduced matrix, 1.0 at the free
// equation. Returns the free equation.
int SetMode(const StiffnessMatrix& reduced, CheckResults& check) {
  const int n = reduced.size();
  const int free = FreeColumn(reduced);
  auto& u = check.kinematicVector;
  for (int i = 1; i <= n; ++i) u[i] = -reduced(i, free);
  u[free] = 1.0;
  return free;
}

// The mode from the free column of the reduced matrix, then the poles.
void DescribeMechanism(Session& s, const StiffnessMatrix& reduced) {
  const int n = reduced.size();
  const int free = SetMode(reduced, s.check);
  const auto& u = s.check.kinematicVector;

  const ModelTables& model = s.model;
  TextOut out;
  out.print(
      "First eigenvector, from column %i in the echelon matrix, entries are displacements of "
      "nodes\n",
      free);
  out.print("\n");
  for (int i = 1; i <= n; ++i) out.print("%2i  %6.2lf\n", i, u[i]);
  out.print("\nPosition of Nodes, DOFs \n\n");
  AppendNodeListing(out, model, "Node");
  for (int k = 1; k <= ElementRows(model); ++k) PrintElementPole(out, s, k);
  out.print("Number of nodes = %i Number of elements = %i  Number of equations = %i\n\n",
            model.params.nodeCount, model.params.elementCount, model.params.equationCount);
  out.save(s.paths.plainFile("MATH_UKINEMATIC.TXT"));
}

}  // namespace

void AnalyseMechanism(Session& s, const StiffnessMatrix& stiffness) {
  CheckWorkspace work;
  AnalyseMechanism(s, stiffness, work);
}

void AnalyseMechanism(Session& s, const StiffnessMatrix& stiffness, CheckWorkspace& work) {
  StiffnessMatrix& k = work.scratch;
  k = stiffness;  // the assembled matrix stays untouched
  const PositionPaths& paths = s.paths;
  std::string& text = work.bytes;
  NumberedMatrixText(k, text);
  WriteFileAtomically(paths.plainFile("MATH_KMATRIX.TXT"), text);
  EliminateForward(k);
  AlignedMatrixText(k, text);
  WriteFileAtomically(paths.plainFile("MATH_TRIANGULAR.TXT"), text);
  ReduceBackward(k);
  const int zeros = CountZeroPivots(k);
  NormaliseRows(k);
  AlignedMatrixText(k, text);
  WriteFileAtomically(paths.plainFile("MATH_RREF.TXT"), text);
  if (zeros > 0 && k.size() <= kKinematicVectorRows) DescribeMechanism(s, k);
}

int ReduceToEchelon(StiffnessMatrix& k) {
  EliminateForward(k);
  ReduceBackward(k);
  const int zeros = CountZeroPivots(k);
  NormaliseRows(k);
  return zeros;
}

bool FindModeAndPoles(const ModelTables& model, StiffnessMatrix& k, CheckResults& check) {
  const int zeros = ReduceToEchelon(k);
  if (zeros == 0 || k.size() > kKinematicVectorRows) return false;
  SetMode(k, check);
  for (int e = 1; e <= ElementRows(model); ++e) UpdatePole(model, check, e);
  return true;
}

void WritePolesExtent(Session& s) {
  DrawingExtents extent = ElementExtents(s.model);
  for (int k = 1; k <= ElementRows(s.model); ++k)
    IncludePoint(extent, s.check.poleTable[k].x, s.check.poleTable[k].y);
  if (WriteExtentFile(s.paths, extent, "EXTENSIOPOLESR")) s.view.extents = extent;
}

}  // namespace rerore
