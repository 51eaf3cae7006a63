// Frames from DXF fixtures (ezdxf via make_fixtures.py, by hand, own export).
#include "dxf/dxf_import.h"

#include <tuple>

#include "check/rebuild.h"
#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

std::string Fixture(const std::string& name) {
  return std::string(RERORE_SOURCE_DIR) + "/tests/dxf/fixtures/" + name;
}

DxfDrawing ReadFixture(const std::string& name) {
  const std::optional<DxfDrawing> drawing = ReadDxfDrawing(Fixture(name));
  EXPECT_TRUE(drawing.has_value()) << name;
  return drawing.value_or(DxfDrawing{});
}

DxfImportPlan Plan(const DxfDrawing& drawing, const std::string& layer, bool moveToOrigin = true,
                   DrawingUnit unit = DrawingUnit::Metre) {
  return PlanDxfImport(drawing, {layer, unit, moveToOrigin}, ImportMode::Replace, ModelTables{});
}

using Ends = std::vector<std::vector<float>>;

template <class Element>
Ends EndsOf(const Element* begin, const Element* end) {
  Ends ends;
  for (const Element* e = begin; e != end; ++e) ends.push_back({e->xa, e->ya, e->xb, e->yb});
  return ends;
}
Ends EndsOf(const DxfImportPlan& p) {
  return EndsOf(p.elements.data(), p.elements.data() + p.elements.size());
}
Ends EndsOf(const ModelTables& m) {
  return EndsOf(&m.elements[1], &m.elements[1] + ElementRows(m));
}

// A drawing made in the test: one layer "A" with these segments.
DxfDrawing DrawingOf(const std::vector<DrawingSegment>& segments) {
  DxfDrawing drawing;
  drawing.layers.push_back({"A", static_cast<int>(segments.size()), {}});
  drawing.segments = segments;
  return drawing;
}

TEST(DxfDrawing, PortalInMillimetresOnItsLayerBesideHatchAndText) {
  const DxfDrawing drawing = ReadFixture("portal-mm.dxf");
  EXPECT_EQ(drawing.unit, DrawingUnit::Millimetre);
  // The unit the user would choose counts only for drawings that name none.
  const DxfImportPlan plan = Plan(drawing, "system", true, DrawingUnit::Centimetre);
  EXPECT_EQ(plan.refusal, "");
  EXPECT_EQ(EndsOf(plan), (Ends{{0, 0, 0, 4}, {0, 4, 6, 4}, {6, 4, 6, 0}}));
  EXPECT_TRUE(plan.skipped.empty());
  EXPECT_EQ(ImportSummary(plan), "3 elements from 3 segments (mm, the drawing's unit)");
  EXPECT_EQ(EndsOf(Plan(drawing, "SYSTEM", false)),
            (Ends{{10, 5, 10, 9}, {10, 9, 16, 9}, {16, 9, 16, 5}}));
  // Every layer: the walls' closed outline too, the rest counted as skipped.
  const DxfImportPlan all = Plan(drawing, "");
  EXPECT_EQ(all.elements.size(), 7u);
  EXPECT_EQ(all.skipped, (std::map<std::string, int>{{"ARC", 1}, {"HATCH", 1}, {"TEXT", 1}}));
  EXPECT_EQ(Plan(drawing, "HATCH").refusal, "No lines on layer HATCH");
  EXPECT_EQ(Plan(drawing, "ROOF").refusal, "No lines on layer ROOF");
}

TEST(DxfDrawing, ClosedOpenMirroredAndCurvedPolylines) {
  const DxfDrawing drawing = ReadFixture("closed-polylines.dxf");
  EXPECT_FALSE(drawing.unit.has_value());
  EXPECT_EQ(EndsOf(Plan(drawing, "FRAME")),
            (Ends{{0, 0, 4, 0}, {4, 0, 4, 3}, {4, 3, 0, 3}, {0, 3, 0, 0}}));
  // an old POLYLINE
  EXPECT_EQ(EndsOf(Plan(drawing, "TRUSS", false)),
            (Ends{{10, 0, 14, 0}, {14, 0, 12, 2}, {12, 2, 10, 0}}));
  // Seen from below, the polyline's own x runs against the drawing's x.
  EXPECT_EQ(EndsOf(Plan(drawing, "MIRRORED", false)), (Ends{{30, 0, 32, 0}, {32, 0, 32, 1}}));
  const DxfImportPlan curved = Plan(drawing, "CURVED", false);
  EXPECT_EQ(EndsOf(curved), (Ends{{20, 0, 22, 0}, {24, 0, 24, 2}}));
  EXPECT_EQ(curved.skipped, (std::map<std::string, int>{{"arc segment", 1}}));
}

