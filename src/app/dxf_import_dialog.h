// "Import DXF": the layers of a drawing with their segments, the unit, the
// move of the drawing's lower-left corner to the origin, and what the
// import would give with that choice. "Replace" makes the drawing the frame,
// "Append" adds its elements to the frame; a refused import says why and
// keeps the dialog open with nothing changed.
#pragma once

#include <QDialog>

#include "dxf/dxf_import.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;

namespace rerore {

class DxfImportDialog : public QDialog {
  Q_OBJECT
 public:
  DxfImportDialog(const DxfDrawing& drawing, const QString& fileName, Session& session,
                  UserMessages& messages, QWidget* parent = nullptr);

  QTreeWidget* layers() const { return layers_; }
  QComboBox* unit() const { return unit_; }
  QCheckBox* moveToOrigin() const { return moveToOrigin_; }
  QLabel* summary() const { return summary_; }
  // The choice as it stands.
  DxfImportOptions options() const;
  // Imports with the choice; the dialog closes when the import was done.
  void import(ImportMode mode);

 private:
  void showPlan();

  const DxfDrawing& drawing_;
  Session& session_;
  UserMessages& messages_;
  QTreeWidget* layers_;
  QComboBox* unit_;
  QCheckBox* moveToOrigin_;
  QLabel* summary_;
};

}  // namespace rerore
