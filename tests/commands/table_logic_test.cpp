// Concrete classes, the default modulus, and OK of the four tables.
#include <sstream>
#include <tuple>

#include "commands/concrete_modulus.h"
#include "commands/default_modulus.h"
#include "commands/element_table.h"
#include "commands/material_table.h"
#include "commands/node_table.h"
#include "commands/section_table.h"
#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

TEST(ConcreteModulus, CurrentAndOldClassesInBothTables) {
  // Text, second table, last class before, modulus (0: none), last class after.
  const std::tuple<const char*, bool, int, float, int> cases[] = {
      {"c30/37", false, 0, 28300000.0f, 2},
      {"C30/37", true, 0, 33000000.0f, 2},
      {"C100/115", false, 0, 45200000.0f, 12},
      // An unknown class keeps the class used last; 100 is not in the second table.
      {"C12", false, 2, 28300000.0f, 2},
      {"C100", true, 2, 33000000.0f, 2},
      // Old classes and bare numbers leave the last class alone.
      {"B10", false, 5, 22000000.0f, 5},
      {"25", false, 5, 30000000.0f, 5},
      {"45/55", false, 5, 37000000.0f, 5},
      {"C", false, 3, 0.0f, 3},
  };
  for (auto [text, second, last, modulus, lastAfter] : cases) {
    EXPECT_EQ(ConcreteModulus(text, second, last).value_or(0.0f), modulus) << text;
    EXPECT_EQ(last, lastAfter) << text;
  }
}

// The materials' input state chooses the modulus unless one is set (offsets of PARAMR).
TEST(DefaultModulus, FollowsTheMaterialsInputAndKeepsAModulusAlreadySet) {
  const auto at = [](ModelParameters& p, size_t offset, bool word32 = false) {
    const std::string bytes(reinterpret_cast<const char*>(p.bytes()), sizeof p);
    return word32 ? test::At<int32_t>(bytes, offset) : int{test::At<int16_t>(bytes, offset)};
  };
  for (uint8_t flag : {0, 1}) {
    ModelParameters p{};
    p.materialInputState = 1;
    p.modulusTableFlag = flag;
    std::memset(p.bytes() + 110, 0x7F, 2);  // at 108 a 32-bit word over two 16-bit fields
    ApplyDefaultModulus(p);
    EXPECT_EQ(std::tuple(p.defaultModulus, at(p, 108, true), at(p, 68), at(p, 112)),
              std::tuple(flag != 0 ? 3.0e7 : 2.49e7, 20, -1, 0));
  }
  ModelParameters plain{}, set{};
  ApplyDefaultModulus(plain);
  EXPECT_EQ(std::tuple(plain.defaultModulus, at(plain, 68), at(plain, 108), at(plain, 112)),
            std::tuple(3.0e7, 25, -1, 1));
  set.defaultModulus = 2.67e7;
  set.displayState68 = 3;
  ApplyDefaultModulus(set);
  EXPECT_EQ(std::tuple(set.defaultModulus, set.displayState68, set.defaultModulusSet),
            std::tuple(2.67e7, 3, 0));
}

