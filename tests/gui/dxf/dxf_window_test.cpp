// Import DXF and Export DXF in the real window: the file dialogs, the
// import dialog with its layers, unit and summary, the frame replaced or
// appended as one step that undo takes back, a refused import that keeps
// the dialog open, and the exported drawing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/dxf_import_dialog.h"
#include "app/edit_history.h"
#include "app/input_dialogs.h"
#include "app/main_window.h"
#include "commands/startup.h"
#include "gui/command_ids.h"
#include "gui_helpers.h"
#include "table_test_support.h"
#include "view/frame_view.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;
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

struct DxfWindow : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
  std::unique_ptr<MainWindow> frame;

  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(home.dir().path()));
    fs::copy(std::string(RERORE_SOURCE_DIR) + "/examples/DATA", data.path(),
             fs::copy_options::recursive);
    ASSERT_EQ(StartProgram(session, messages, ".002 @" + data.path()), StartResult::Started);
    frame = std::make_unique<MainWindow>(session);
    frame->view()->setMessages(messages);
    frame->show();
    QApplication::setActiveWindow(frame.get());
    QTRY_VERIFY(frame->inputDialogs()->hub() != nullptr);
  }
  void TearDown() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  // The next file dialog takes `path`.
  static void ChooseFile(const std::string& path) {
    OnNextDialog<QFileDialog>([path](QFileDialog* browser) {
      browser->selectFile(QString::fromStdString(path));
      static_cast<QDialog*>(browser)->accept();
    });
  }
  static void SelectLayer(DxfImportDialog* dialog, const QString& name) {
    const QList<QTreeWidgetItem*> rows = dialog->layers()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1) << name.toStdString();
    dialog->layers()->setCurrentItem(rows.first());
  }
  QString undoItem() { return frame->action(kCmdEditUndo)->text(); }
};

TEST_F(DxfWindow, ImportReplacesTheFrameInOneStepThatUndoTakesBack) {
  const auto beam = Ends(session.model);
  const std::string beamElements = test::ReadFile(session.paths.file("ELEMENTS"));
  ChooseFile(Fixture("portal-mm.dxf"));
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
  EXPECT_EQ(test::ReadFile(session.paths.file("ELEMENTS")), beamElements);
  frame->runCommand(kCmdEditRedo);
  EXPECT_EQ(Ends(session.model), portal);
}

TEST_F(DxfWindow, ARefusedImportKeepsTheDialogOpenAndChangesNothing) {
  const auto beam = Ends(session.model);
  const std::string elements = test::ReadFile(session.paths.file("ELEMENTS"));
  ChooseFile(Fixture("portal-mm.dxf"));
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
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Error: No lines on layer HATCH"}));
  EXPECT_EQ(ElementRows(session.model), 6);
  frame->runCommand(kCmdEditUndo);
  EXPECT_EQ(Ends(session.model), beam);
  EXPECT_EQ(test::ReadFile(session.paths.file("ELEMENTS")), elements);
  EXPECT_FALSE(frame->history()->stack().canUndo());  // the refusal was no step
}

TEST_F(DxfWindow, AFileThatIsNoDrawingIsRefusedBeforeAnyDialog) {
  const auto beam = Ends(session.model);
  ChooseFile(Fixture("loads-list.dxf"));
  frame->runCommand(kCmdImportDxf);
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Error: " + Fixture("loads-list.dxf") +
                                      " is not a DXF file the program can read"}));
  EXPECT_EQ(Ends(session.model), beam);
  EXPECT_FALSE(frame->history()->stack().canUndo());
}

TEST_F(DxfWindow, ExportWritesTheFrameIntoTheChosenFile) {
  const std::string path = data / "beam.dxf";
  ChooseFile(path);
  frame->runCommand(kCmdExportDxf);
  const std::optional<DxfDrawing> drawing = ReadDxfDrawing(path);
  ASSERT_TRUE(drawing);
  EXPECT_EQ(drawing->layers[FindLayer(*drawing, "ELEMENTS")].segments, ElementRows(session.model));
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
