// The Return key of the table editor: copy from above when the cell is
// empty, one cell on, and the completion of the particular table.
#include <cmath>

#include "commands/concrete_modulus.h"
#include "commands/element_table.h"
#include "commands/material_table.h"
#include "commands/section_table.h"
#include "model/parse_number.h"
#include "model/user_messages.h"
#include "tables/table_editor.h"

namespace rerore {

namespace {

constexpr int kBeamEndColumn = 1;
constexpr float kInertiaDivisor = 12.0f;

float CellValue(const QString& text) { return parseNumber(text.toStdString()); }

// A completion beyond the float range is written as the number it is, not
// as "INF": OK then names it as too large.
double Completed(float single, double exact) { return std::isfinite(single) ? single : exact; }

}  // namespace

void TableEditor::setCompletedText(int row, int column, const QString& text) {
  if (!isCell(row, column) || cell(row, column).readOnly) return;
  cell(row, column).text = text;
  modified_ = true;
  viewport()->update();
}

void TableEditor::pressReturn() {
  const int row = focusRow_;
  const int column = focusColumn_;
  QString text = cell(row, column).text;
  if (text.isEmpty()) {
    if (row == firstRow()) return;
    // "Return in empty cell copies from above"
    const QString above = cell(row - 1, column).text;
    if (!above.isEmpty() && !cell(row, column).readOnly) {
      setCompletedText(row, column, above);
      text = above;
    }
  }
  if (column < lastColumn())
    moveFocus(row, column + 1);
  else if (row < lastRow())
    moveFocus(row + 1, firstColumn());
  switch (kind_) {
    case TableKind::Materials:
      if (column == kMaterialNumberColumn && !text.isEmpty()) completeMaterial(row, column);
      break;
    case TableKind::CrossSections:
      if (column == kSectionHeightColumn) completeSection(row, column);
      break;
    case TableKind::Elements:
      if (!text.isEmpty()) completeElement(row, column);
      break;
    case TableKind::ContinuousBeam:
      if (!text.isEmpty()) completeContinuousBeam(row);
      break;
    case TableKind::Plain:
    case TableKind::Nodes:
    case TableKind::Storeys:
      break;
  }
}

// The modulus of the concrete class typed in the first column.
void TableEditor::completeMaterial(int row, int column) {
  if (lastColumn() < kMaterialModulusColumn || cell(row, kMaterialModulusColumn).readOnly) return;
  const auto modulus = ConcreteModulus(cell(row, column).text.toStdString(), secondModulusTable_,
                                       *lastConcreteClass_);
  if (!modulus) return;
  setCompletedText(row, kMaterialModulusColumn,
                   QString::fromStdString(Format("%.3lE", static_cast<double>(*modulus))));
}

// A and I of the rectangle b x h.
void TableEditor::completeSection(int row, int) {
  if (lastColumn() < kSectionInertiaColumn) return;
  const float b = CellValue(cell(row, kSectionWidthColumn).text);
  const float h = CellValue(cell(row, kSectionHeightColumn).text);
  const double area = Completed(b * h, static_cast<double>(b) * h);
  const double inertia = Completed(b * h * h * h / kInertiaDivisor,
                                   static_cast<double>(b) * h * h * h / kInertiaDivisor);
  setCompletedText(row, kSectionAreaColumn, QString::fromStdString(Format("%.4E", area)));
  setCompletedText(row, kSectionInertiaColumn, QString::fromStdString(Format("%.4E", inertia)));
  moveFocus(row, kSectionInertiaColumn);
}

// After yb: the usual material, section and flags, then the next element.
// After T: the next element starts where this one ended.
bool TableEditor::completeElement(int row, int column) {
  if (lastColumn() < kElementHingeRightColumn) return false;
  if (column == kElementYbColumn && cell(row, kElementMaterialColumn).text.isEmpty()) {
    for (int c = kElementMaterialColumn; c <= kElementTensionColumn; ++c)
      setCompletedText(row, c, "1");
    for (int c = kElementTensionColumn + 1; c <= kElementHingeRightColumn; ++c)
      setCompletedText(row, c, "0");
    if (row < lastRow()) moveFocus(row + 1, kElementXaColumn);
    return true;
  }
  if (column == kElementTensionColumn && row < lastRow() &&
      cell(row + 1, kElementXaColumn).text.isEmpty()) {
    setCompletedText(row + 1, kElementXaColumn, cell(row, kElementXbColumn).text);
    setCompletedText(row + 1, kElementYaColumn, cell(row, kElementYbColumn).text);
    moveFocus(row + 1, kElementXbColumn);
    return true;
  }
  return false;
}

// Spans of equal length: the next span end is (r + 1) times the first.
void TableEditor::completeContinuousBeam(int row) {
  if (row >= lastRow()) return;
  const float first = CellValue(cell(firstRow(), kBeamEndColumn).text);
  const double end = Completed(static_cast<float>(row + 1) * first, (row + 1.0) * first);
  setCompletedText(row + 1, kBeamEndColumn, QString::fromStdString(Format("%.2f", end)));
  moveFocus(row + 1, kBeamEndColumn);
}

}  // namespace rerore
