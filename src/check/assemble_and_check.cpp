#include "check/assemble_and_check.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "check/element_stiffness.h"
#include "check/mechanism.h"
#include "model/file_io.h"

namespace rerore {

namespace {

void AddSpring(StiffnessMatrix& stiffness, int dof, float factor, float rigid) {
  if (dof < 1 || dof > stiffness.size()) return;
  const float spring = factor * rigid;
  stiffness(dof, dof) += spring;
}

void WriteSupportStiffness(const PositionPaths& paths, float rigid) {
  TextOut out;
  out.print("Support stiffness = %.3E", static_cast<double>(rigid));
  out.save(paths.plainFile("DEFSUP.TXT"));
}

// The restoring force when every node moves by 1 along u (or v): element
// stiffness gives nothing for a rigid translation, so this is in effect the
// sum of the springs acting in that direction. Only the columns of the
// moved unknowns contribute (the others are multiplied by 0), so the sum
// runs over them alone, in the same ascending order.
float TranslationResistance(const ModelTables& model, const StiffnessMatrix& stiffness,
                            bool vertical) {
  const int n = stiffness.size();
  std::vector<int> moved;
  for (int j = 1; j <= NodeRows(model); ++j) {
    const int dof = vertical ? model.nodes[j].dofV : model.nodes[j].dofU;
    if (dof >= 1 && dof <= n) moved.push_back(dof);
  }
  std::sort(moved.begin(), moved.end());
  moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
  constexpr double kUnitMove = 1.0;
  float sum = 0.0f;
  for (int i = 1; i <= n; ++i) {
    const double* row = stiffness.row(i);
    double r = 0.0;
    for (const int j : moved) r += row[j] * kUnitMove;
    sum = static_cast<float>(std::fabs(r) + sum);
  }
  return sum;
}

}  // namespace

void AddSupportSprings(const ModelTables& model, StiffnessMatrix& stiffness) {
  const float rigid = model.params.rigidStiffness;
  for (int j = 1; j <= NodeRows(model); ++j) {
    const NodeRecord& node = model.nodes[j];
    AddSpring(stiffness, node.dofU, node.supportU, rigid);
    AddSpring(stiffness, node.dofV, node.supportV, rigid);
    AddSpring(stiffness, node.dofPhi[1], node.supportPhi, rigid);
  }
}

int AssembleAndCheck(Session& s, StiffnessMatrix& stiffness, UserMessages& messages) {
  CheckWorkspace work;
  return AssembleAndCheck(s, stiffness, messages, work);
}

int AssembleWithSupports(ModelTables& model, StiffnessMatrix& stiffness, UserMessages& messages) {
  stiffness.setZero();
  model.params.rigidStiffness = RigidStiffness(model);
  if (AddElements(model, stiffness, messages) == 0) return 0;
  AddSupportSprings(model, stiffness);
  if (!stiffness.allFinite()) {
    messages.message(kNotFiniteMatrixText, "Error");
    return 0;
  }
  return 1;
}

StabilityWarnings TestStability(const ModelTables& model, const StiffnessMatrix& stiffness) {
  StabilityWarnings warnings;
  warnings.rollsSideways = TranslationResistance(model, stiffness, false) < kStabilityMinimum;
  warnings.notAnchored = TranslationResistance(model, stiffness, true) < kStabilityMinimum;
  return warnings;
}

int AssembleAndCheck(Session& s, StiffnessMatrix& stiffness, UserMessages& messages,
                     CheckWorkspace& work) {
  ModelTables& model = s.model;
  const int assembled = AssembleWithSupports(model, stiffness, messages);
  WriteSupportStiffness(s.paths, model.params.rigidStiffness);
  if (assembled == 0) return 0;
  AnalyseMechanism(s, stiffness, work);
  const StabilityWarnings warnings = TestStability(model, stiffness);
  if (warnings.rollsSideways) messages.message("Frame can roll sideways!", "Error");
  if (warnings.notAnchored) messages.message("Frame is not anchored at the ground!", "Error");
  return 1;
}

}  // namespace rerore
