#include "tables/continuous_beam_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "generators/continuous_beam.h"
#include "tables/table_editor.h"

namespace rerore {

namespace {

constexpr int kVisibleRows = 12;

constexpr int kSpanColumn = 1;

const std::vector<GridColumn> kColumns{{"Span", CellClass::Any, 1.0},
                                       {"x [m]", CellClass::Decimal, 1.0},
                                       {"", CellClass::Decimal, 1.0}};

QLayout* Explanation(QWidget* parent) {
  auto* texts = new QVBoxLayout;
  texts->addWidget(
      new QLabel("x = end of span\n\nincreasing:\n\nx = 4.0\nx = 7.5\nx = 12.3 ...", parent));
  texts->addSpacing(parent->fontMetrics().height());
  texts->addWidget(new QLabel("equally spaced spans:", parent));
  texts->addWidget(new QLabel("Enter span one", parent));
  for (int i = 0; i < 3; ++i) texts->addWidget(new QLabel("Return-key", parent));
  texts->addWidget(new QLabel("...", parent));
  return texts;
}

}  // namespace

ContinuousBeamDialog::ContinuousBeamDialog(Session& session, UserMessages& messages,
                                           QWidget* parent)
    : TableDialog(session, messages, parent) {
  setWindowTitle("Continuous beam");
  setSizeGripEnabled(true);
  showTable(TableKind::ContinuousBeam, kSpanTableRows + 1, kColumns, nullptr);
  const std::vector<std::string> ends = LoadSpanTableTexts(session_);
  for (size_t i = 0; i < ends.size(); ++i)
    grid_->setItemText(static_cast<int>(i) + 1, kSpanColumn, QString::fromStdString(ends[i]));

  arrangeBesideTable(Explanation(this),
                     {button("OK", [this] { onOk(); }), button("Stop", [this] { reject(); })},
                     kVisibleRows);
}

void ContinuousBeamDialog::onOk() {
  grid_->finishEditing();
  std::vector<std::string> cells;
  for (int row = 1; row < grid_->rowCount(); ++row)
    cells.push_back(grid_->getItemText(row, kSpanColumn).toStdString());
  // A refused table stays open, so that nothing typed is lost.
  if (ContinuousBeamOk(session_, messages_, cells) != ViewFollowUp::None) accept();
}

}  // namespace rerore