class TableLogic : public test::PositionTest {
 protected:
  // The default material and section that start-up gives a fresh position.
  void SetUp() override {
    PositionTest::SetUp();
    SetDefaultMaterial(session.model);
    SetDefaultCrossSection(session.model);
  }
  // The materials (M), sections (S), elements (E) or nodes (N) table: rows of
  // space-separated cells from column 1 on; "-" is an empty cell.
  static CellTable Cells(char table, std::initializer_list<const char*> texts) {
    const auto [rows, columns] = table == 'M' ? std::pair(kMaterialTableRows, kMaterialTableColumns)
                                 : table == 'S' ? std::pair(kSectionTableRows, kSectionTableColumns)
                                 : table == 'E' ? std::pair(kElementTableRows, kElementTableColumns)
                                                : std::pair(kNodeTableRows, kNodeTableColumns);
    CellTable cells(rows, columns);
    int row = 1;
    for (const char* text : texts) {
      std::istringstream in(text);
      std::string word;
      for (int column = 1; column < columns && in >> word; ++column)
        cells.at(row, column) = word == "-" ? "" : word;
      ++row;
    }
    return cells;
  }
  // Three nodes 2.5 m apart in NODES, shown as the dialog shows them.
  CellTable ThreeNodes() {
    session.model.params.nodeCount = 3;
    for (int i = 1; i <= 3; ++i) {
      session.model.nodes[i].number = static_cast<int16_t>(i);
      session.model.nodes[i].x = 2.5f * static_cast<float>(i - 1);
    }
    WriteNodesFile(session.paths, session.model);
    return ShownNodes();
  }
  CellTable ShownNodes() {
    OpenNodeTable(session);
    CellTable cells(kNodeTableRows, kNodeTableColumns);
    FillNodeTable(session.model, cells);
    return cells;
  }
  // The factors "u v phi" of rows 1, 2, 3.
  static void SetFactors(CellTable& cells, std::initializer_list<const char*> rows) {
    int row = 1;
    for (const char* factors : rows) {
      std::istringstream in(factors);
      for (int column = kNodeUColumn; column <= kNodePhiColumn; ++column)
        in >> cells.at(row, column);
      ++row;
    }
  }
  std::string file(const std::string& name) const { return session.paths.file(name); }
  bool Accept(char table, std::initializer_list<const char*> texts) {  // the table's OK
    const CellTable cells = Cells(table, texts);
    return table == 'M'   ? AcceptMaterialTable(session, cells, messages)
           : table == 'S' ? AcceptSectionTable(session, cells, messages)
           : table == 'E' ? AcceptElementTable(session, cells, messages)
                          : AcceptNodeTable(session, cells, messages);
  }
};

// Incomplete rows and meaningless values are refused; model and files unchanged.
TEST_F(TableLogic, MeaninglessValuesAreRefusedNamingTheirRow) {
  const struct {
    char table;  // Materials, Sections, Elements, Nodes
    std::initializer_list<const char*> texts;
    const char* message;
  } cases[] = {
      {'M', {"1 3E7", "2", "3 2E8"}, "Row 2 is incomplete"},
      {'S', {"-", "-", "0.2"}, "Row 1 is empty"},  // left out altogether
      {'E', {"0 0 4 0 1 1 1 1 0 0", "4 0 4 3", "4 3 0 3 1 1 1 1 0 0"}, "Row 2 is incomplete"},
      {'M', {"1 3E7", "2 -2.1E8"}, "Row 2: the modulus must be positive"},
      {'M', {"1 0"}, "Row 1: the modulus must be positive"},
      {'M', {"1 -5E99"}, "The number -5E99 is too large"},
      {'S', {"0.2 0.4 -0.15 1E-3"}, "Row 1: the section values must be positive"},
      {'S', {"0.2 0.4 8E-2 1E-3", "0 .4 1 1"}, "Row 2: the section values must be positive"},
      {'S', {"0.2 0.4 8E-2 3.0E+50"}, "The number 3.0E+50 is too large"},
      {'E', {"0 0 4 0 1 1 1 1 0 0", "4 0 8 0 2 1 1 1 0 0"}, "Row 2: material 2 does not exist"},
      {'E', {"0 0 4 0 1 0 1 1 0 0"}, "Row 1: cross section 0 does not exist"},
      {'E', {"0 0 1E39 0 1 1 1 1 0 0"}, "The number 1E39 is too large"},
      // Each end fits a float, the length between them does not.
      {'E', {"-3E38 0 3.1E38 0 1 1 1 1 0 0"}, "The number 3.1E38 is too large"},
      {'N', {"0 0 1 1 1", "4 0 0 1E40 0"}, "The number 1E40 is too large"},
  };
  const ModelTables before = session.model;
  for (const auto& c : cases) {
    messages.messages.clear();
    EXPECT_FALSE(Accept(c.table, c.texts)) << c.message;
    EXPECT_EQ(messages.texts(), std::vector<std::string>{std::string("Error: ") + c.message});
  }
  EXPECT_EQ(std::memcmp(&before, &session.model, sizeof before), 0);
  for (const char* name : {"MATR", "CROSS", "ELEMENTS", "NODES", "LKNOTENR", "GEOMETRY"})
    EXPECT_FALSE(test::Exists(file(name))) << name;
}

