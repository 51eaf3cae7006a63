#include "tables/core/element_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/position_files.h"
#include "support/test_support.h"
#include "tables/core/element_editor.h"
#include "tables/core/material_table.h"

namespace rerore {
namespace {

class ElementTable : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UsePosition(session, data.path(), "001");
    std::filesystem::create_directories(session.paths.positionDirectory);
  }
  CellTable Rows(std::initializer_list<const char*> rows, int tableRows = kElementTableRows) {
    CellTable cells(tableRows, kElementTableColumns);
    int row = 1;
    for (const char* text : rows) {
      int column = 1;
      for (const char* start = text; *start != '\0' && column < kElementTableColumns; ++column) {
        const char* end = std::strchr(start, ' ');
        const size_t length = end ? static_cast<size_t>(end - start) : std::strlen(start);
        cells.at(row, column) = std::string(start, length) == "-" ? "" : std::string(start, length);
        start += length + (end ? 1 : 0);
      }
      ++row;
    }
    return cells;
  }
  std::string file(const std::string& name) const { return session.paths.file(name); }

  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
};

TEST_F(ElementTable, OneRowGivesOneElementBetweenTwoNodes) {
  session.check.checkResult = 4;
  ASSERT_TRUE(AcceptElementTable(session, Rows({"0 0 5 0 1 1 1 1 0 0"}), messages));
  const ModelTables& model = session.model;
  ASSERT_EQ(model.params.elementCount, 1);
  EXPECT_FLOAT_EQ(model.elements[1].length, 5.0f);
  EXPECT_EQ(model.params.nodeCount, 2);
  EXPECT_EQ(model.params.geometryEntered, 1);
  EXPECT_EQ(model.params.inputState4, 1);
  EXPECT_EQ(model.params.inputState52, 1);
  EXPECT_EQ(session.check.checkResult, 0);
  const std::string geometry = test::ReadFile(file("GEOMETRY"));
  ASSERT_EQ(geometry.size(), 4u);
  int32_t value = 0;
  std::memcpy(&value, geometry.data(), 4);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(test::ReadFile(file("ELEMENTS")).size(), 2 + sizeof(ElementRecord));
  DrawingExtents extents{};
  ASSERT_TRUE(ReadExtentFile(session.paths, extents));
  EXPECT_FLOAT_EQ(extents.xmax, 5.0f);
  EXPECT_FLOAT_EQ(extents.ymin, 0.0f);
  EXPECT_TRUE(messages.messages.empty());

  CellTable shown(kElementTableRows, kElementTableColumns);
  FillElementTable(model, shown);
  std::string row;
  for (int c = 1; c <= 10; ++c) row += shown.at(1, c) + " ";
  EXPECT_EQ(row, "0.00 0.00 5.00 0.00 1 1 1 1 0 0 ");
}

TEST_F(ElementTable, EmptyTableLeavesTheEmptyDrawing) {
  ASSERT_TRUE(AcceptElementTable(session, Rows({}), messages));
  EXPECT_EQ(session.model.params.elementCount, 0);
  const DrawingExtents& e = session.view.extents;
  EXPECT_EQ(e.xmin, -3.0f);
  EXPECT_EQ(e.ymin, -2.0f);
  EXPECT_EQ(e.xmax, 47.0f);
  EXPECT_EQ(e.ymax, 28.0f);
  EXPECT_FALSE(session.view.autoScale);
  EXPECT_EQ(session.view.unitsPerMetre, 100);
  EXPECT_TRUE(test::Exists(file("GEOMETRY")));
}

TEST_F(ElementTable, IncompleteLastRowIsKeptButNotCounted) {
  ASSERT_TRUE(AcceptElementTable(session, Rows({"0 0 4 0 1 1 1 1 0 0", "4 0 4 3"}), messages));
  EXPECT_EQ(session.model.params.elementCount, 1);
  EXPECT_FLOAT_EQ(session.model.elements[2].yb, 3.0f);
  EXPECT_FLOAT_EQ(session.model.elements[2].zb, -3.0f);
}

