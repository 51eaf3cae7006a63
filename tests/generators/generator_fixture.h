// A position with the default material and section, and a snapshot of it.
#pragma once

#include <array>

#include "model/session.h"
#include "support/test_support.h"

namespace rerore::test {

template <class... T>
std::string Bytes(const T&... values) {
  std::string out;
  (out.append(reinterpret_cast<const char*>(&values), sizeof values), ...);
  return out;
}

// Model and generator tables, the extent and every file of the position.
inline std::string TakeSnapshot(const Session& s) {
  const ModelTables& m = s.model;
  std::string snap =
      Bytes(m.elements, m.nodes, m.supports, m.params, m.parabola.span, m.parabola.rise,
            m.parabola.elements, s.generators.spans, s.generators.floors, s.view.extents);
  for (const std::string& name : ListDirectory(s.paths.positionDirectory))
    snap += name + '\0' + ReadFile(s.paths.positionDirectory + name);
  return snap;
}

class GeneratorTest : public PositionTest {
 protected:
  using EndPoints = std::array<float, 4>;  // xa, ya, xb, yb

  void SetUp() override {
    PositionTest::SetUp();
    SetDefaultMaterial(session.model);
    SetDefaultCrossSection(session.model);
  }
  std::string File(const std::string& name) const { return ReadFile(session.paths.file(name)); }
  int16_t CountIn(const std::string& name) const { return At<int16_t>(File(name), 0); }
  EndPoints Ends(int k) const {
    const ElementRecord& e = session.model.elements[k];
    return {e.xa, e.ya, e.xb, e.yb};
  }
  // The only message shown since the last call, in a box titled "Error".
  void ExpectRefusal(const std::string& text) {
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: " + text});
    messages.messages.clear();
  }
};

}  // namespace rerore::test
