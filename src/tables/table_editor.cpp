#include "tables/table_editor.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWhatsThis>
#include <algorithm>

#include "model/constants.h"
#include "model/parse_number.h"
#include "tables/cell_editor.h"
#include "tables/cell_tip.h"

namespace rerore {

namespace {

constexpr int kCellPadding = 3;
constexpr int kRowPadding = 6;
constexpr int kDefaultWidthDigits = 11;
constexpr int kFocusFrameWidth = 2;

}  // namespace

TableEditor::TableEditor(QWidget* parent)
    : QAbstractScrollArea(parent),
      rowHeight_(fontMetrics().height() + kRowPadding),
      editor_(new CellEditor(viewport())),
      titleTip_(new CellTip(this)) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(editor_, &CellEditor::editEnded, this, &TableEditor::endEdit);
  connect(editor_, &CellEditor::keyTyped, this, &TableEditor::changed);
}

// The cell editor goes with the viewport after this body ran; losing the
// keyboard on the way, it would end its edit on a table half torn down.
TableEditor::~TableEditor() { editor_->disconnect(this); }

void TableEditor::setColumnWhatsThis(int column, const QString& text) {
  if (column < 0) return;
  if (column >= static_cast<int>(columnHelp_.size()))
    columnHelp_.resize(static_cast<size_t>(column) + 1);
  columnHelp_[static_cast<size_t>(column)] = text;
}

QString TableEditor::columnWhatsThis(int column) const {
  if (column < 0 || column >= static_cast<int>(columnHelp_.size())) return {};
  return columnHelp_[static_cast<size_t>(column)];
}

CellClass TableEditor::columnClass(int column) const {
  if (column < 0 || column >= static_cast<int>(columnClasses_.size())) return CellClass::Any;
  return columnClasses_[static_cast<size_t>(column)];
}

// --- shape and cells -------------------------------------------------------

void TableEditor::setRowCount(int rows) {
  rows_ = std::max(rows, 0);
  resizeCells();
}

void TableEditor::setColumnCount(int columns) {
  // Cells are stored row by row, so a new column count re-lays them out.
  std::vector<TableCell> old = std::move(cells_);
  const int oldColumns = columns_;
  columns_ = std::max(columns, 0);
  cells_.assign(static_cast<size_t>(rows_ * columns_), TableCell{});
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < std::min(oldColumns, columns_); ++c) {
      const size_t from = static_cast<size_t>(r * oldColumns + c);
      if (from < old.size()) cell(r, c) = old[from];
    }
  columnWidths_.resize(static_cast<size_t>(columns_), defaultColumnWidth());
  resizeCells();
}

void TableEditor::setFixedRowCount(int rows) {
  fixedRows_ = std::clamp(rows, 0, rows_);
  updateScrollBars();
}

void TableEditor::setFixedColumnCount(int columns) {
  fixedColumns_ = std::clamp(columns, 0, columns_);
  updateScrollBars();
}

void TableEditor::resizeCells() {
  cells_.resize(static_cast<size_t>(rows_ * columns_));
  if (!isValidFocus(focusRow_, focusColumn_)) focusRow_ = focusColumn_ = -1;
  selection_ = {};
  updateScrollBars();
  viewport()->update();
}

