// The frame exported: read back, its layers, and another DXF library reading it.
#include "dxf/dxf_export.h"

#include <algorithm>
#include <cmath>

#include "check/rebuild.h"
#include "dxf/dxf_import.h"
#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

// A hinged portal with a strut, inexact floats, node 1 clamped, node 4 pinned.
struct FrameToDxf : test::PositionTest {
  void SetUp() override {
    test::PositionTest::SetUp();
    ModelTables& m = session.model;
    SetDefaultMaterial(m);
    SetDefaultCrossSection(m);
    m.params.elementCount = 0;
    test::AddElement(m, 0.1f, 0.2f, 0.1f, 4.3f);
    test::AddElement(m, 0.1f, 4.3f, 6.7f, 4.3f);
    test::AddElement(m, 6.7f, 4.3f, 6.7f, 0.2f);
    test::AddElement(m, 0.1f, 0.2f, 3.33f, 4.3f);
    m.elements[2].hingeRight = 1;
    RebuildModel(session, messages);
    m.nodes[1].supportedU = m.nodes[1].supportedV = m.nodes[1].supportedPhi = 1;
    m.nodes[4].supportedU = m.nodes[4].supportedV = 1;
  }
  static int count(const DxfDrawing& drawing, const char* layer, const char* entity) {
    const auto& skipped = drawing.layers[FindLayer(drawing, layer)].skipped;
    return skipped.count(entity) ? skipped.at(entity) : 0;
  }
};

TEST_F(FrameToDxf, ReadBackItGivesTheSameElementsInTheSameOrder) {
  const std::optional<DxfDrawing> drawing = ParseDxfDrawing(FrameDxf(session.model));
  ASSERT_TRUE(drawing);
  EXPECT_EQ(drawing->unit, DrawingUnit::Metre);
  // All but the lines are blocks, circles and texts: every layer gives the frame.
  const DxfImportPlan plan = PlanDxfImport(*drawing, {"", DrawingUnit::Millimetre, false},
                                           ImportMode::Replace, ModelTables{});
  ASSERT_EQ(plan.refusal, "");
  ASSERT_EQ(plan.elements.size(), 4u);
  for (int k = 1; k <= 4; ++k) {
    const ElementRecord& e = session.model.elements[k];
    const ImportedElement& r = plan.elements[k - 1];
    EXPECT_LE(std::max({std::fabs(r.xa - e.xa), std::fabs(r.ya - e.ya), std::fabs(r.xb - e.xb),
                        std::fabs(r.yb - e.yb)}),
              1e-6)
        << k;
  }
  // Moved to the origin, the corner (0.1, 0.2) is (0, 0).
  const DxfImportPlan moved = PlanDxfImport(*drawing, {}, ImportMode::Replace, ModelTables{});
  EXPECT_LE(std::hypot(moved.elements[1].xb - 6.6f, moved.elements[1].yb - 4.1f), 1e-6);
}

TEST_F(FrameToDxf, WrittenWholeOrNotAtAll) {
  const std::string path = data / "portal.dxf";
  ASSERT_EQ(ExportDxfFile(session, messages, path), DxfExport::Written);
  EXPECT_EQ(test::ReadFile(path), FrameDxf(session.model));
  EXPECT_EQ(test::ListDirectory(data.path()), (std::vector<std::string>{"SDIR001", "portal.dxf"}));
  EXPECT_EQ(ExportDxfFile(session, messages, data / "missing/portal.dxf"), DxfExport::NotWritten);
  session.model.params.elementCount = 0;
  EXPECT_EQ(ExportDxfFile(session, messages, path), DxfExport::NoElements);
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Error: No elements: there is nothing to export."}));
}

// Elements only drawn have no nodes yet: the export numbers them first.
TEST_F(FrameToDxf, ElementsWithoutNodesGetThemFirst) {
  test::AddElement(session.model, 6.7f, 4.3f, 9.0f, 4.3f);
  ASSERT_EQ(session.model.elements[5].nodeLeft, 0);
  ASSERT_EQ(ExportDxfFile(session, messages, data / "portal.dxf"), DxfExport::Written);
  EXPECT_EQ(session.model.params.nodeCount, 6);
  const std::optional<DxfDrawing> drawing = ReadDxfDrawing(data / "portal.dxf");
  ASSERT_TRUE(drawing);
  EXPECT_EQ(count(*drawing, "NODE-NUMBERS", "TEXT"), 6);
}

// The python3 that has ezdxf (Debian's python3-ezdxf), or an empty string.
std::string PythonWithEzdxf() {
  for (const char* python : {"/usr/bin/python3", "python3"})
    if (test::RunCommand(std::string(python) + " -c \"import ezdxf\"").status == 0) return python;
  return "";
}

// ezdxf audits the drawing: no error, and everything written is still there.
TEST_F(FrameToDxf, AnotherDxfLibraryOpensItWithoutErrors) {
  const std::string python = PythonWithEzdxf();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed: no independent DXF reader";
  const std::string path = data / "portal.dxf";
  ASSERT_EQ(ExportDxfFile(session, messages, path), DxfExport::Written);
  const std::string script = data / "audit.py";
  test::WriteFile(script,
                  "import sys, collections, ezdxf\n"
                  "doc = ezdxf.readfile(sys.argv[1])\n"
                  "auditor = doc.audit()\n"
                  "for e in auditor.errors: print('error', e.code, e.message)\n"
                  "print(doc.dxfversion, doc.header['$INSUNITS'])\n"
                  "c = collections.Counter(e.dxftype() + ' ' + e.dxf.layer for e in "
                  "doc.modelspace())\n"
                  "for k in sorted(c): print(k, c[k])\n");
  const test::CommandResult audit = test::RunCommand(python + " " + script + " " + path);
  ASSERT_EQ(audit.status, 0) << audit.err;
  EXPECT_EQ(audit.out,
            "AC1015 6\n"
            "CIRCLE HINGES 1\n"
            "INSERT DIMENSIONS 2\n"
            "INSERT SUPPORTS 2\n"
            "LINE ELEMENTS 4\n"
            "TEXT ELEMENT-NUMBERS 4\n"
            "TEXT NODE-NUMBERS 5\n");
}

}  // namespace
}  // namespace rerore
