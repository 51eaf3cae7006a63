#include "tables/elements_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "commands/element_table.h"
#include "gui/message_boxes.h"
#include "tables/table_editor.h"
#include "tables/table_setup.h"

namespace rerore {

namespace {

// The flag columns are narrower than the label column.
constexpr double kFlagWidth = 0.8;
constexpr int kVisibleRows = 20;

const std::vector<GridColumn> kColumns{
    {"Element", CellClass::Any, 1.0},          {"xa [m]", CellClass::Decimal, 1.0},
    {"ya [m]", CellClass::Decimal, 1.0},       {"xb [m]", CellClass::Decimal, 1.0},
    {"yb [m]", CellClass::Decimal, 1.0},       {"Mat.", CellClass::Whole, kFlagWidth},
    {"Sect.", CellClass::Whole, kFlagWidth},   {"C", CellClass::Whole, kFlagWidth},
    {"T", CellClass::Whole, kFlagWidth},       {"H left", CellClass::Whole, kFlagWidth},
    {"H right", CellClass::Whole, kFlagWidth},
};

}  // namespace

ElementsDialog::ElementsDialog(Session& session, UserMessages& messages, QWidget* parent)
    : TableDialog(session, messages, parent) {
  setWindowTitle("Frame elements");
  setModal(false);
  setSizeGripEnabled(true);
  showTable(TableKind::Elements, kElementTableRows, kColumns, FillElementTable);
  markPointsInView();
  auto* side = new QVBoxLayout;
  side->addLayout(makeButtons());
  side->addLayout(makeTexts());
  arrangeBesideTable(side, {}, kVisibleRows);
}

QLayout* ElementsDialog::makeButtons() {
  QPushButton* ok = button("&OK", [this] { onOk(); });
  QPushButton* stop = button("&Stop", [this] { onStop(); });
  QPushButton* print = button("Print", [this] { printTable(); });
  QPushButton* turn = button("Rearrange", [this] { rearrange(); });
  QToolButton* save = makeListButton(true);
  QToolButton* load = makeListButton(false);
  const QString name = FromAnsi("Elements" + session_.paths.extension);
  connect(save, &QToolButton::clicked, this, [this, name] { saveTableList(name); });
  connect(load, &QToolButton::clicked, this,
          [this, name] { loadTableList(name, "Elements* (Elements*.*)"); });
  returnIntoTable({ok, stop, print, turn, save, load});
  auto* buttons = new QGridLayout;
  buttons->addWidget(ok, 0, 0);
  buttons->addWidget(stop, 0, 1);
  buttons->addWidget(print, 1, 0);
  buttons->addWidget(turn, 1, 1);
  auto* lists = new QHBoxLayout;
  lists->addWidget(save);
  lists->addWidget(load);
  lists->addStretch();
  buttons->addLayout(lists, 2, 0, 1, 2);
  return buttons;
}

QLayout* ElementsDialog::makeTexts() {
  auto* texts = new QVBoxLayout;
  for (const char* text :
       {"Hinges: H (left)   H (right)\n", "0 = No", "1 = Yes", "C = Compression, 0 = No, 1 = Yes",
        "T = Tension, 0 = No, 1 = Yes", "Return in empty cell copies from above",
        "Ctrl + C = Copy\nCtrl + V = Paste\nCtrl + X = Delete", "F5 = Copy downward",
        "Ctrl + I = Insert line\nCtrl + L = Delete line",
        "Click on the leftmost column\n to see the point!",
        "Rearrange = avoid upside down elements"})
    texts->addWidget(new QLabel(text, this));
  return texts;
}

void ElementsDialog::showEvent(QShowEvent* event) {
  TableDialog::showEvent(event);
  QTimer::singleShot(0, this, [this] {
    grid_->setFocus();
    grid_->editCell(1, 1);
  });
}

void ElementsDialog::end(bool accepted) {
  if (ended_) return;
  ended_ = true;
  hide();
  emit ended(accepted);
}

void ElementsDialog::onOk() {
  grid_->finishEditing();
  if (!AcceptElementTable(session_, grid_->cellTexts(), messages_)) return;
  emit modelEdited(rearranging_ ? "Rearrange" : "Elements table");
  end(true);
}

void ElementsDialog::showModelRows() {
  grid_->finishEditing();
  showRows(FillElementTable);
}

void ElementsDialog::onStop() { end(false); }

void ElementsDialog::reject() { end(false); }

// Turns the accepted elements (not the table's unsaved edits), shows them
// anew and accepts them.
void ElementsDialog::rearrange() {
  grid_->finishEditing();
  RearrangeElements(session_.model);
  showRows(FillElementTable);
  rearranging_ = true;
  onOk();
  rearranging_ = false;
}

}  // namespace rerore
