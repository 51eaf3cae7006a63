#include "check/rebuild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::ReadFile;

class RebuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UsePosition(session, dir.path(), "001");
    std::filesystem::create_directories(session.paths.positionDirectory);
    SetDefaultMaterial(model);
    SetDefaultCrossSection(model);
  }
  // Appends an element from (xa, ya) to (xb, yb) with the given hinges.
  int Add(float xa, float ya, float xb, float yb, int16_t hl = 0, int16_t hr = 0) {
    ElementRecord& e = model.elements[++model.params.elementCount];
    e = ElementRecord{};
    SetElementLeft(e, xa, ya);
    SetElementRight(e, xb, yb);
    e.hingeLeft = hl;
    e.hingeRight = hr;
    e.material = 1;
    e.crossSection = 1;
    return model.params.elementCount;
  }
  void Rebuild() { RebuildModel(session, messages); }
  const NodeRecord& Node(int j) const { return model.nodes[j]; }
  const ElementRecord& Element(int k) const { return model.elements[k]; }

  test::TempDir dir;
  Session session;
  ModelTables& model = session.model;
  test::RecordingMessages messages;
};

TEST_F(RebuildTest, EndsCloserThanFiveCentimetresShareANode) {
  Add(0.0f, 0.0f, 0.0f, 3.0f);
  Add(0.04f, 0.0f, 2.0f, 0.0f);  // 0.04 m from node 1: same node
  Add(0.05f, 3.0f, 2.0f, 3.0f);  // 0.05 m from node 2: a node of its own
  Rebuild();
  EXPECT_EQ(model.params.nodeCount, 5);
  EXPECT_EQ(Element(2).nodeLeft, 1);
  EXPECT_EQ(Element(3).nodeLeft, 4);
  EXPECT_EQ(Node(1).elementEnds, 2);
  EXPECT_EQ(Node(1).nodeElements[1], 1);
  EXPECT_EQ(Node(1).nodeElements[2], 2);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RebuildTest, NodesFollowTheOrderOfFirstAppearance) {
  Add(0.0f, 0.0f, 4.0f, 0.0f);
  Add(4.0f, 0.0f, 4.0f, 3.0f);  // drawn on from the end of the first
  Rebuild();
  ASSERT_EQ(model.params.nodeCount, 3);
  EXPECT_EQ(Node(2).x, 4.0f);
  EXPECT_EQ(Node(3).y, 3.0f);
  EXPECT_EQ(Node(3).z, -3.0f);
  for (int j = 1; j <= 3; ++j) EXPECT_EQ(Node(j).number, j);
  EXPECT_EQ(Node(2).endingElement, 1);
  EXPECT_EQ(Node(2).startingElement, 2);
  EXPECT_EQ(Node(1).endingElement, 0);
  EXPECT_EQ(model.params.equationCount, 9);
  EXPECT_EQ(model.params.equationCount2, 9);
}

TEST_F(RebuildTest, EmptyElementTableWritesEmptyFiles) {
  Rebuild();
  EXPECT_EQ(model.params.nodeCount, 0);
  EXPECT_EQ(model.params.equationCount, 0);
  EXPECT_EQ(ReadFile(session.paths.file("ELEMENTS")), std::string(2, '\0'));
  EXPECT_EQ(ReadFile(session.paths.file("NODES")), std::string(2, '\0'));
}

TEST_F(RebuildTest, SingleElementHasSixEquationsWithOrWithoutAHingeAtAFreeEnd) {
  Add(0.0f, 0.0f, 4.0f, 0.0f);
  Rebuild();
  ASSERT_EQ(model.params.equationCount, 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Element(1).endDofs[i], i + 1);

  model.elements[1].hingeLeft = 1;  // the only end at node 1, so it has the node's one rotation
  Rebuild();
  EXPECT_EQ(model.params.equationCount, 6);
  EXPECT_EQ(Node(1).rotationCount, 1);
  EXPECT_EQ(Element(1).endDofs[2], 3);
}

