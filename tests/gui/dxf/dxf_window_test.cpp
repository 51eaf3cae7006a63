// Import DXF and Export DXF in the real window, the import as one step of undo.
#include <QComboBox>
#include <QTreeWidget>

#include "app/dxf_import_dialog.h"
#include "gui_helpers.h"

namespace rerore {
namespace {

using test::OnNextDialog;

std::string Fixture(const std::string& name) {
  return std::string(RERORE_SOURCE_DIR) + "/tests/dxf/fixtures/" + name;
}

std::vector<std::vector<float>> Ends(const ModelTables& model) {
  std::vector<std::vector<float>> ends;
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    ends.push_back({e.xa, e.ya, e.xb, e.yb});
  }
  return ends;
}

void SelectLayer(DxfImportDialog* dialog, const QString& name) {
  const QList<QTreeWidgetItem*> rows = dialog->layers()->findItems(name, Qt::MatchExactly);
  ASSERT_EQ(rows.size(), 1) << name.toStdString();
  dialog->layers()->setCurrentItem(rows.first());
}

// The window on the example beam (position 002).
struct DxfWindow : test::WindowTest {
  void SetUp() override {
    WindowTest::SetUp();
    open("002");
  }
};

TEST_F(DxfWindow, ImportReplacesTheFrameInOneStepThatUndoTakesBack) {
  const auto beam = Ends(session.model);
  const std::string beamElements = test::ReadFile(file("ELEMENTS"));
  test::ChooseFile(Fixture("portal-mm.dxf"));
  QStringList layers;
  QString summary;
  OnNextDialog<DxfImportDialog>([&](DxfImportDialog* dialog) {
    for (int i = 0; i < dialog->layers()->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* row = dialog->layers()->topLevelItem(i);
      layers << row->text(0) + " " + row->text(1) + " " + row->text(2);
    }
    EXPECT_FALSE(dialog->unit()->isEnabled());  // the drawing names its unit
    EXPECT_EQ(dialog->unit()->currentText(), "mm");
    SelectLayer(dialog, "SYSTEM");
    summary = dialog->summary()->text();
    test::Click(*dialog, "&Replace");
  });
  frame->runCommand(kCmdImportDxf);
  EXPECT_EQ(layers, QStringList({"* (all layers) 7 3", "SYSTEM 3 0", "WALLS 4 1", "HATCH 0 1",
                                 "TEXT 0 1"}));
  EXPECT_EQ(summary, "3 elements from 3 segments (mm, the drawing's unit)");
  const std::vector<std::vector<float>> portal = {{0, 0, 0, 4}, {0, 4, 6, 4}, {6, 4, 6, 0}};
  EXPECT_EQ(Ends(session.model), portal);
  EXPECT_EQ(session.model.params.nodeCount, 4);
  EXPECT_EQ(session.view.extents.xmax, 6.0f);  // the view fits the new frame
  EXPECT_EQ(session.view.extents.ymax, 4.0f);
  EXPECT_EQ(undoItem(), "&Undo Import DXF portal-mm.dxf\tCtrl+Z");
  EXPECT_TRUE(messages.messages.empty());
  frame->runCommand(kCmdEditUndo);
  EXPECT_EQ(Ends(session.model), beam);
  EXPECT_EQ(test::ReadFile(file("ELEMENTS")), beamElements);
  frame->runCommand(kCmdEditRedo);
  EXPECT_EQ(Ends(session.model), portal);
}

// No drawing: refused before any dialog; a layer without lines: the dialog stays. No step.
TEST_F(DxfWindow, RefusedImportsChangeNothing) {
  const auto beam = Ends(session.model);
  const std::string elements = test::ReadFile(file("ELEMENTS"));
  test::ChooseFile(Fixture("loads-list.dxf"));
  frame->runCommand(kCmdImportDxf);
  EXPECT_EQ(Ends(session.model), beam);
  EXPECT_FALSE(frame->history()->stack().canUndo());
  test::ChooseFile(Fixture("portal-mm.dxf"));
  bool stillOpen = false;
  OnNextDialog<DxfImportDialog>([&](DxfImportDialog* dialog) {
    SelectLayer(dialog, "HATCH");
    EXPECT_EQ(dialog->summary()->text(), "No lines on layer HATCH");
    test::Click(*dialog, "&Replace");
    stillOpen = dialog->isVisible();
    // Appended, the portal's columns join the beam's line.
    SelectLayer(dialog, "SYSTEM");
    test::Click(*dialog, "&Append");
  });
  frame->runCommand(kCmdImportDxf);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{
                "Error: " + Fixture("loads-list.dxf") + " is not a DXF file the program can read",
                "Error: No lines on layer HATCH"}));
  EXPECT_EQ(ElementRows(session.model), 6);
  frame->runCommand(kCmdEditUndo);
  EXPECT_EQ(Ends(session.model), beam);
  EXPECT_EQ(test::ReadFile(file("ELEMENTS")), elements);
  EXPECT_FALSE(frame->history()->stack().canUndo());  // the refusal was no step
}

TEST_F(DxfWindow, ExportWritesTheFrameIntoTheChosenFile) {
  test::ChooseFile(data / "beam.dxf");
  frame->runCommand(kCmdExportDxf);
  const std::optional<DxfDrawing> drawing = ReadDxfDrawing(data / "beam.dxf");
  ASSERT_TRUE(drawing);
  EXPECT_EQ(drawing->layers[FindLayer(*drawing, "ELEMENTS")].segments, ElementRows(session.model));
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
