// A position with EA = 1.0e6, EI = 1.0e4 (rigid support 1.0e6); draw, support, check.
#pragma once

#include <array>

#include "check/assemble_and_check.h"
#include "check/element_stiffness.h"
#include "check/rebuild.h"
#include "check/structure_check.h"
#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore::test {

template <class T>
std::vector<T> ValuesOf(const std::string& bytes) {
  std::vector<T> values(bytes.size() / sizeof(T));
  if (!values.empty()) std::memcpy(values.data(), bytes.data(), values.size() * sizeof(T));
  return values;
}

class CheckFixture : public PositionTest {
 protected:
  void SetUp() override {
    PositionTest::SetUp();
    SetDefaultMaterial(model);
    SetDefaultCrossSection(model);
    model.materials[1].modulus = 1.0e4f;
    model.crossSections[1].area = 100.0f;
    model.crossSections[1].inertia = 1.0f;
    WriteCrossSectionsFile(session.paths, model);  // the rebuild takes the sections from CROSS
  }
  int Add(float xa, float ya, float xb, float yb, int16_t hingeLeft = 0, int16_t hingeRight = 0) {
    const int k = AddElement(model, xa, ya, xb, yb);
    model.elements[k].hingeLeft = hingeLeft;
    model.elements[k].hingeRight = hingeRight;
    return k;
  }
  void Support(int node, float u, float v, float phi) {
    model.nodes[node].supportU = u;
    model.nodes[node].supportV = v;
    model.nodes[node].supportPhi = phi;
  }
  // Elements {xa, ya, xb, yb, hinge left, right}, rebuilt; supports {node, u, v, phi}.
  void Frame(std::initializer_list<std::array<float, 6>> bars,
             std::initializer_list<std::array<float, 4>> held = {}) {
    for (const auto& b : bars) Add(b[0], b[1], b[2], b[3], int16_t(b[4]), int16_t(b[5]));
    Rebuild();
    for (const auto& h : held) Support(static_cast<int>(h[0]), h[1], h[2], h[3]);
  }
  void Rebuild() { RebuildModel(session, messages); }
  CheckOutcome Check() { return CheckStructure(session, messages); }
  int Equations() const { return model.params.equationCount; }
  const NodeRecord& Node(int j) const { return model.nodes[j]; }
  const ElementRecord& Element(int k) const { return model.elements[k]; }
  // The assembled matrix with supports, without the rest of the check.
  StiffnessMatrix Assembled() {
    StiffnessMatrix k(Equations());
    model.params.rigidStiffness = RigidStiffness(model);
    EXPECT_EQ(AssembleElements(model, k, messages), 1);
    AddSupportSprings(model, k);
    return k;
  }
  std::string File(const std::string& stem) const { return ReadFile(session.paths.file(stem)); }
  std::string Plain(const std::string& name) const {
    return ReadFile(session.paths.plainFile(name));
  }
  bool HasFile(const std::string& stem) const { return Exists(session.paths.file(stem)); }

  ModelTables& model = session.model;
};

}  // namespace rerore::test
