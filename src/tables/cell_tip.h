// Shows the whole text of a cell too narrow for it, or the cell's own tip,
// while the pointer rests on it.
#pragma once

#include <QLabel>

namespace rerore {

class CellTip : public QLabel {
  Q_OBJECT
 public:
  explicit CellTip(QWidget* parent);
  // Shows `text` with its top-left corner at the global point.
  void showAt(const QPoint& globalTopLeft, const QString& text);
};

}  // namespace rerore
