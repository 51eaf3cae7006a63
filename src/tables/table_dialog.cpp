#include "tables/table_dialog.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QFileDialog>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "gui/message_boxes.h"
#include "gui/printed_pages.h"
#include "tables/table_editor.h"

namespace rerore {

TableDialog::TableDialog(Session& session, UserMessages& messages, QWidget* parent)
    : QDialog(parent), session_(session), messages_(messages), grid_(new TableEditor(this)) {
  grid_->setMessages(&messages_);
  connect(grid_, &TableEditor::changed, this, [this] { tableChanged_ = true; });
}

void TableDialog::showTable(TableKind kind, int rows, const std::vector<GridColumn>& columns,
                            void (*fill)(const ModelTables&, CellTable&)) {
  SetUpTable(*grid_, kind, rows, columns);
  tableChanged_ = false;
  showRows(fill);
}

void TableDialog::showRows(void (*fill)(const ModelTables&, CellTable&)) {
  CellTable cells(grid_->rowCount(), grid_->columnCount());
  if (fill != nullptr) fill(session_.model, cells);
  ShowCells(*grid_, cells);
}

QPushButton* TableDialog::button(const QString& text, const std::function<void()>& action) {
  auto* b = new QPushButton(text, this);
  connect(b, &QPushButton::clicked, this, action);
  return b;
}

void TableDialog::arrangeBesideTable(QLayout* above, const std::vector<QPushButton*>& buttons,
                                     int visibleRows) {
  auto* side = new QVBoxLayout;
  if (above != nullptr) side->addLayout(above);
  side->addStretch();
  for (QPushButton* b : buttons) side->addWidget(b);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(side);
  const QMargins margins = layout->contentsMargins();
  const int frame = 2 * grid_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int width = TableWidth(*grid_) + frame + layout->spacing() + side->sizeHint().width();
  const int height = grid_->rowHeight() * (visibleRows + 1) + frame;
  resize(width + margins.left() + margins.right(),
         std::max(height, side->sizeHint().height()) + margins.top() + margins.bottom());
}

void TableDialog::printTable() {
  PrintWithDialog(this, true, [this](QPrinter& printer) { printTableOn(printer); });
}

void TableDialog::printTableOn(QPrinter& printer) {
  grid_->setPrintRowLimit(grid_->firstEmptyRowLimit());
  grid_->setPrintHeading(TableHeading(session_.paths.positionName, windowTitle()));
  grid_->print(printer);
}

QString TableDialog::chooseFile(bool save, const QString& suggested, const QString& filter) {
  if (chooser_) return chooser_(save, suggested, filter);
  const QString start = FromFileName(session_.paths.positionDirectory) + suggested;
  // The file dialogs ask before they overwrite.
  if (save) return QFileDialog::getSaveFileName(this, tr("Save the table as a list"), start);
  return QFileDialog::getOpenFileName(this, tr("Read a list into the table"), start, filter);
}

void TableDialog::saveTableList(const QString& suggestedName) {
  const QString path = chooseFile(true, suggestedName, QString());
  if (!path.isEmpty()) grid_->saveList(path);
}

void TableDialog::loadTableList(const QString& suggestedName, const QString& filter) {
  const QString path = chooseFile(false, suggestedName, filter);
  if (!path.isEmpty()) grid_->loadList(path);
}

QToolButton* TableDialog::makeListButton(bool save) {
  auto* button = new QToolButton(this);
  button->setIcon(
      style()->standardIcon(save ? QStyle::SP_DialogSaveButton : QStyle::SP_DialogOpenButton));
  button->setToolTip(save ? "Save the table as a list file" : "Load the table from a list file");
  button->setAutoRaise(false);
  return button;
}

void TableDialog::returnIntoTable(const std::vector<QAbstractButton*>& buttons) {
  for (QAbstractButton* button : buttons) button->installEventFilter(this);
}

bool TableDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractButton*>(watched)) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      grid_->setFocus();
      grid_->editCell(grid_->focusRow(), grid_->focusColumn());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TableDialog::markPointsInView() {
  connect(grid_, &TableEditor::pointMarked, this, [this](float x, float y) {
    session_.view.markedPoint = {true, x, y};
    emit pointMarked();
  });
}

}  // namespace rerore
