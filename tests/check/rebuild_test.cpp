#include "check/rebuild.h"

#include <cmath>
#include <tuple>

#include "check_fixture.h"

namespace rerore {
namespace {

using RebuildTest = test::CheckFixture;
using Ints = std::vector<int>;

TEST_F(RebuildTest, NodesInOrderOfFirstAppearanceEndsCloserThanFiveCentimetresShareOne) {
  // 0.04 m from node 1: the same node; 0.05 m from node 2: a node of its own.
  Frame({{0, 0, 0, 3}, {0.04f, 0, 2, 0}, {0.05f, 3, 2, 3}});
  ASSERT_EQ(model.params.nodeCount, 5);
  EXPECT_EQ((Ints{Node(5).number, Element(2).nodeLeft, Element(3).nodeLeft}), (Ints{5, 1, 4}));
  EXPECT_EQ(std::vector<float>({Node(2).y, Node(2).z, Node(3).x}),
            std::vector<float>({3.0f, -3.0f, 2.0f}));
  // Node 1's list; its starting element is the last one that starts there.
  EXPECT_EQ((Ints{Node(1).elementEnds, Node(1).nodeElements[2], Node(1).startingElement,
                  Node(1).endingElement, Node(2).endingElement}),
            (Ints{2, 2, 2, 0, 1}));
  EXPECT_EQ((Ints{model.params.equationCount, model.params.equationCount2,
                  int(messages.messages.size())}),
            (Ints{15, 15, 0}));
}

TEST_F(RebuildTest, HingedEndsTakeRotationsOfTheirOwnRigidEndsShareTheLast) {
  auto counts = [this] {  // hinges, rotations, equations and mixedHinges of node 2
    const NodeRecord& n = Node(2);
    return Ints{n.hingeCount, n.rotationCount, n.dofCount, n.mixedHinges};
  };
  Frame({{0, 0, 4, 0, 1, 1}});  // an end alone at its node: one rotation, hinged or not
  ASSERT_EQ(model.params.equationCount, 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Element(1).endDofs[i], i + 1);

  Frame({{4, 0, 8, 0}});  // node 2: the hinged end of 1 and the rigid end of 2
  EXPECT_EQ(counts(), (Ints{1, 2, 4, 0}));
  EXPECT_EQ(model.params.equationCount, 10);
  // u and v of node 2, the hinged end's own rotation, then the shared one.
  EXPECT_EQ((Ints{Element(2).endDofs[0], Element(2).endDofs[1], Element(1).endDofs[5],
                  Element(2).endDofs[2]}),
            (Ints{4, 5, 6, 7}));
  // Every equation has its row, the second rotation too.
  EXPECT_EQ((Ints{model.dofs[4].kind, model.dofs[5].kind, model.dofs[7].kind, model.dofs[7].node}),
            (Ints{kDofU, kDofV, kDofPhi, 2}));

  model.elements[2].hingeLeft = 1;  // two hinged ends and a rigid one
  Frame({{4, 0, 4, 3}});
  EXPECT_EQ(counts(), (Ints{2, 3, 5, 1}));
  EXPECT_EQ((Ints{Element(1).endDofs[5], Element(2).endDofs[2], Element(3).endDofs[2]}),
            (Ints{Node(2).dofPhi[1], Node(2).dofPhi[2], Node(2).dofPhi[3]}));
  model.elements[3].hingeLeft = 1;  // all hinged: no shared rotation and no mixture
  Rebuild();
  EXPECT_EQ(counts(), (Ints{3, 3, 5, 0}));
  model.elements[3].hingeLeft = 2;  // counts as rigid, but differs from the others' flags
  Rebuild();
  EXPECT_EQ(counts(), (Ints{2, 3, 5, 1}));
  model.params.elementCount = 2;  // two ends, one hinged: never mixed
  model.elements[2].hingeLeft = 0;
  Rebuild();
  EXPECT_EQ(counts(), (Ints{1, 2, 4, 0}));
}

TEST_F(RebuildTest, TwoRigidEndsOfLaterElementsShareTheSecondRotation) {
  // The node at (2, 0) is met by element 2 (hinged there) and the rigid elements 5 and 7.
  Frame({{0, 0, 1, 0},
         {1, 0, 2, 0, 0, 1},
         {5, 5, 6, 5},
         {7, 7, 8, 7},
         {2, 0, 2, 2},
         {9, 9, 9, 8},
         {3, 0, 2, 0}});
  const NodeRecord& node = Node(Element(2).nodeRight);
  EXPECT_EQ((Ints{node.rotationCount, Element(2).endDofs[5], Element(5).endDofs[2],
                  Element(7).endDofs[5]}),
            (Ints{2, node.dofPhi[1], node.dofPhi[2], node.dofPhi[2]}));
}

TEST_F(RebuildTest, SupportsStayWithTheNodeNumbersWhenThePointsAreRenumbered) {
  Frame({{0, 0, 0, 3}, {0, 3, 5, 3}}, {{2, 1, 0, 0}});
  model.nodes[2].supportedU = 1;
  std::swap(model.elements[1], model.elements[2]);
  Rebuild();
  EXPECT_EQ(std::tuple(Node(2).x, Node(2).supportU, Node(2).supportedU), std::tuple(5.0f, 1.0f, 1));
}

TEST_F(RebuildTest, FilesHoldTheRebuiltTablesAndAMissingCrossFileIsCreated) {
  Add(0.0f, 0.0f, 4.0f, 0.0f);
  model.elements[1].material = 0;
  model.elements[1].runTime[0] = 77;
  std::filesystem::remove(session.paths.file("CROSS"));
  Rebuild();
  const std::string elements = File("ELEMENTS");
  ASSERT_EQ(elements.size(), 2u + 148);
  EXPECT_EQ(test::At<int16_t>(elements, 2 + 112), 1);  // material 0 is written as 1
  EXPECT_EQ(test::At<uint32_t>(elements, 2), 0u);      // run-time words zeroed
  const std::string nodes = File("NODES");
  ASSERT_EQ(nodes.size(), 2u + 2 * 204);
  EXPECT_EQ(0, std::memcmp(nodes.data() + 2 + 204, &model.nodes[2], 204));
  EXPECT_EQ(File("CROSS").size(), 2u + 140);
  EXPECT_EQ(model.crossSections[1].area, 0.08f);  // the default section
}

TEST_F(RebuildTest, FullTablesFitAndOverfullOnesAreReported) {
  // 100 separate elements make 200 nodes: the table is full but fits.
  for (int k = 0; k < kMaxElements; ++k) Add(k * 1.0f, 0.0f, k * 1.0f, 1.0f);
  Rebuild();
  EXPECT_EQ(model.params.nodeCount, 200);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(ModelLimitMessage(model), "");
  // Only a damaged model can hold an end without its node: the check must refuse it.
  model.elements[100].nodeRight = 0;
  EXPECT_EQ(ModelLimitMessage(model), "Too many nodes, max = 200");

  model.params.elementCount = 0;  // twelve elements around one node
  for (int k = 0; k < 12; ++k) Add(0.0f, 0.0f, 1.0f + k, 2.0f);
  Rebuild();
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Error: Too many elements at node 1, max = 10"});
  EXPECT_EQ(Node(1).elementEnds, 10);
}

TEST_F(RebuildTest, BeamVariantSupportsTheGroundNodesAndListsTheModel) {
  for (const auto& [xa, xb] : {std::pair{0.0f, 4.0f}, {4.0f, 7.5f}, {7.5f, 12.3f}})
    Add(xa, 0, xb, 0);
  for (int k = 1; k <= 3; ++k) ComputeElementGeometry(model.elements[k], true);
  RebuildBeamModel(session, messages);
  ASSERT_EQ(model.params.supportCount, 4);  // one on every node
  const SupportRecord& s4 = model.supports[4];
  EXPECT_EQ(std::tuple(s4.node, s4.givenU + s4.givenV, s4.givenPhi, s4.factorU + s4.factorV,
                       Node(4).supportV),
            std::tuple(4, 2, 0, 2.0f, 1.0f));
  const std::string listing = Plain("ELEMENTSNODES.TXT");
  EXPECT_TRUE(
      listing.starts_with("Nodes 1  x = 0.00 y = -0.00 zElements = 1 dofsphi = 1 dofstotal = 3\r\n"
                          "DofU = 1\r\nDofV = 2\r\nDofPhi = 3\r\nElement 1\r\n\r\n"
                          "Nodes 2  x = 4.00 y = -0.00 zElements = 2 dofsphi = 1 dofstotal = 3\r\n"
                          "DofU = 4\r\nDofV = 5\r\nDofPhi = 6\r\nElement 1\r\nElement 2\r\n\r\n"))
      << listing;
  EXPECT_NE(listing.find("\r\nElement 2  Node L = 2  Node R = 3  tx = 1.00  ty = 0.00  nx = -0.00  "
                         "ny = 1.00\r\nLeft  dof u = 4 dof v = 5 dof phi = 6 \r\n"
                         "Right dof u = 7 dof v = 8 dof phi = 9 \r\n\r\n"),
            std::string::npos);
  EXPECT_TRUE(listing.ends_with(
      "Number of nodes = 4 Number of elements = 3  Number of equations = 12\r\n\r\n"));
}

}  // namespace
}  // namespace rerore
