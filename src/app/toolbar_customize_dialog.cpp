#include "app/toolbar_customize_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QSettings>
#include <QToolBar>
#include <QVBoxLayout>

namespace rerore {

namespace {

constexpr const char* kHiddenKey = "Toolbar/HiddenButtons";

// The buttons of the toolbar that stand for commands (not the separators,
// nor the customize button itself).
QList<QAction*> CommandButtons(QToolBar* toolbar) {
  QList<QAction*> buttons;
  for (QAction* action : toolbar->actions())
    if (!action->isSeparator() && action->data().isValid()) buttons << action;
  return buttons;
}

QString ButtonName(const QAction* action) {
  QString name = action->toolTip();
  return name.isEmpty() ? action->text() : name;
}

}  // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(QToolBar* toolbar, QWidget* parent)
    : QDialog(parent), toolbar_(toolbar) {
  setWindowTitle(tr("Anpassen"));
  auto* layout = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setWhatsThis(
      tr("The buttons of the toolbar: a checked button is shown, an unchecked one hidden. "
         "OK keeps the choice for the next start."));
  for (QAction* action : CommandButtons(toolbar)) {
    auto* item = new QListWidgetItem(action->icon(), ButtonName(action), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(action->isVisible() ? Qt::Checked : Qt::Unchecked);
  }
  layout->addWidget(list_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ToolbarCustomizeDialog::accept() {
  const QList<QAction*> buttons = CommandButtons(toolbar_);
  for (int i = 0; i < buttons.size() && i < list_->count(); ++i)
    buttons[i]->setVisible(list_->item(i)->checkState() == Qt::Checked);
  StoreToolbarButtons(toolbar_);
  QDialog::accept();
}

void RestoreToolbarButtons(QToolBar* toolbar) {
  const QVariantList hidden = QSettings().value(kHiddenKey).toList();
  for (QAction* action : CommandButtons(toolbar))
    action->setVisible(!hidden.contains(action->data()));
}

void StoreToolbarButtons(QToolBar* toolbar) {
  QVariantList hidden;
  for (QAction* action : CommandButtons(toolbar))
    if (!action->isVisible()) hidden << action->data();
  QSettings().setValue(kHiddenKey, hidden);
}

}  // namespace rerore
