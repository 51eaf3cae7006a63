#include "tables/nodes_dialog.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "commands/node_table.h"
#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"
#include "tables/table_editor.h"
#include "tables/table_setup.h"

namespace rerore {

namespace {

const std::vector<GridColumn> kColumns{
    {"Nodes", CellClass::Any, 0.7},  {"x", CellClass::Exponent, 1.0},
    {"y", CellClass::Exponent, 1.0}, {"u", CellClass::Exponent, 1.0},
    {"v", CellClass::Exponent, 1.0}, {"phi", CellClass::Exponent, 1.0},
};
constexpr int kVisibleRows = 16;
constexpr const char* kFollowsElements =
    "The nodes follow the element ends: change the elements to move a node";

QLabel* Wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

NodesDialog::NodesDialog(Session& session, UserMessages& messages, QWidget* parent)
    : TableDialog(session, messages, parent),
      base_(new QLineEdit(this)),
      target_(new QLineEdit(this)),
      factor_(new QLineEdit(this)) {
  setWindowTitle("Nodes");
  setSizeGripEnabled(true);
  OpenNodeTable(session_);
  showTable(TableKind::Nodes, kNodeTableRows, kColumns, FillNodeTable);
  SetColumnReadOnly(*grid_, kNodeXColumn, kFollowsElements);
  SetColumnReadOnly(*grid_, kNodeYColumn, kFollowsElements);
  markPointsInView();

  QPushButton* ok = button("OK", [this] { onOk(); });
  QPushButton* stop = button("Stop", [this] { reject(); });
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(stop);

  auto* side = new QVBoxLayout;
  side->addWidget(
      Wrapped("Supports are springs. The stiffness equals the base stiffness times k", this));
  side->addWidget(Wrapped("The entries in the table are the factors k", this));
  side->addWidget(
      Wrapped("0 = no support, 1 = elastic support with stiffness equal the base stiffness", this));
  side->addLayout(makeTool());
  side->addStretch();
  side->addLayout(buttons);
  arrangeBesideTable(side, {}, kVisibleRows);
}

QLayout* NodesDialog::makeTool() {
  base_->setText(FromAnsi(Format("%.4E", session_.model.params.rigidStiffness)));
  base_->setEnabled(false);
  target_->installEventFilter(this);
  auto* baseRow = new QHBoxLayout;
  baseRow->addWidget(base_);
  baseRow->addWidget(new QLabel("kN/m (kNm)", this));
  auto* form = new QFormLayout;
  form->addRow("Base stiffness:", baseRow);
  form->addRow(Wrapped("This tool finds k for a given target value", this));
  form->addRow("target value", target_);
  form->addRow("k (table entry)", factor_);
  base_->setWhatsThis(
      "<b>Base stiffness</b>: the largest E-modulus times the largest cross-section area, in "
      "kN/m (kNm for phi). A support of factor k has k times this stiffness.");
  target_->setWhatsThis(
      "<b>target value</b>: a support stiffness you want, in kN/m (kNm); Return computes the "
      "factor k for it.");
  factor_->setWhatsThis(
      "<b>k (table entry)</b>: the factor for the target value, selected to be copied into "
      "the u, v or phi column of the table.");
  return form;
}

bool NodesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      findFactor();
      return true;
    }
  }
  return TableDialog::eventFilter(watched, event);
}

// Return in "target value": k into "k (table entry)", selected there so
// that it can be copied into the table.
void NodesDialog::findFactor() {
  const float rigid = session_.model.params.rigidStiffness;
  const std::optional<float> target = FieldNumber(target_, messages_);
  if (!target) return;
  const auto k = SupportFactorFor(*target, rigid);
  if (!k) {
    messages_.message("Base stiffness is 0: enter materials and cross sections first", "Error");
    return;
  }
  factor_->setText(FromAnsi(Format("%.5lf", static_cast<double>(*k))));
  factor_->setFocus();
  factor_->selectAll();
}

void NodesDialog::onOk() {
  grid_->finishEditing();
  if (AcceptNodeTable(session_, grid_->cellTexts(), messages_)) accept();
}

}  // namespace rerore
