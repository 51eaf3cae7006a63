#include "tables/core/node_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

class NodeTable : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UsePosition(session, data.path(), "001");
    EnsureDirectory();
    ModelTables& model = session.model;
    model.params.nodeCount = 3;
    for (int i = 1; i <= 3; ++i) {
      model.nodes[i].number = static_cast<int16_t>(i);
      model.nodes[i].x = 2.5f * static_cast<float>(i - 1);
      model.nodes[i].y = 0.0f;
    }
    WriteNodesFile(session.paths, model);
  }
  void EnsureDirectory() { std::filesystem::create_directories(session.paths.positionDirectory); }
  // The table as the dialog shows it, with the given factors in row `row`.
  CellTable Shown(int row, const std::string& u, const std::string& v, const std::string& phi) {
    OpenNodeTable(session);
    CellTable cells(kNodeTableRows, kNodeTableColumns);
    FillNodeTable(session.model, cells);
    cells.at(row, 3) = u;
    cells.at(row, 4) = v;
    cells.at(row, 5) = phi;
    return cells;
  }

  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
};

TEST_F(NodeTable, BaseStiffnessAndTheFactorForATargetValue) {
  ModelTables& model = session.model;
  model.params.materialCount = 2;
  model.materials[1].modulus = 2.1e8f;
  model.materials[2].modulus = 3.0e7f;
  WriteMaterialsFile(session.paths, model);
  model.materials[1].modulus = 1.0f;  // the file wins over memory
  model.params.crossSectionCount = 2;
  model.crossSections[1].area = 0.08f;
  model.crossSections[2].area = 0.12f;
  OpenNodeTable(session);
  EXPECT_EQ(Format("%.4E", model.params.rigidStiffness), "2.5200E+07");
  EXPECT_EQ(Format("%.5lf", *SupportFactorFor(1.0e6f, model.params.rigidStiffness)), "0.03968");
  EXPECT_FALSE(SupportFactorFor(1.0e6f, 0.0f));
}

TEST_F(NodeTable, FactorsBecomeSupportRowsInNodeOrder) {
  CellTable cells = Shown(1, "1", "1", "0");
  cells.at(2, 3) = "0";
  cells.at(2, 4) = "1";
  cells.at(2, 5) = "0";
  cells.at(3, 3) = "-0.5";
  ASSERT_TRUE(AcceptNodeTable(session, cells, messages));
  const ModelTables& model = session.model;
  EXPECT_EQ(model.params.nodeCount, 3);
  ASSERT_EQ(model.params.supportCount, 3);
  const SupportRecord& second = model.supports[2];
  EXPECT_EQ(second.node, 2);
  EXPECT_EQ(second.givenU, 0);
  EXPECT_EQ(second.givenV, 1);
  EXPECT_EQ(second.givenPhi, 0);
  EXPECT_EQ(model.supports[3].node, 3);
  EXPECT_FLOAT_EQ(model.supports[3].factorU, 0.5f);
  EXPECT_FLOAT_EQ(model.nodes[3].supportU, 0.5f);
  EXPECT_EQ(model.nodes[3].supportedU, 1);

  const std::string bytes = test::ReadFile(session.paths.file("LKNOTENR"));
  ASSERT_EQ(bytes.size(), 2 + 3 * sizeof(SupportRecord));
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[2 + sizeof(SupportRecord) + 29], 1);  // givenV of node 2
}

TEST_F(NodeTable, RowWithAllFactorsZeroMakesNoSupport) {
  CellTable cells = Shown(1, "0", "0", "0");
  ASSERT_TRUE(AcceptNodeTable(session, cells, messages));
  EXPECT_EQ(session.model.params.supportCount, 0);
  EXPECT_EQ(session.model.nodes[1].supportedV, 0);
}

TEST_F(NodeTable, SecondOkRebuildsTheSupportRowsFromScratch) {
  ASSERT_TRUE(AcceptNodeTable(session, Shown(3, "1", "1", "0"), messages));
  ASSERT_EQ(session.model.params.supportCount, 1);
  ASSERT_TRUE(AcceptNodeTable(session, Shown(3, "1", "0", "0"), messages));
  ASSERT_EQ(session.model.params.supportCount, 1);
  EXPECT_EQ(session.model.supports[1].node, 3);
  EXPECT_EQ(session.model.supports[1].givenU, 1);
  EXPECT_EQ(session.model.supports[1].givenV, 0);
  EXPECT_EQ(session.model.nodes[3].supportedV, 0);
}

TEST_F(NodeTable, EmptyYEndsTheRowAfterCountingTheNode) {
  CellTable cells = Shown(2, "1", "1", "1");
  cells.at(2, 2) = "";
  session.model.nodes[2].y = 7.0f;
  ASSERT_TRUE(AcceptNodeTable(session, cells, messages));
  EXPECT_EQ(session.model.params.nodeCount, 3);
  EXPECT_EQ(session.model.params.supportCount, 0);
  EXPECT_EQ(session.model.nodes[2].y, 7.0f);
}

TEST_F(NodeTable, UntouchedCoordinatesKeepTheirFullPrecision) {
  session.model.nodes[2].x = 2.504321f;
  WriteNodesFile(session.paths, session.model);
  ASSERT_TRUE(AcceptNodeTable(session, Shown(1, "1", "1", "1"), messages));
  EXPECT_EQ(session.model.nodes[2].x, 2.504321f);
  EXPECT_EQ(session.model.nodes[2].z, -0.0f);
}

TEST_F(NodeTable, MoreSupportedNodesThanSupportRowsAreRefused) {
  ModelTables& model = session.model;
  model.params.nodeCount = kMaxSupports + 1;
  for (int i = 1; i <= kMaxSupports + 1; ++i) model.nodes[i].supportV = 1.0f;
  WriteNodesFile(session.paths, model);
  OpenNodeTable(session);
  CellTable cells(kNodeTableRows, kNodeTableColumns);
  FillNodeTable(model, cells);
  const std::string before = test::ReadFile(session.paths.file("NODES"));
  EXPECT_FALSE(AcceptNodeTable(session, cells, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Too many supports, max = 100");
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_EQ(test::ReadFile(session.paths.file("NODES")), before);
  EXPECT_FALSE(test::Exists(session.paths.file("LKNOTENR")));
  // One support fewer is accepted.
  cells.at(kMaxSupports + 1, 4) = "0";
  EXPECT_TRUE(AcceptNodeTable(session, cells, messages));
  EXPECT_EQ(model.params.supportCount, kMaxSupports);
}

}  // namespace
}  // namespace rerore
