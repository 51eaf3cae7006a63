#include <gtest/gtest.h>

#include <cstring>

#include "model/position_files.h"
#include "support/test_support.h"
#include "tables/core/material_table.h"
#include "tables/core/section_table.h"

namespace rerore {
namespace {

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override { test::UsePosition(session, data.path(), "001"); }
  std::string file(const std::string& name) const { return session.paths.file(name); }

  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
};

CellTable Materials(std::initializer_list<std::pair<const char*, const char*>> rows,
                    int tableRows = kMaterialTableRows) {
  CellTable cells(tableRows, kMaterialTableColumns);
  int row = 1;
  for (const auto& [number, modulus] : rows) {
    cells.at(row, kMaterialNumberColumn) = number;
    cells.at(row, kMaterialModulusColumn) = modulus;
    ++row;
  }
  return cells;
}

using MaterialTable = TableTest;

TEST_F(MaterialTable, AcceptedRowsBecomeMaterialsAndTheFile) {
  OpenMaterialTable(session);
  ASSERT_TRUE(
      AcceptMaterialTable(session, Materials({{"C30/37", "2.830E+07"}, {"2", "2.1E8"}}), messages));
  const ModelTables& model = session.model;
  EXPECT_EQ(model.params.materialCount, 2);
  EXPECT_EQ(model.materials[1].number, 0);  // a class designation is no number
  EXPECT_EQ(model.materials[2].number, 2);
  EXPECT_FLOAT_EQ(model.materials[2].modulus, 2.1e8f);
  EXPECT_EQ(model.params.defaultModulus, 28300000.0);

  const std::string bytes = test::ReadFile(file("MATR"));
  ASSERT_EQ(bytes.size(), 2 + 2 * sizeof(MaterialRecord));
  EXPECT_EQ(bytes[0], 2);
  float modulus = 0;
  std::memcpy(&modulus, bytes.data() + 2 + sizeof(MaterialRecord) + 84, sizeof modulus);
  EXPECT_FLOAT_EQ(modulus, 2.1e8f);

  // Reopened, the designation shows as its number 0 and the modulus stays.
  Session again;
  test::UsePosition(again, data.path(), "001");
  OpenMaterialTable(again);
  CellTable shown(kMaterialTableRows, kMaterialTableColumns);
  FillMaterialTable(again.model, shown);
  EXPECT_EQ(shown.at(1, 1), "0");
  EXPECT_EQ(shown.at(1, 2), "2.830E+07");
  EXPECT_EQ(shown.at(2, 2), "2.100E+08");
  EXPECT_TRUE(shown.empty(3, 1));
}

TEST_F(MaterialTable, LastRowWithoutModulusKeepsItsNumberButDoesNotCount) {
  OpenMaterialTable(session);
  ASSERT_TRUE(AcceptMaterialTable(session, Materials({{"1", "3E7"}, {"7", ""}}), messages));
  EXPECT_EQ(session.model.params.materialCount, 1);
  EXPECT_EQ(session.model.materials[2].number, 7);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MaterialTable, FilledRowAfterAnIncompleteOneIsRefusedWithoutChanges) {
  OpenMaterialTable(session);
  const ModelTables before = session.model;
  EXPECT_FALSE(
      AcceptMaterialTable(session, Materials({{"1", "3E7"}, {"2", ""}, {"3", "2E8"}}), messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Row 2 is incomplete");
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_FALSE(test::Exists(file("MATR")));
  EXPECT_EQ(std::memcmp(&before.params, &session.model.params, sizeof before.params), 0);
  EXPECT_EQ(session.model.materials[2].number, before.materials[2].number);
}

TEST_F(MaterialTable, RowsBeyondTheTwentyMaterialsAreRefused) {
  CellTable cells(kMaterialTableRows + 1, kMaterialTableColumns);
  for (int row = 1; row < cells.rows(); ++row) {
    cells.at(row, 1) = std::to_string(row);
    cells.at(row, 2) = "3E7";
  }
  EXPECT_FALSE(AcceptMaterialTable(session, cells, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Too many materials, max = 20");
  EXPECT_FALSE(test::Exists(file("MATR")));
}

TEST_F(MaterialTable, OpeningWithoutDataShowsTheDefaultMaterial) {
  session.model.params.materialCount = 0;
  OpenMaterialTable(session);
  CellTable shown(kMaterialTableRows, kMaterialTableColumns);
  FillMaterialTable(session.model, shown);
  EXPECT_EQ(shown.at(1, 1), "1");
  EXPECT_EQ(shown.at(1, 2), "2.670E+07");
  EXPECT_TRUE(shown.empty(2, 1));
}

using SectionTable = TableTest;

TEST_F(SectionTable, DefaultSectionOnAPositionWithoutSections) {
  session.model.params.crossSectionCount = 0;
  OpenSectionTable(session);
  CellTable shown(kSectionTableRows, kSectionTableColumns);
  FillSectionTable(session.model, shown);
  EXPECT_EQ(shown.at(1, 1), "0.200");
  EXPECT_EQ(shown.at(1, 2), "0.400");
  EXPECT_EQ(shown.at(1, 3), "8.000E-02");
  EXPECT_EQ(shown.at(1, 4), "1.067E-03");
  EXPECT_TRUE(shown.empty(2, 1));
}

TEST_F(SectionTable, OnlyRowsWithAllFourValuesCount) {
  OpenSectionTable(session);
  CellTable cells(kSectionTableRows, kSectionTableColumns);
  const char* rows[][4] = {{"0.2", "0.4", "8E-2", "1.067E-3"}, {"0.3", "0.5", "", ""}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 4; ++c) cells.at(r + 1, c + 1) = rows[r][c];
  ASSERT_TRUE(AcceptSectionTable(session, cells, messages));
  const ModelTables& model = session.model;
  EXPECT_EQ(model.params.crossSectionCount, 1);
  EXPECT_FLOAT_EQ(model.crossSections[2].height, 0.5f);  // read, but not counted
  EXPECT_EQ(model.crossSections[50].number, 50);
  const std::string bytes = test::ReadFile(file("CROSS"));
  ASSERT_EQ(bytes.size(), 2 + sizeof(CrossSectionRecord));
  float area = 0;
  std::memcpy(&area, bytes.data() + 2 + 100, sizeof area);
  EXPECT_FLOAT_EQ(area, 0.08f);
}

TEST_F(SectionTable, GapBeforeAFilledRowIsRefused) {
  CellTable cells(kSectionTableRows, kSectionTableColumns);
  cells.at(3, 1) = "0.2";
  EXPECT_FALSE(AcceptSectionTable(session, cells, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Row 1 is incomplete");
  EXPECT_FALSE(test::Exists(file("CROSS")));
}

}  // namespace
}  // namespace rerore
