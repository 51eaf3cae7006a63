#include "check/equation_names.h"

#include <algorithm>

#include "model/user_messages.h"

namespace rerore {

namespace {

bool IsHinged(int16_t flag) { return flag == 1; }

// The hinged element end at `node` whose own rotation is `equation`, if any.
void FindHingedEnd(const ModelTables& model, int node, int equation, EquationMeaning& meaning) {
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    if (e.nodeLeft == node && IsHinged(e.hingeLeft) && e.endDofs[2] == equation) {
      meaning.element = k;
      meaning.leftEnd = true;
      return;
    }
    if (e.nodeRight == node && IsHinged(e.hingeRight) && e.endDofs[5] == equation) {
      meaning.element = k;
      meaning.leftEnd = false;
      return;
    }
  }
}

bool IsRotationOf(const NodeRecord& n, int equation) {
  const int rotations = std::clamp<int>(n.rotationCount, 0, kMaxRotationsPerNode);
  for (int r = 1; r <= rotations; ++r)
    if (n.dofPhi[r] == equation) return true;
  return false;
}

}  // namespace

EquationMeaning MeaningOfEquation(const ModelTables& model, int equation) {
  EquationMeaning meaning;
  if (equation < 1) return meaning;
  for (int j = 1; j <= NodeRows(model); ++j) {
    const NodeRecord& n = model.nodes[j];
    if (n.dofU == equation || n.dofV == equation) {
      meaning.node = j;
      meaning.kind = n.dofU == equation ? kDofU : kDofV;
      return meaning;
    }
    if (IsRotationOf(n, equation)) {
      meaning.node = j;
      meaning.kind = kDofPhi;
      if (n.hingeCount > 0) FindHingedEnd(model, j, equation, meaning);
      return meaning;
    }
  }
  return meaning;
}

std::string DescribeUnknown(const EquationMeaning& meaning) {
  if (!meaning.known()) return {};
  switch (meaning.kind) {
    case kDofU:
      return Format("the horizontal displacement u of node %i", meaning.node);
    case kDofV:
      return Format("the vertical displacement v of node %i", meaning.node);
    case kDofPhi:
      break;
  }
  if (meaning.element == 0) return Format("the rotation of node %i", meaning.node);
  return Format("the rotation of the %s end of element %i at node %i",
                meaning.leftEnd ? "left" : "right", meaning.element, meaning.node);
}

std::string ShortMotion(const ModelTables& model, int equation) {
  const EquationMeaning meaning = MeaningOfEquation(model, equation);
  if (!meaning.known()) return Format("equation %i is free", equation);
  switch (meaning.kind) {
    case kDofU:
      return Format("node %i can move in u", meaning.node);
    case kDofV:
      return Format("node %i can move in v", meaning.node);
    case kDofPhi:
      break;
  }
  if (meaning.element == 0) return Format("node %i can rotate", meaning.node);
  return Format("the %s end of element %i can rotate at node %i",
                meaning.leftEnd ? "left" : "right", meaning.element, meaning.node);
}

std::string SingularityExplanation(const ModelTables& model, int equation) {
  const std::string unknown = DescribeUnknown(MeaningOfEquation(model, equation));
  if (unknown.empty()) return {};
  return Format("Equation %i is %s: the frame can move there.", equation, unknown.c_str());
}

}  // namespace rerore