TEST_F(RebuildTest, HingedEndsGetRotationsOfTheirOwn) {
  // Two elements meeting at node 2, the first hinged there.
  Add(0.0f, 0.0f, 4.0f, 0.0f, 0, 1);
  Add(4.0f, 0.0f, 8.0f, 0.0f);
  Rebuild();
  const NodeRecord& middle = Node(2);
  EXPECT_EQ(middle.hingeCount, 1);
  EXPECT_EQ(middle.rotationCount, 2);
  EXPECT_EQ(middle.dofCount, 4);
  EXPECT_EQ(middle.dofU, 4);
  EXPECT_EQ(middle.dofPhi[1], 6);
  EXPECT_EQ(middle.dofPhi[2], 7);
  EXPECT_EQ(Element(1).endDofs[5], 6);  // the hinged end: the first rotation
  EXPECT_EQ(Element(2).endDofs[2], 7);  // the rigid end: the shared one
  EXPECT_EQ(Element(2).endDofs[0], 4);
  EXPECT_EQ(model.params.equationCount, 10);
  // Every rotation has its equation row, also the node's second one.
  EXPECT_EQ(model.dofs[7].node, 2);
  EXPECT_EQ(model.dofs[7].kind, kDofPhi);
  EXPECT_EQ(model.dofs[4].kind, kDofU);
  EXPECT_EQ(model.dofs[5].kind, kDofV);
}

TEST_F(RebuildTest, ThreeEndsWithMixedHingesAtOneNode) {
  // Node 2 of two hinged ends and one rigid end: three rotations.
  Add(0.0f, 0.0f, 4.0f, 0.0f, 0, 1);
  Add(4.0f, 0.0f, 8.0f, 0.0f, 1, 0);
  Add(4.0f, 0.0f, 4.0f, 3.0f);
  Rebuild();
  EXPECT_EQ(Node(2).hingeCount, 2);
  EXPECT_EQ(Node(2).rotationCount, 3);
  EXPECT_EQ(Node(2).dofCount, 5);
  EXPECT_EQ(Node(2).mixedHinges, 1);
  EXPECT_EQ(Element(1).endDofs[5], Node(2).dofPhi[1]);
  EXPECT_EQ(Element(2).endDofs[2], Node(2).dofPhi[2]);
  EXPECT_EQ(Element(3).endDofs[2], Node(2).dofPhi[3]);

  // All three hinged: no shared rotation and no mixture.
  model.elements[3].hingeLeft = 1;
  Rebuild();
  EXPECT_EQ(Node(2).rotationCount, 3);
  EXPECT_EQ(Node(2).mixedHinges, 0);
  // A hinge flag of 2 counts as rigid, but differs from the others' flags.
  model.elements[3].hingeLeft = 2;
  Rebuild();
  EXPECT_EQ(Node(2).hingeCount, 2);
  EXPECT_EQ(Node(2).mixedHinges, 1);
  // Two ends, one hinged: never mixed.
  model.params.elementCount = 2;
  model.elements[2].hingeLeft = 0;
  Rebuild();
  EXPECT_EQ(Node(2).mixedHinges, 0);
}

TEST_F(RebuildTest, ElementsOnTheSameNodeShareRotationsAsInTheListing) {
  // Node 4 is met by element 2 (hinged there) and by the rigid elements 5 and 7.
  Add(0.0f, 0.0f, 1.0f, 0.0f);
  Add(1.0f, 0.0f, 2.0f, 0.0f, 0, 1);  // 2: right end hinged at (2, 0)
  Add(5.0f, 5.0f, 6.0f, 5.0f);
  Add(7.0f, 7.0f, 8.0f, 7.0f);
  Add(2.0f, 0.0f, 2.0f, 2.0f);  // 5
  Add(9.0f, 9.0f, 9.0f, 8.0f);
  Add(3.0f, 0.0f, 2.0f, 0.0f);  // 7: right end at (2, 0)
  Rebuild();
  const int node = Element(2).nodeRight;
  EXPECT_EQ(Node(node).rotationCount, 2);
  EXPECT_EQ(Element(2).endDofs[5], Node(node).dofPhi[1]);
  EXPECT_EQ(Element(5).endDofs[2], Node(node).dofPhi[2]);
  EXPECT_EQ(Element(7).endDofs[5], Node(node).dofPhi[2]);
}

