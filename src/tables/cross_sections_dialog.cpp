#include "tables/cross_sections_dialog.h"

#include <QBoxLayout>
#include <QPushButton>

#include "commands/section_table.h"
#include "tables/table_editor.h"
#include "tables/table_setup.h"

namespace rerore {

namespace {

constexpr int kVisibleRows = 12;

const std::vector<GridColumn> kColumns{
    {"Nr.", CellClass::Any, 0.5},
    {"width [m]", CellClass::Decimal, 1.0},
    {"height [m]", CellClass::Decimal, 1.0},
    {"Area [m2]", CellClass::Exponent, 1.2},
    {"I [m4]", CellClass::Exponent, 1.2},
};

}  // namespace

CrossSectionsDialog::CrossSectionsDialog(Session& session, UserMessages& messages, QWidget* parent)
    : TableDialog(session, messages, parent) {
  setWindowTitle("Cross sections");
  setSizeGripEnabled(true);
  OpenSectionTable(session_);
  showTable(TableKind::CrossSections, kSectionTableRows, kColumns, FillSectionTable);

  QPushButton* ok = button("OK", [this] { onOk(); });
  ok->setDefault(true);
  QPushButton* stop = button("Stop", [this] { reject(); });
  arrangeBesideTable(nullptr, {ok, stop}, kVisibleRows);
}

void CrossSectionsDialog::onOk() {
  grid_->finishEditing();
  if (AcceptSectionTable(session_, grid_->cellTexts(), messages_)) accept();
}

}  // namespace rerore