bool TableEditor::isCell(int row, int column) const {
  return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

TableCell& TableEditor::cell(int row, int column) {
  return cells_[static_cast<size_t>(row * columns_ + column)];
}

const TableCell& TableEditor::cell(int row, int column) const {
  return cells_[static_cast<size_t>(row * columns_ + column)];
}

void TableEditor::setItemText(int row, int column, const QString& text) {
  if (!isCell(row, column)) return;
  cell(row, column).text = text.left(kCellTextLimit);
  // A cell set while it is being edited shows its new text in the editor,
  // which would otherwise write the old one back when it closes.
  if (row == editRow_ && column == editColumn_) {
    textBeforeEdit_ = cell(row, column).text;
    editor_->setText(textBeforeEdit_);
  }
  viewport()->update();
}

QString TableEditor::getItemText(int row, int column) const {
  return isCell(row, column) ? cell(row, column).text : QString();
}

void TableEditor::setItemReadOnly(int row, int column, bool readOnly) {
  if (isCell(row, column)) cell(row, column).readOnly = readOnly;
  viewport()->update();
}

void TableEditor::setItemToolTip(int row, int column, const QString& toolTip) {
  if (isCell(row, column)) cell(row, column).toolTip = toolTip;
}

QString TableEditor::itemToolTip(int row, int column) const {
  return isCell(row, column) ? cell(row, column).toolTip : QString();
}

void TableEditor::setColumnWidth(int column, int pixels) {
  if (column < 0 || column >= columns_) return;
  columnWidths_[static_cast<size_t>(column)] = std::max(pixels, 1);
  updateScrollBars();
  viewport()->update();
}

int TableEditor::getColumnWidth(int column) const {
  if (column < 0 || column >= columns_) return 0;
  return columnWidths_[static_cast<size_t>(column)];
}

int TableEditor::defaultColumnWidth() const {
  return fontMetrics().horizontalAdvance(QLatin1Char('0')) * kDefaultWidthDigits;
}

CellTable TableEditor::cellTexts() const {
  CellTable cells(rows_, columns_);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) cells.at(r, c) = cell(r, c).text.toStdString();
  return cells;
}

// --- focus and selection ---------------------------------------------------

bool TableEditor::isValidFocus(int row, int column) const {
  return row >= fixedRows_ && row < rows_ && column >= fixedColumns_ && column < columns_;
}

void TableEditor::setFocusCell(int row, int column) {
  if (!isValidFocus(row, column)) {
    focusRow_ = focusColumn_ = -1;
    viewport()->update();
    return;
  }
  moveFocus(row, column);
}

void TableEditor::moveFocus(int row, int column) {
  focusRow_ = std::clamp(row, firstRow(), lastRow());
  focusColumn_ = std::clamp(column, firstColumn(), lastColumn());
  selection_ = CellRange::single(focusRow_, focusColumn_);
  ensureVisible(focusRow_, focusColumn_);
  viewport()->update();
}

void TableEditor::setSelection(const CellRange& range) {
  selection_ = range;
  viewport()->update();
}

void TableEditor::selectAll() {
  setSelection({firstRow(), firstColumn(), lastRow(), lastColumn()});
}

// --- geometry and scrolling --------------------------------------------------

int TableEditor::fixedHeight() const { return fixedRows_ * rowHeight_; }

int TableEditor::fixedWidth() const {
  int width = 0;
  for (int c = 0; c < fixedColumns_; ++c) width += getColumnWidth(c);
  return width;
}

int TableEditor::topRow() const { return fixedRows_ + verticalScrollBar()->value(); }

int TableEditor::leftColumn() const { return fixedColumns_ + horizontalScrollBar()->value(); }

int TableEditor::visibleRowCount() const {
  return std::max(1, (viewport()->height() - fixedHeight()) / rowHeight_);
}

int TableEditor::columnX(int column) const {
  if (column < fixedColumns_) {
    int x = 0;
    for (int c = 0; c < column; ++c) x += getColumnWidth(c);
    return x;
  }
  int x = fixedWidth();
  for (int c = leftColumn(); c < column; ++c) x += getColumnWidth(c);
  return x;
}

QRect TableEditor::cellRect(int row, int column) const {
  if (!isCell(row, column)) return {};
  if (row >= fixedRows_ && row < topRow()) return {};
  if (column >= fixedColumns_ && column < leftColumn()) return {};
  const int y = row < fixedRows_ ? row * rowHeight_ : fixedHeight() + (row - topRow()) * rowHeight_;
  return {columnX(column), y, getColumnWidth(column), rowHeight_};
}

