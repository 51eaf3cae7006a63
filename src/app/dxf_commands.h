// The Position menu's "Import DXF..." and "Export DXF...": the file
// dialogs, the import dialog, and the edit announced for the undo history.
// The view serves both commands; this object holds what they need.
#pragma once

#include <QObject>
#include <string>

namespace rerore {

class FrameView;

class DxfCommands : public QObject {
  Q_OBJECT
 public:
  // Registers both commands with the view.
  explicit DxfCommands(FrameView& view, QObject* parent = nullptr);

  // The drawing at `path` in the import dialog; a file that is no
  // drawing is refused with a message.
  void importFile(const std::string& path);
  // The frame into the drawing at `path`; a file that cannot be written
  // is named.
  void exportFile(const std::string& path);

 signals:
  // The import changed the frame.
  void modelEdited(const QString& name);

 private:
  void importDrawing();
  void exportDrawing();

  FrameView& view_;
};

}  // namespace rerore