TEST_F(RebuildTest, SupportsStayWithTheNodeNumbers) {
  Add(0.0f, 0.0f, 0.0f, 3.0f);
  Add(0.0f, 3.0f, 5.0f, 3.0f);
  Rebuild();
  model.nodes[2].supportU = 1.0f;
  model.nodes[2].supportedU = 1;
  // Renumbering: a new first element puts other points first.
  std::swap(model.elements[1], model.elements[2]);
  Rebuild();
  EXPECT_EQ(Node(2).x, 5.0f);
  EXPECT_EQ(Node(2).supportU, 1.0f);
  EXPECT_EQ(Node(2).supportedU, 1);
}

TEST_F(RebuildTest, FilesHoldTheRebuiltTables) {
  Add(0.0f, 0.0f, 4.0f, 0.0f);
  model.elements[1].material = 0;
  model.elements[1].runTime[0] = 77;
  Rebuild();
  const std::string elements = ReadFile(session.paths.file("ELEMENTS"));
  ASSERT_EQ(elements.size(), 2u + 148);
  int16_t material = 0;
  std::memcpy(&material, elements.data() + 2 + 112, 2);
  EXPECT_EQ(material, 1);
  uint32_t runTime = 1;
  std::memcpy(&runTime, elements.data() + 2, 4);
  EXPECT_EQ(runTime, 0u);
  const std::string nodes = ReadFile(session.paths.file("NODES"));
  ASSERT_EQ(nodes.size(), 2u + 2 * 204);
  EXPECT_EQ(0, std::memcmp(nodes.data() + 2 + 204, &model.nodes[2], 204));
  // A missing CROSS file is created with the default section.
  EXPECT_EQ(ReadFile(session.paths.file("CROSS")).size(), 2u + 140);
}

TEST_F(RebuildTest, HingeToggleNearAnEndAndSplitInTheMiddle) {
  Add(0.0f, 0.0f, 4.0f, 0.0f);
  Rebuild();
  ToggleHingeOrSplit(session, messages, 1, 0.15f, 0.05f);
  EXPECT_EQ(Element(1).hingeLeft, 1);
  ToggleHingeOrSplit(session, messages, 1, 3.9f, 0.0f);
  EXPECT_EQ(Element(1).hingeRight, 1);
  ToggleHingeOrSplit(session, messages, 1, 0.1f, 0.0f);
  EXPECT_EQ(Element(1).hingeLeft, 0);

  ToggleHingeOrSplit(session, messages, 1, 2.0f, 0.0f);
  ASSERT_EQ(model.params.elementCount, 2);
  EXPECT_EQ(Element(1).length, 2.0f);
  EXPECT_EQ(Element(2).length, 2.0f);
  EXPECT_EQ(Element(2).xa, 2.0f);
  EXPECT_EQ(Element(2).xb, 4.0f);
  EXPECT_EQ(Element(1).hingeRight, 0);  // the split point is rigid
  EXPECT_EQ(Element(2).hingeRight, 1);  // the old right end keeps its hinge
  EXPECT_EQ(model.params.nodeCount, 3);
  int16_t count = 0;
  std::memcpy(&count, ReadFile(session.paths.file("ELEMENTS")).data(), 2);
  EXPECT_EQ(count, 2);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RebuildTest, SplitOfAFullTableIsRefused) {
  for (int k = 0; k < kMaxElements; ++k) Add(k * 1.0f, 0.0f, k * 1.0f + 1.0f, 0.0f);
  Rebuild();
  const ElementRecord before = Element(50);
  ToggleHingeOrSplit(session, messages, 50, 49.5f, 0.0f);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Too many elements, max = 100");
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_EQ(model.params.elementCount, 100);
  EXPECT_EQ(0, std::memcmp(&before, &Element(50), sizeof before));
}