TEST_F(ElementTable, FilledRowAfterAnIncompleteOneIsRefusedWithoutChanges) {
  const CellTable cells = Rows({"0 0 4 0 1 1 1 1 0 0", "4 0 4 3", "4 3 0 3 1 1 1 1 0 0"});
  EXPECT_FALSE(AcceptElementTable(session, cells, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Row 2 is incomplete");
  EXPECT_EQ(session.model.params.elementCount, 0);
  EXPECT_FALSE(test::Exists(file("ELEMENTS")));
  EXPECT_FALSE(test::Exists(file("GEOMETRY")));
}

TEST_F(ElementTable, MoreRowsThanElementsAreRefusedAndTheExtentIsNotWritten) {
  CellTable cells(kElementTableRows + 1, kElementTableColumns);
  for (int r = 1; r < cells.rows(); ++r)
    for (int c = 1; c <= 10; ++c) cells.at(r, c) = c == 3 ? std::to_string(r) : "1";
  EXPECT_TRUE(AcceptElementTable(session, cells, messages));
  ASSERT_FALSE(messages.messages.empty());
  EXPECT_EQ(messages.messages[0].text, "Too many elements 101, max = 100");
  EXPECT_EQ(session.model.params.elementCount, 100);
  EXPECT_FALSE(test::Exists(file("EXTENSIOR")));
}

TEST_F(ElementTable, UntouchedCoordinatesKeepTheirFullPrecision) {
  ModelTables& model = session.model;
  model.params.elementCount = 1;
  SetElementLeft(model.elements[1], 0.0f, 0.0f);
  SetElementRight(model.elements[1], 9.807853f, 1.950903f);
  CellTable shown(kElementTableRows, kElementTableColumns);
  FillElementTable(model, shown);
  ASSERT_TRUE(AcceptElementTable(session, shown, messages));
  EXPECT_EQ(model.elements[1].xb, 9.807853f);
  shown.at(1, 3) = "9.5";
  ASSERT_TRUE(AcceptElementTable(session, shown, messages));
  EXPECT_EQ(model.elements[1].xb, 9.5f);
}

TEST_F(ElementTable, RearrangeTurnsElementsPointingLeft) {
  ASSERT_TRUE(AcceptElementTable(
      session, Rows({"5 0 0 0 1 1 1 1 1 0", "0 5 0 0 1 1 1 1 0 0", "2 1 2.000001 1 1 1 1 1 0 0"}),
      messages));
  RearrangeElements(session.model, session.pi);
  const ElementRecord& turned = session.model.elements[1];
  EXPECT_EQ(turned.xa, 0.0f);
  EXPECT_EQ(turned.xb, 5.0f);
  EXPECT_FLOAT_EQ(turned.dx, 5.0f);
  EXPECT_EQ(turned.hingeLeft, 1);  // the flags stay in their fields
  const ElementRecord& vertical = session.model.elements[2];
  EXPECT_EQ(vertical.ya, 5.0f);
  EXPECT_EQ(vertical.za, -5.0f);
  EXPECT_EQ(vertical.yb, 0.0f);
}

TEST_F(ElementTable, DeletingElementTwoOfThreeRenumbersTheThird) {
  ASSERT_TRUE(AcceptElementTable(
      session, Rows({"0 0 0 3 1 1 1 1 0 0", "0 3 4 3 1 1 1 1 0 0", "4 3 4 0 1 2 1 1 0 0"}),
      messages));
  ASSERT_EQ(session.model.params.nodeCount, 4);
  DeleteElement(session, messages, 2);
  const ModelTables& model = session.model;
  ASSERT_EQ(model.params.elementCount, 2);
  EXPECT_EQ(model.elements[2].xa, 4.0f);
  EXPECT_EQ(model.elements[2].crossSection, 2);
  EXPECT_EQ(model.params.nodeCount, 4);
  ASSERT_TRUE(ReadElementsFile(session.paths, session.model));
  EXPECT_EQ(session.model.params.elementCount, 2);
}

TEST_F(ElementTable, EditorStoresNumbersAndFlagsWithTheirStiffness) {
  session.model.params.materialCount = 2;
  session.model.materials[2].modulus = 2.0e8f;
  session.model.params.crossSectionCount = 1;
  session.model.crossSections[1].area = 0.5f;
  WriteCrossSectionsFile(session.paths, session.model);  // the rebuild reads the sections
  ASSERT_TRUE(AcceptElementTable(session, Rows({"0 0 5 0 1 1 1 1 0 0"}), messages));
  ElementEdit edit = ElementEditOf(session.model.elements[1]);
  EXPECT_TRUE(edit.tension);
  edit.material = 2;
  edit.tension = false;
  edit.hingeRight = true;
  ApplyElementEdit(session.model, 1, edit);
  const ElementRecord& e = session.model.elements[1];
  EXPECT_EQ(e.material, 2);
  EXPECT_EQ(e.tension, 0);
  EXPECT_EQ(e.hingeRight, 1);
  EXPECT_FLOAT_EQ(e.ea, 1.0e8f);
}

}  // namespace
}  // namespace rerore