TEST_F(TableLogic, CompleteMaterialAndSectionRowsBecomeTheFiles) {
  OpenMaterialTable(session);
  // A last row without modulus keeps its number but does not count.
  ASSERT_TRUE(Accept('M', {"C30/37 2.830E+07", "2 2.1E8", "7"}));
  const ModelTables& model = session.model;
  // A class designation is no number.
  EXPECT_EQ((std::vector<int>{model.params.materialCount, model.materials[1].number,
                              model.materials[2].number, model.materials[3].number}),
            (std::vector<int>{2, 0, 2, 7}));
  EXPECT_TRUE(model.params.defaultModulus == 28300000.0 && messages.messages.empty());
  EXPECT_EQ(test::ReadFile(file("MATR")).size(), 2 + 2 * sizeof(MaterialRecord));
  // Only section rows with all four values count; the others are read.
  OpenSectionTable(session);
  ASSERT_TRUE(Accept('S', {"0.2 0.4 8E-2 1.067E-3", "0.3 0.5"}));
  EXPECT_EQ(std::tuple(model.params.crossSectionCount, model.crossSections[2].height,
                       test::ReadFile(file("CROSS")).size()),
            std::tuple(1, 0.5f, 2 + sizeof(CrossSectionRecord)));
}

TEST_F(TableLogic, RowsBeyondTheCapacityAreRefused) {
  CellTable materials(kMaterialTableRows + 1, kMaterialTableColumns);
  for (int row = 1; row < materials.rows(); ++row) {
    materials.at(row, 1) = std::to_string(row);
    materials.at(row, 2) = "3E7";
  }
  EXPECT_FALSE(AcceptMaterialTable(session, materials, messages));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: Too many materials, max = 20"});
  EXPECT_FALSE(test::Exists(file("MATR")));

  // Elements beyond 100 are dropped with a message, and the extent is not written.
  CellTable elements(kElementTableRows + 1, kElementTableColumns);
  for (int r = 1; r < elements.rows(); ++r)
    for (int c = 1; c <= 10; ++c) elements.at(r, c) = c == 3 ? std::to_string(r) : "1";
  EXPECT_TRUE(AcceptElementTable(session, elements, messages));
  ASSERT_GE(messages.messages.size(), 2u);
  EXPECT_EQ(std::tuple(messages.messages[1].text, session.model.params.elementCount,
                       test::Exists(file("EXTENSIOR"))),
            std::tuple("Too many elements 101, max = 100", 100, false));
}

