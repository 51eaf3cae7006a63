#include "view/core/graphical_input.h"

#include <algorithm>
#include <tuple>

#include "support/test_support.h"

namespace rerore {
namespace {

// A view of 1000 x 600 pixels showing 0..10 m by 0..5 m: 90 pixels a metre.
struct Drawing {
  test::TempDir dir;
  Session session;
  WorldMapping mapping{session.view};
  test::RecordingMessages messages;
  GraphicalInput input{session, mapping, messages};
  InputActions last;

  Drawing() {
    test::UsePosition(session, dir.path(), "P1");
    std::filesystem::create_directories(session.paths.positionDirectory);
    session.view.extents = {0, 0, 10, 5};
    paint();
  }
  void paint() {
    mapping.setDeviceArea(1000, 600, MappingTarget::Screen);
    mapping.fit(*mapping.paintRectangle(kTolerance), messages);
    input.afterPaint();
  }
  DevicePoint at(float x, float y) const { return mapping.toDevice(x, y); }
  void click(float x, float y) { last = input.leftButtonDown(at(x, y), {.left = true}); }
  void move(DevicePoint p) { last = input.mouseMove(p, {}); }
  void key(InputKey k, int64_t ms = 0) { last = input.keyDown(k, false, ms); }
  bool did(InputActionKind kind) const {
    return std::any_of(last.begin(), last.end(),
                       [&](const InputAction& a) { return a.kind == kind; });
  }
  // The name of the edit the last event reported; empty without one.
  std::string edit() const {
    for (const InputAction& a : last)
      if (a.kind == InputActionKind::ModelEdited) return a.text;
    return "";
  }
  const ElementRecord& element(int k) const { return session.model.elements[k]; }
  int elementCount() const { return session.model.params.elementCount; }
};

TEST(GraphicalInput, TheHundredAndFirstElementIsRefusedAndEndsTheChain) {
  Drawing d;
  // Apart from each other: every drawn element rebuilds the nodes.
  for (int k = 1; k < kMaxElements; ++k)
    test::AddElement(d.session.model, 20.0f + k, 0, 20.0f + k, 1);
  d.input.graphicalInputCommand();
  d.click(1, 1);
  d.click(2, 1);
  EXPECT_EQ(d.elementCount(), kMaxElements);
  d.click(3, 1);
  EXPECT_EQ(std::tuple(d.elementCount(), d.input.state().stage, d.messages.texts()),
            std::tuple(kMaxElements, ChainStage::NoStart,
                       std::vector<std::string>{"Error: Too many elements, max = 100"}));
}

// A drawn element has its nodes and files at once; a split in hinge mode is a named edit.
TEST(GraphicalInput, EveryDrawnElementRebuildsTheNodesAndASplitIsNamedAsAnEdit) {
  Drawing d;
  d.input.graphicalInputCommand();
  d.click(1, 1);
  d.click(3, 1);
  EXPECT_EQ(test::ReadFile(d.session.paths.file("NODES")).substr(0, 2), std::string("\2\0", 2));
  d.input.graphicalInputCommand();
  d.input.hingeCommand();
  d.click(2, 1);
  EXPECT_EQ(std::tuple(d.elementCount(), d.session.model.params.nodeCount, d.edit()),
            std::tuple(2, 3, "Split element 1"));
}

// Escape leaves a zoom first; after it the chain goes on from its start point.
TEST(EscapeKey, LeavesAZoomFirstAndTheChainResumesAtItsStartPoint) {
  Drawing d;
  d.input.graphicalInputCommand();
  d.click(2, 1);
  d.click(4, 1);
  ASSERT_TRUE(d.mapping.zoomByDrag(d.at(3, 0), d.at(6, 3)));
  d.paint();
  d.key(InputKey::Escape);
  EXPECT_EQ(std::tuple(d.mapping.zoomed(), d.input.state().mode),
            std::tuple(false, InputMode::Drawing));
  d.paint();
  d.move(d.at(4.2f, 1.2f));
  const DevicePoint rubber = d.input.state().rubberStart, start = d.at(4, 1);
  EXPECT_EQ(d.input.state().stage, ChainStage::Started);
  EXPECT_LE(std::max(std::abs(rubber.x - start.x), std::abs(rubber.y - start.y)), 1);
  d.click(4.4f, 1.0f);
  EXPECT_EQ(std::tuple(d.elementCount(), d.element(2).xa), std::tuple(2, 4.0f));
}

}  // namespace
}  // namespace rerore