TEST(DxfDrawing, EndsCloserThanTheNodeToleranceMergeFartherOnesStay) {
  const DxfDrawing drawing = ReadFixture("near-ends.dxf");
  const DxfImportPlan plan = Plan(drawing, "", false);
  // Ends 0.03 m apart merge, 0.08 m apart stay.
  EXPECT_EQ(EndsOf(plan), (Ends{{0, 0, 0, 3}, {0, 3, 4, 3}, {4.08f, 3, 4.08f, 0}}));
  EXPECT_EQ(ImportSummary(plan),
            "3 elements from 5 segments (m, the drawing's unit); 1 end merged; 1 segment of zero "
            "length left out; 1 duplicate segment left out");
}

// One written by hand (no header, no tables), one by the program's own export.
TEST(DxfDrawing, DrawingsOfOtherWriters) {
  const DxfDrawing byHand = ReadFixture("hand-written-r12.dxf");
  EXPECT_FALSE(byHand.unit.has_value());
  const DxfImportPlan plan = Plan(byHand, "0");
  EXPECT_EQ(EndsOf(plan), (Ends{{0, 0, 0, 3.5f}, {0, 3.5f, 5, 3.5f}, {5, 3.5f, 5, 0}}));
  EXPECT_EQ(plan.skipped, (std::map<std::string, int>{{"CIRCLE", 1}}));

  const DxfDrawing exported = ReadFixture("hinged-portal-export.dxf");
  EXPECT_EQ(exported.unit, DrawingUnit::Metre);
  EXPECT_EQ(
      std::tuple(exported.layers.size(), exported.layers[0].name, exported.layers[0].segments),
      std::tuple(6u, "ELEMENTS", 3));
  EXPECT_EQ(EndsOf(Plan(exported, "")), (Ends{{0, 0, 0, 4}, {0, 4, 6, 4}, {6, 4, 6, 0}}));
  EXPECT_EQ(Plan(exported, "").skipped,
            (std::map<std::string, int>{{"CIRCLE", 2}, {"INSERT", 4}, {"TEXT", 7}}));
}

TEST(DxfDrawing, ChosenUnitAndTheFloatRange) {
  const DxfDrawing centimetres = DrawingOf({{0, 0, 400, 0, 0}, {400, 0, 400, 250, 0}});
  const DxfImportPlan plan =
      PlanDxfImport(centimetres, {"A", DrawingUnit::Centimetre, true}, ImportMode::Replace, {});
  EXPECT_EQ(EndsOf(plan), (Ends{{0, 0, 4, 0}, {4, 0, 4, 2.5f}}));
  // Far out, but small: moved to the origin it fits; as drawn it does not.
  const DxfDrawing far = DrawingOf({{3.3e38, 0, 3.5e38, 0, 0}});
  EXPECT_EQ(Plan(far, "A").refusal, "");
  EXPECT_EQ(Plan(far, "A", false).refusal, "The number 3.5e+38 is too large");
  // Both ends fit a float, their distance does not.
  EXPECT_EQ(Plan(DrawingOf({{-3e38, 0, 3e38, 0, 0}}), "A", false).refusal,
            "The number -3e+38 is too large");
}

TEST(DxfDrawing, FilesThatAreNoDrawingAreRefused) {
  EXPECT_FALSE(ReadDxfDrawing(Fixture("loads-list.dxf")));
  EXPECT_FALSE(ReadDxfDrawing(Fixture("no-such-file.dxf")));
  const std::string minimal =
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n10\n0\n20\n0\n11\n1\n21\n0\n"
      "0\nENDSEC\n0\nEOF\n";
  EXPECT_EQ(ParseDxfDrawing(minimal).value_or(DxfDrawing{}).segments.size(), 1u);
  EXPECT_TRUE(ParseDxfDrawing("\xEF\xBB\xBF" + minimal));  // a byte order mark first
  // A line longer than a DXF line would keep the reader from going on.
  EXPECT_FALSE(ParseDxfDrawing("0\nSECTION\n2\nENTITIES\n0\nTEXT\n1\n" + std::string(2000, 'x')));
  EXPECT_FALSE(ParseDxfDrawing(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)));
}