bool TableEditor::cellAt(const QPoint& point, int& row, int& column) const {
  if (point.y() < fixedHeight())
    row = point.y() / rowHeight_;
  else
    row = topRow() + (point.y() - fixedHeight()) / rowHeight_;
  column = -1;
  for (int c = 0; c < columns_; ++c) {
    const QRect rect = cellRect(row < rows_ ? row : 0, c);
    if (!rect.isNull() && point.x() >= rect.left() && point.x() <= rect.right()) column = c;
  }
  return isCell(row, column);
}

void TableEditor::updateScrollBars() {
  const int scrollRows = std::max(0, rows_ - fixedRows_);
  verticalScrollBar()->setRange(0, std::max(0, scrollRows - visibleRowCount()));
  verticalScrollBar()->setPageStep(visibleRowCount());
  // The leftmost first column that still lets the last column show.
  const int room = viewport()->width() - fixedWidth();
  int used = 0;
  int first = columns_;
  while (first > fixedColumns_ && used + getColumnWidth(first - 1) <= room)
    used += getColumnWidth(--first);
  horizontalScrollBar()->setRange(0, std::max(0, first - fixedColumns_));
  horizontalScrollBar()->setPageStep(1);
}

void TableEditor::ensureVisible(int row, int column) {
  QScrollBar* v = verticalScrollBar();
  if (row >= fixedRows_ && row < topRow()) v->setValue(row - fixedRows_);
  if (row >= topRow() + visibleRowCount()) v->setValue(row - fixedRows_ - visibleRowCount() + 1);
  QScrollBar* h = horizontalScrollBar();
  if (column >= fixedColumns_ && column < leftColumn()) h->setValue(column - fixedColumns_);
  while (column >= fixedColumns_ && h->value() < h->maximum() &&
         columnX(column) + getColumnWidth(column) > viewport()->width())
    h->setValue(h->value() + 1);
}

void TableEditor::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void TableEditor::scrollContentsBy(int, int) {
  titleTip_->hide();
  if (isEditing()) {
    const QRect rect = cellRect(editRow_, editColumn_);
    if (rect.isNull())
      endEdit(0, Qt::NoModifier);
    else
      editor_->setGeometry(rect.adjusted(1, 1, -1, -1));
  }
  viewport()->update();
}

// --- painting ----------------------------------------------------------------

void TableEditor::paintCell(QPainter& painter, int row, int column, const QRect& rect) {
  const TableCell& c = cell(row, column);
  const bool fixed = row < fixedRows_ || column < fixedColumns_;
  QColor fill = palette().color(QPalette::Base);
  if (fixed)
    fill = palette().color(QPalette::Button);
  else if (selection_.contains(row, column) && !(row == focusRow_ && column == focusColumn_))
    fill = palette().color(QPalette::Highlight).lighter(170);
  else if (c.readOnly)
    fill = palette().color(QPalette::Window);
  painter.fillRect(rect, fill);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(fixed ? QPalette::ButtonText : QPalette::Text));
  painter.drawText(rect.adjusted(kCellPadding, 0, -kCellPadding, 0),
                   Qt::AlignVCenter | Qt::AlignLeft, c.text);
  if (row == focusRow_ && column == focusColumn_) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
  }
}

void TableEditor::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Window));
  const int lastVisible = std::min(lastRow(), topRow() + visibleRowCount());
  for (int row = 0; row <= lastVisible; ++row) {
    if (row >= fixedRows_ && row < topRow()) continue;
    for (int column = 0; column < columns_; ++column) {
      const QRect rect = cellRect(row, column);
      if (!rect.isNull() && rect.left() < viewport()->width())
        paintCell(painter, row, column, rect);
    }
  }
}

// --- mouse and tips ------------------------------------------------------------

