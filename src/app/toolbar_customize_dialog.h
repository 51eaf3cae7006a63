// "Anpassen...": the customization of the toolbar. A list of the toolbar's
// buttons, each shown or hidden by its check box; the choice is kept in the
// program's settings and applied again at the next start.
#pragma once

#include <QDialog>

class QListWidget;
class QToolBar;

namespace rerore {

class ToolbarCustomizeDialog : public QDialog {
  Q_OBJECT
 public:
  ToolbarCustomizeDialog(QToolBar* toolbar, QWidget* parent = nullptr);
  QListWidget* buttonList() const { return list_; }
  void accept() override;

 private:
  QToolBar* toolbar_;
  QListWidget* list_;
};

// Shows or hides the toolbar's buttons as the settings say.
void RestoreToolbarButtons(QToolBar* toolbar);
void StoreToolbarButtons(QToolBar* toolbar);

}  // namespace rerore
