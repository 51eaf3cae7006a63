#include "tables/frame_generator_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "generators/frame_generator.h"
#include "tables/table_editor.h"
#include "tables/table_setup.h"

namespace rerore {

namespace {

constexpr int kVisibleRows = 12;

constexpr int kHeightColumn = 1;
constexpr int kColumnsColumn = 2;
constexpr int kSpacingColumn = 3;
constexpr double kWideColumn = 1.6;

const std::vector<GridColumn> kColumns{{"Floor", CellClass::Any, 1.0},
                                       {"Floor height [m]", CellClass::Decimal, kWideColumn},
                                       {"Number of columns", CellClass::Decimal, kWideColumn},
                                       {"Spacing [m]", CellClass::Decimal, kWideColumn}};

}  // namespace

FrameGeneratorDialog::FrameGeneratorDialog(Session& session, UserMessages& messages,
                                           QWidget* parent)
    : TableDialog(session, messages, parent) {
  setWindowTitle("Frame");
  setSizeGripEnabled(true);
  showTable(TableKind::Storeys, kFloorTableRows + 1, kColumns, nullptr);
  const std::vector<FloorRowTexts> rows = LoadFloorTableTexts(session_);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    grid_->setItemText(row, kHeightColumn, QString::fromStdString(rows[i].height));
    grid_->setItemText(row, kColumnsColumn, QString::fromStdString(rows[i].columns));
    grid_->setItemText(row, kSpacingColumn, QString::fromStdString(rows[i].spacing));
  }
  auto* text = new QVBoxLayout;
  text->addWidget(new QLabel("Enter-key\ncopies from row above", this));
  arrangeBesideTable(text, {button("OK", [this] { onOk(); }), button("Stop", [this] { reject(); })},
                     kVisibleRows);
}

void FrameGeneratorDialog::onOk() {
  grid_->finishEditing();
  std::vector<FloorRowTexts> rows;
  for (int row = 1; row < grid_->rowCount(); ++row)
    rows.push_back({grid_->getItemText(row, kHeightColumn).toStdString(),
                    grid_->getItemText(row, kColumnsColumn).toStdString(),
                    grid_->getItemText(row, kSpacingColumn).toStdString()});
  if (AcceptFloorTable(session_, messages_, rows)) accept();
}

}  // namespace rerore