TEST_F(RebuildTest, FullNodeTableAndTooManyEndsNeverOverrunTheTables) {
  // 100 separate elements make 200 nodes: the table is full but fits.
  for (int k = 0; k < kMaxElements; ++k) Add(k * 1.0f, 0.0f, k * 1.0f, 1.0f);
  Rebuild();
  EXPECT_EQ(model.params.nodeCount, 200);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(ModelLimitMessage(model), "");
  // A hundred elements cannot have more than 200 ends, so only a damaged
  // model can hold an end without its node: the check must refuse it.
  model.elements[100].nodeRight = 0;
  EXPECT_EQ(ModelLimitMessage(model), "Too many nodes, max = 200");

  // Twelve elements around one node.
  model.params.elementCount = 0;
  messages.messages.clear();
  for (int k = 0; k < 12; ++k) Add(0.0f, 0.0f, 1.0f + k, 2.0f);
  Rebuild();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Too many elements at node 1, max = 10");
  EXPECT_EQ(Node(1).elementEnds, 10);
  EXPECT_EQ(ModelLimitMessage(model), "Too many elements at node 1, max = 10");
}

TEST_F(RebuildTest, BeamVariantSupportsTheGroundNodesAndListsTheModel) {
  Add(0.0f, 0.0f, 4.0f, 0.0f);
  Add(4.0f, 0.0f, 7.5f, 0.0f);
  Add(7.5f, 0.0f, 12.3f, 0.0f);
  for (int k = 1; k <= 3; ++k) ComputeElementGeometry(model.elements[k], true, session.pi);
  RebuildBeamModel(session, messages);
  ASSERT_EQ(model.params.nodeCount, 4);
  ASSERT_EQ(model.params.supportCount, 4);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(model.supports[i].node, i);
    EXPECT_EQ(model.supports[i].givenU, 1);
    EXPECT_EQ(model.supports[i].givenV, 1);
    EXPECT_EQ(model.supports[i].givenPhi, 0);
    EXPECT_EQ(model.supports[i].factorU, 1.0f);
    EXPECT_EQ(model.supports[i].factorV, 1.0f);
    EXPECT_EQ(Node(i).supportU, 1.0f);
  }
  EXPECT_EQ(ReadFile(session.paths.file("LKNOTENR")).size(), 2u + 4 * 32);
  const std::string listing = ReadFile(session.paths.plainFile("ELEMENTSNODES.TXT"));
  const std::string expectedStart =
      "Nodes 1  x = 0.00 y = -0.00 zElements = 1 dofsphi = 1 dofstotal = 3\r\n"
      "DofU = 1\r\nDofV = 2\r\nDofPhi = 3\r\nElement 1\r\n\r\n"
      "Nodes 2  x = 4.00 y = -0.00 zElements = 2 dofsphi = 1 dofstotal = 3\r\n"
      "DofU = 4\r\nDofV = 5\r\nDofPhi = 6\r\nElement 1\r\nElement 2\r\n\r\n";
  EXPECT_EQ(listing.substr(0, expectedStart.size()), expectedStart);
  const std::string element2 =
      "\r\nElement 2  Node L = 2  Node R = 3  tx = 1.00  ty = 0.00  nx = -0.00  ny = 1.00\r\n"
      "Left  dof u = 4 dof v = 5 dof phi = 6 \r\n"
      "Right dof u = 7 dof v = 8 dof phi = 9 \r\n\r\n";
  EXPECT_NE(listing.find(element2), std::string::npos);
  const std::string last =
      "Number of nodes = 4 Number of elements = 3  Number of equations = 12\r\n\r\n";
  ASSERT_GE(listing.size(), last.size());
  EXPECT_EQ(listing.substr(listing.size() - last.size()), last);
}

TEST_F(RebuildTest, ModelExtentRecomputesGeometryAndWritesTheExtentFile) {
  Add(-2.0f, 1.0f, 3.0f, 6.0f);
  WriteModelExtent(session);
  EXPECT_FLOAT_EQ(Element(1).length, std::sqrt(50.0f));
  EXPECT_EQ(session.view.extents.xmin, -2.0f);
  EXPECT_EQ(session.view.extents.ymax, 6.0f);
  EXPECT_EQ(ReadFile(session.paths.file("EXTENSIOR")).size(), 16u);
}

}  // namespace
}  // namespace rerore
