#include "app/dxf_commands.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/dxf_import_dialog.h"
#include "dxf/dxf_export.h"
#include "gui/command_ids.h"
#include "gui/message_boxes.h"
#include "view/frame_view.h"

namespace rerore {

namespace {

const char* const kDxfFilter = QT_TRANSLATE_NOOP("DxfCommands", "DXF drawings (*.dxf *.DXF)");
constexpr const char* kDxfSuffix = "dxf";

}  // namespace

DxfCommands::DxfCommands(FrameView& view, QObject* parent) : QObject(parent), view_(view) {
  view.setCommand(kCmdImportDxf, [this] { importDrawing(); });
  view.setCommand(kCmdExportDxf, [this] { exportDrawing(); });
}

void DxfCommands::importDrawing() {
  QFileDialog browser(&view_, tr("Import DXF"), FromFileName(view_.session().paths.dataPath),
                      tr(kDxfFilter));
  browser.setFileMode(QFileDialog::ExistingFile);
  browser.setOption(QFileDialog::DontUseNativeDialog);
  if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty()) return;
  importFile(ToFileName(browser.selectedFiles().first()));
}

void DxfCommands::importFile(const std::string& path) {
  view_.resetInputModes();
  const std::optional<DxfDrawing> drawing = ReadDxfDrawing(path);
  if (!drawing) {
    view_.messages().message(UnreadableDrawingMessage(path), "Error");
    return;
  }
  const QString name = QFileInfo(FromFileName(path)).fileName();
  DxfImportDialog dialog(*drawing, name, view_.session(), view_.messages(), &view_);
  if (dialog.exec() != QDialog::Accepted) return;
  emit modelEdited(tr("Import DXF %1").arg(name));
  view_.redraw();
}

void DxfCommands::exportDrawing() {
  const PositionPaths& paths = view_.session().paths;
  QFileDialog browser(&view_, tr("Export DXF"),
                      FromFileName(paths.dataPath + paths.positionName + "." + kDxfSuffix),
                      tr(kDxfFilter));
  browser.setAcceptMode(QFileDialog::AcceptSave);
  browser.setDefaultSuffix(kDxfSuffix);
  browser.setOption(QFileDialog::DontUseNativeDialog);
  if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty()) return;
  exportFile(ToFileName(browser.selectedFiles().first()));
}

void DxfCommands::exportFile(const std::string& path) {
  if (ExportDxfFile(view_.session(), view_.messages(), path) == DxfExport::NotWritten)
    view_.messages().message(Format("The file %s cannot be stored!", path.c_str()), "Error");
  view_.redraw();  // the node numbers of a frame only drawn
}

}  // namespace rerore