struct DxfImport : test::PositionTest {
  void SetUp() override {
    test::PositionTest::SetUp();
    test::MakeCantileverFrame(session, data.path(), "001");
    session.model.nodes[1].supportedU = 1;
    WriteSupportsFile(session.paths, session.model);
    WriteGeometryFile(session.paths, 1);
  }
  std::string file(const std::string& name) const {
    return session.paths.positionDirectory + name + ".001";
  }
  std::vector<std::string> positionFiles() const {
    std::vector<std::string> bytes;
    for (const std::string& name : test::ListDirectory(session.paths.positionDirectory))
      bytes.push_back(name + ":" + test::ReadFile(session.paths.positionDirectory + name));
    return bytes;
  }
};

TEST_F(DxfImport, ReplacesTheFrameAsTheElementsTableDoes) {
  const DxfImportPlan plan = Plan(ReadFixture("portal-mm.dxf"), "SYSTEM");
  ASSERT_TRUE(ImportDxfFrame(session, messages, plan, ImportMode::Replace));
  const ModelTables& m = session.model;
  EXPECT_EQ(EndsOf(m), EndsOf(plan));
  const ElementRecord& e = m.elements[2];  // the old frame's supports went with it
  EXPECT_EQ((std::vector<int>{e.material, e.crossSection, e.compression, e.tension, e.hingeLeft,
                              e.hingeRight, m.params.nodeCount, m.params.supportCount,
                              m.nodes[1].supportedU}),
            (std::vector<int>{1, 1, 1, 1, 0, 0, 4, 0, 0}));
  EXPECT_EQ(test::ReadFile(file("GEOMETRY")), test::kGeometryZero);
  ModelTables read;
  ASSERT_TRUE(ReadElementsFile(session.paths, read));
  EXPECT_EQ(EndsOf(read), EndsOf(plan));
  EXPECT_EQ(std::tuple(test::At<int16_t>(test::ReadFile(file("NODES")), 0),
                       test::At<int16_t>(test::ReadFile(file("LKNOTENR")), 0),
                       test::At<float>(test::ReadFile(file("EXTENSIOR")), 8)),  // xmax
            std::tuple(4, 0, 6.0f));
  EXPECT_TRUE(session.view.resetZoomRequested && messages.messages.empty());
}

TEST_F(DxfImport, AppendJoinsTheDrawingToTheFrameAndKeepsItsSupports) {
  // The drawing's column top lies 0.03 m beside the frame's one at (0, 4).
  const DxfDrawing drawing = DrawingOf({{0.03, 4, 3, 4, 0}, {0, 0, 0, 4, 0}});
  const DxfImportPlan plan =
      PlanDxfImport(drawing, {"", DrawingUnit::Metre, false}, ImportMode::Append, session.model);
  EXPECT_EQ(ImportSummary(plan),
            "1 element from 2 segments (m); 1 end merged; 1 duplicate segment left out");
  ASSERT_TRUE(ImportDxfFrame(session, messages, plan, ImportMode::Append));
  EXPECT_EQ(EndsOf(session.model), (Ends{{0, 0, 0, 4}, {0, 4, 6, 3.5f}, {0, 4, 3, 4}}));
  EXPECT_EQ(std::tuple(session.model.params.nodeCount, session.model.params.supportCount,
                       session.model.nodes[1].supportedU),
            std::tuple(4, 1, 1));
  // 98 more would make 101 in the table.
  std::vector<DrawingSegment> many;
  for (int i = 0; i < 98; ++i) many.push_back({double(i), 10, double(i + 1), 10, 0});
  EXPECT_EQ(PlanDxfImport(DrawingOf(many), {}, ImportMode::Append, session.model).refusal,
            "Too many elements 101, max = 100");
}

TEST_F(DxfImport, RefusalsChangeNeitherTheModelNorTheFiles) {
  const ModelTables before = session.model;
  const std::vector<std::string> files = positionFiles();
  const DxfDrawing many = ReadFixture("101-segments.dxf");
  EXPECT_FALSE(ImportDxfFrame(session, messages, Plan(many, ""), ImportMode::Replace));
  EXPECT_FALSE(ImportDxfFrame(session, messages, Plan(many, "COLUMNS"), ImportMode::Replace));
  EXPECT_FALSE(ImportDxfFrame(session, messages, Plan(ReadFixture("portal-mm.dxf"), "HATCH"),
                              ImportMode::Append));
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Error: The drawing has 101 elements, max = 100",
                                      "Error: No lines on layer COLUMNS",
                                      "Error: No lines on layer HATCH"}));
  EXPECT_EQ(std::memcmp(&before, &session.model, sizeof before), 0);
  EXPECT_EQ(positionFiles(), files);
  EXPECT_EQ(UnreadableDrawingMessage("loads-list.dxf"),
            "loads-list.dxf is not a DXF file the program can read");
}

}  // namespace
}  // namespace rerore
