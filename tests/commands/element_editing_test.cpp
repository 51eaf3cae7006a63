// The hinge command (toggle near an end, split elsewhere) and the delete.
#include "commands/element_editing.h"

#include "check/rebuild.h"
#include "support/test_support.h"

namespace rerore {
namespace {

struct HingeCommand : test::PositionTest {
  const ElementRecord& Element(int k) const { return session.model.elements[k]; }
  void Hinge(int k, float x, float y) { ToggleHingeOrSplit(session, messages, k, x, y); }
};

TEST_F(HingeCommand, TogglesAHingeNearAnEndAndSplitsInTheMiddle) {
  test::AddElement(session.model, 0.0f, 0.0f, 4.0f, 0.0f);
  RebuildModel(session, messages);
  Hinge(1, 0.15f, 0.05f);
  EXPECT_EQ(Element(1).hingeLeft, 1);
  Hinge(1, 3.9f, 0.0f);
  Hinge(1, 0.1f, 0.0f);
  EXPECT_EQ(std::tuple(Element(1).hingeLeft, Element(1).hingeRight), std::tuple(0, 1));
  Hinge(1, 2.0f, 0.0f);  // the split point is rigid, the old right end keeps its hinge
  ASSERT_EQ(session.model.params.elementCount, 2);
  EXPECT_EQ(std::vector<float>({Element(1).length, Element(2).xa, Element(2).xb,
                                float(Element(1).hingeRight), float(Element(2).hingeRight)}),
            std::vector<float>({2.0f, 2.0f, 4.0f, 0, 1}));
  EXPECT_EQ(std::tuple(session.model.params.nodeCount,
                       test::At<int16_t>(test::ReadFile(session.paths.file("ELEMENTS")), 0)),
            std::tuple(3, 2));
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HingeCommand, ASplitOfAFullElementTableIsRefused) {
  for (int k = 0; k < kMaxElements; ++k) test::AddElement(session.model, k * 1.0f, 0, k * 1.0f, 1);
  RebuildModel(session, messages);
  const ElementRecord before = Element(50);
  Hinge(50, 49.0f, 0.5f);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: Too many elements, max = 100"});
  EXPECT_EQ(session.model.params.elementCount, 100);
  EXPECT_EQ(0, std::memcmp(&before, &Element(50), sizeof before));
}

TEST_F(HingeCommand, DeletingAnElementDropsTheSupportsOfItsLostNodes) {
  ModelTables& model = session.model;
  for (int k = 0; k < 3; ++k) test::AddElement(model, k * 4.0f, 0, k * 4.0f + 4, 0);
  RebuildModel(session, messages);
  model.params.supportCount = 2;
  model.supports[1].node = 1;
  model.supports[2].node = 4;  // the far end of element 3
  DeleteElement(session, messages, 3);
  ASSERT_EQ(model.params.nodeCount, 3);
  ASSERT_EQ(model.params.supportCount, 1);
  EXPECT_EQ(model.supports[1].node, 1);
  EXPECT_EQ(test::At<int16_t>(test::ReadFile(session.paths.file("LKNOTENR")), 0), 1);
}

}  // namespace
}  // namespace rerore
