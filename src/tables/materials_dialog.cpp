#include "tables/materials_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "commands/material_table.h"
#include "gui/message_boxes.h"
#include "tables/table_editor.h"
#include "tables/table_setup.h"

namespace rerore {

namespace {

const std::vector<GridColumn> kColumns{
    {"", CellClass::Any, 0.5},
    {"Nr.", CellClass::Concrete, 1.5},
    {"E-Modulus [kN/m2]", CellClass::Exponent, 1.5},
};

}  // namespace

MaterialsDialog::MaterialsDialog(Session& session, UserMessages& messages, QWidget* parent)
    : TableDialog(session, messages, parent) {
  setWindowTitle("Material");
  setSizeGripEnabled(true);
  OpenMaterialTable(session_);
  showTable(TableKind::Materials, kMaterialTableRows, kColumns, FillMaterialTable);
  grid_->setConcreteModuli(session_.model.params.modulusTableFlag != 0,
                           session_.remembered.lastConcreteClass);
  markPointsInView();

  QPushButton* ok = button("&OK", [this] { onOk(); });
  QPushButton* stop = button("&Stop", [this] { reject(); });
  QPushButton* print = button("&Print", [this] { printTable(); });
  QToolButton* save = makeListButton(true);
  QToolButton* load = makeListButton(false);
  auto* keys = new QLabel(
      "Ctrl + C = Copy\nCtrl + V = Paste\nCtrl + X = Delete\nCtrl + I = Z. insert\n"
      "Ctrl + L = Z. delete",
      this);
  const QString name = FromAnsi("Material" + session_.paths.extension);
  connect(save, &QToolButton::clicked, this, [this, name] { saveTableList(name); });
  connect(load, &QToolButton::clicked, this,
          [this] { loadTableList("Material", "Material (Material.*)"); });
  returnIntoTable({ok, stop, print, save, load});

  auto* side = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{ok, stop, print}) side->addWidget(w);
  auto* lists = new QHBoxLayout;
  lists->addWidget(save);
  lists->addWidget(load);
  lists->addStretch();
  side->addLayout(lists);
  side->addWidget(keys);
  arrangeBesideTable(side, {}, kMaterialTableRows - 1);
}

void MaterialsDialog::showEvent(QShowEvent* event) {
  TableDialog::showEvent(event);
  QTimer::singleShot(0, this, [this] {
    grid_->setFocus();
    grid_->setFocusCell(1, 1);
    if (session_.model.params.geometryEntered == 0) grid_->editCell(1, 1);
  });
}

void MaterialsDialog::onOk() {
  grid_->finishEditing();
  if (AcceptMaterialTable(session_, grid_->cellTexts(), messages_)) accept();
}

}  // namespace rerore
