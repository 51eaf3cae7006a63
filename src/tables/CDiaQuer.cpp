#include "tables/CDiaQuer.h"

#include <QBoxLayout>
#include <QPushButton>

#include "tables/CGridCtrl.h"
#include "tables/core/section_table.h"
#include "tables/table_globals.h"
#include "tables/table_setup.h"

namespace rerore {

namespace {

const std::vector<GridColumn> kColumns{
    {"Nr.", kClassAny, 0.5},
    {"width [m]", kClassDecimal, 1.0},
    {"height [m]", kClassDecimal, 1.0},
    {"Area [m2]", kClassExponent, 1.2},
    {"I [m4]", kClassExponent, 1.2},
};

}  // namespace

CDiaQuer::CDiaQuer(Session& session, UserMessages& messages, QWidget* parent)
    : TableDialog(session, messages, parent) {
  setWindowTitle("Cross sections");
  setSizeGripEnabled(true);
  OpenSectionTable(session_);
  showTable(kTableSections, kSectionTableRows, kColumns, FillSectionTable);

  auto* ok = new QPushButton("OK", this);
  auto* stop = new QPushButton("Stop", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CDiaQuer::onOk);
  connect(stop, &QPushButton::clicked, this, &QDialog::reject);
  auto* side = new QVBoxLayout;
  side->addWidget(ok);
  side->addWidget(stop);
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(side);
  resize(TableWidth(*grid_) + 150, grid_->rowHeight() * 14 + 40);
}

void CDiaQuer::onOk() {
  grid_->finishEditing();
  if (AcceptSectionTable(session_, grid_->cellTexts(), messages_)) accept();
}

}  // namespace rerore