TEST_F(TableLogic, OneElementRowGivesTwoNodesAndTheGeometryFiles) {
  session.check.outcome = CheckOutcome::mechanismAt(4);
  // An incomplete last row is kept but not counted.
  ASSERT_TRUE(Accept('E', {"0 0 5 0 1 1 1 1 0 0", "5 0 5 3"}));
  const ModelTables& model = session.model;
  ASSERT_EQ(model.params.elementCount, 1);
  EXPECT_EQ(std::tuple(model.elements[1].length, model.elements[2].zb), std::tuple(5.0f, -3.0f));
  EXPECT_EQ((std::vector<int>{model.params.nodeCount, model.params.geometryEntered,
                              model.params.inputState4, model.params.inputState52}),
            (std::vector<int>{2, 1, 1, 1}));
  EXPECT_FALSE(session.check.outcome);  // the mechanism is no longer shown
  EXPECT_EQ(test::ReadFile(file("GEOMETRY")), test::kGeometryZero);  // only Store writes 1
  EXPECT_EQ(test::ReadFile(file("ELEMENTS")).size(), 2 + sizeof(ElementRecord));
  DrawingExtents extents{};
  EXPECT_TRUE(ReadExtentFile(session.paths, extents) && extents.xmax == 5.0f);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TableLogic, UntouchedCoordinatesKeepTheirFullPrecision) {
  ModelTables& model = session.model;
  CellTable nodes = ThreeNodes();
  model.nodes[2].x = 2.504321f;
  WriteNodesFile(session.paths, model);
  ASSERT_TRUE(AcceptNodeTable(session, nodes, messages));
  EXPECT_EQ(std::tuple(model.nodes[2].x, model.nodes[2].z), std::tuple(2.504321f, -0.0f));

  test::AddElement(model, 0.0f, 0.0f, 9.807853f, 1.950903f);
  CellTable shown(kElementTableRows, kElementTableColumns);
  FillElementTable(model, shown);
  ASSERT_TRUE(AcceptElementTable(session, shown, messages));
  EXPECT_EQ(model.elements[1].xb, 9.807853f);
  shown.at(1, 3) = "9.5";
  ASSERT_TRUE(AcceptElementTable(session, shown, messages));
  EXPECT_EQ(model.elements[1].xb, 9.5f);
}

TEST_F(TableLogic, NodeFactorsBecomeSupportRowsAfreshOnEachOk) {
  CellTable cells = ThreeNodes();
  SetFactors(cells, {"1 1 0", "0 1 0"});
  cells.at(3, 3) = "-0.5";
  ASSERT_TRUE(AcceptNodeTable(session, cells, messages));
  const ModelTables& model = session.model;
  ASSERT_EQ(std::tuple(model.params.nodeCount, model.params.supportCount), std::tuple(3, 3));
  const SupportRecord &second = model.supports[2], &third = model.supports[3];
  EXPECT_EQ(std::tuple(second.node, second.givenU, second.givenV, second.givenPhi),
            std::tuple(2, 0, 1, 0));
  // The sign goes.
  EXPECT_EQ(std::tuple(third.node, third.factorU, model.nodes[3].supportedU),
            std::tuple(3, 0.5f, 1));
  EXPECT_EQ(test::ReadFile(file("LKNOTENR")).size(), 2 + 3 * sizeof(SupportRecord));

  // All factors 0 make no support; no row stays from the former OK.
  cells = ShownNodes();
  SetFactors(cells, {"0 0 0", "1 0 0", "0 0 0"});
  ASSERT_TRUE(AcceptNodeTable(session, cells, messages));
  ASSERT_EQ(model.params.supportCount, 1);
  EXPECT_EQ(std::tuple(model.supports[1].node, model.supports[1].givenU, model.supports[1].givenV),
            std::tuple(2, 1, 0));
  EXPECT_EQ(std::tuple(model.nodes[2].supportedV, model.nodes[3].supportedU), std::tuple(0, 0));
}

TEST_F(TableLogic, MoreSupportedNodesThanSupportRowsAreRefused) {
  ModelTables& model = session.model;
  model.params.nodeCount = kMaxSupports + 1;
  for (int i = 1; i <= kMaxSupports + 1; ++i) model.nodes[i].supportV = 1.0f;
  WriteNodesFile(session.paths, model);
  CellTable cells = ShownNodes();
  const std::string before = test::ReadFile(file("NODES"));
  EXPECT_FALSE(AcceptNodeTable(session, cells, messages));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: Too many supports, max = 100"});
  EXPECT_TRUE(test::ReadFile(file("NODES")) == before && !test::Exists(file("LKNOTENR")));
  cells.at(kMaxSupports + 1, 4) = "0";  // one support fewer is accepted
  EXPECT_TRUE(AcceptNodeTable(session, cells, messages));
  EXPECT_EQ(model.params.supportCount, kMaxSupports);
}

}  // namespace
}  // namespace rerore