void TableEditor::clickRowLabel(int row) {
  setSelection({row, firstColumn(), row, lastColumn()});
  if (kind_ != TableKind::Elements && kind_ != TableKind::Materials && kind_ != TableKind::Nodes)
    return;
  if (columns_ < 3) return;
  emit pointMarked(parseNumber(cell(row, 1).text.toStdString()),
                   parseNumber(cell(row, 2).text.toStdString()));
}

void TableEditor::mousePressEvent(QMouseEvent* event) {
  titleTip_->hide();
  if (isEditing()) endEdit(0, Qt::NoModifier);
  setFocus();
  int row = 0;
  int column = 0;
  if (event->button() != Qt::LeftButton || !cellAt(event->position().toPoint(), row, column))
    return;
  if (row >= fixedRows_ && column < fixedColumns_) {
    clickRowLabel(row);
  } else if (row < fixedRows_ && column >= fixedColumns_) {
    setSelection({firstRow(), column, lastRow(), column});
  } else if (isValidFocus(row, column)) {
    if (event->modifiers() & Qt::ShiftModifier && isValidFocus(focusRow_, focusColumn_)) {
      setSelection({std::min(row, focusRow_), std::min(column, focusColumn_),
                    std::max(row, focusRow_), std::max(column, focusColumn_)});
    } else {
      moveFocus(row, column);
    }
    dragAnchor_ = CellRange::single(focusRow_, focusColumn_);
  }
}

void TableEditor::mouseMoveEvent(QMouseEvent* event) {
  int row = 0;
  int column = 0;
  const QPoint position = event->position().toPoint();
  if (!(event->buttons() & Qt::LeftButton)) {
    showTip(position);
    return;
  }
  if (dragAnchor_.isEmpty() || !cellAt(position, row, column) || !isValidFocus(row, column)) return;
  setSelection({std::min(row, dragAnchor_.top), std::min(column, dragAnchor_.left),
                std::max(row, dragAnchor_.top), std::max(column, dragAnchor_.left)});
}

void TableEditor::mouseDoubleClickEvent(QMouseEvent* event) {
  int row = 0;
  int column = 0;
  if (cellAt(event->position().toPoint(), row, column)) editCell(row, column);
}

// A text wider than its cell shows whole beside the pointer.
void TableEditor::showTip(const QPoint& position) {
  int row = 0;
  int column = 0;
  if (!cellAt(position, row, column) || isEditing()) {
    titleTip_->hide();
    return;
  }
  const QRect rect = cellRect(row, column);
  const QString& text = cell(row, column).text;
  if (fontMetrics().horizontalAdvance(text) + 2 * kCellPadding <= rect.width()) {
    titleTip_->hide();
    return;
  }
  titleTip_->showAt(viewport()->mapToGlobal(rect.topLeft()), text);
}

bool TableEditor::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) titleTip_->hide();
  if (event->type() == QEvent::WhatsThis || event->type() == QEvent::QueryWhatsThis)
    return explainColumnAt(static_cast<QHelpEvent*>(event));
  if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
  auto* help = static_cast<QHelpEvent*>(event);
  int row = 0;
  int column = 0;
  if (cellAt(help->pos(), row, column) && !cell(row, column).toolTip.isEmpty())
    QToolTip::showText(help->globalPos(), cell(row, column).toolTip, viewport());
  else
    QToolTip::hideText();
  return true;
}

// In What's This mode a click on a cell explains its column; elsewhere
// the table's own text answers.
bool TableEditor::explainColumnAt(QHelpEvent* help) {
  int row = 0;
  int column = 0;
  const QString text = cellAt(help->pos(), row, column) ? columnWhatsThis(column) : whatsThis();
  help->setAccepted(!text.isEmpty());
  if (help->type() == QEvent::WhatsThis && !text.isEmpty())
    QWhatsThis::showText(help->globalPos(), text, viewport());
  return !text.isEmpty();
}

bool TableEditor::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress && isValidFocus(focusRow_, focusColumn_)) {
    // Tab moves within the table, not to the next control.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

}  // namespace rerore
