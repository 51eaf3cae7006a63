#include "commands/element_table.h"

#include <cmath>
#include <string>
#include <utility>

#include "check/rebuild.h"
#include "model/parse_number.h"
#include "model/position_files.h"

namespace rerore {

namespace {

constexpr const char* kCoordinateFormat = "%.2f";
constexpr int kCoordinateColumns = 4;

// The whole-number fields of columns 5 to 10, in column order.
template <class Element>
auto& WholeField(Element& e, int column) {
  switch (column - kElementMaterialColumn) {
    case 0:
      return e.material;
    case 1:
      return e.crossSection;
    case 2:
      return e.compression;
    case 3:
      return e.tension;
    case 4:
      return e.hingeLeft;
    default:
      return e.hingeRight;
  }
}

// Reads the columns in order until the first empty one; the fields read
// stay in the element. True when all ten were there.
bool ReadElementRow(const CellTable& cells, int row, ElementRecord& e) {
  float coordinates[kCoordinateColumns] = {e.xa, e.ya, e.xb, e.yb};
  int column = kElementXaColumn;
  for (; column <= kElementHingeRightColumn && !cells.empty(row, column); ++column) {
    const std::string& text = cells.at(row, column);
    if (column <= kCoordinateColumns) {
      float& value = coordinates[column - kElementXaColumn];
      value = CellNumber(text, value, kCoordinateFormat);
    } else {
      WholeField(e, column) = static_cast<int16_t>(parseInteger(text));
    }
  }
  const int read = column - kElementXaColumn;
  if (read >= 1) e.xa = coordinates[0];
  if (read >= 2) SetElementLeft(e, e.xa, coordinates[1]);
  if (read >= 3) e.xb = coordinates[2];
  if (read >= 4) SetElementRight(e, e.xb, coordinates[3]);
  return column > kElementHingeRightColumn;
}

// Ends so far apart that the length leaves the float range give no element;
// the coordinate farthest from zero is named.
bool LengthsFit(const CellTable& cells, UserMessages& messages) {
  for (int i = 1; i < cells.rows() && i <= kMaxElements; ++i) {
    if (!ColumnsFilled(cells, i, kElementXaColumn, kElementHingeRightColumn)) continue;
    float values[kCoordinateColumns];
    int largest = 0;
    for (int c = 0; c < kCoordinateColumns; ++c) {
      values[c] = parseNumber(cells.at(i, kElementXaColumn + c));
      if (std::fabs(values[c]) > std::fabs(values[largest])) largest = c;
    }
    ElementRecord e{};
    SetElementLeft(e, values[0], values[1]);
    SetElementRight(e, values[2], values[3]);
    if (ElementGeometryFits(e)) continue;
    messages.message(TooLargeNumberMessage(cells.at(i, kElementXaColumn + largest)), "Error");
    return false;
  }
  return true;
}

// A complete row must name a material and a section that have rows: any
// other number has no stiffness behind it.
bool ReferencesExist(const ModelTables& model, const CellTable& cells, UserMessages& messages) {
  const int sectionColumn = kElementMaterialColumn + 1;
  for (int i = 1; i < cells.rows() && i <= kMaxElements; ++i) {
    if (!ColumnsFilled(cells, i, kElementXaColumn, kElementHingeRightColumn)) continue;
    const int material = parseInteger(cells.at(i, kElementMaterialColumn));
    const int section = parseInteger(cells.at(i, sectionColumn));
    std::string fault;
    if (material < 1 || material > MaterialRows(model))
      fault = Format("Row %i: material %i does not exist", i, material);
    else if (section < 1 || section > CrossSectionRows(model))
      fault = Format("Row %i: cross section %i does not exist", i, section);
    if (fault.empty()) continue;
    messages.message(fault, "Error");
    return false;
  }
  return true;
}

void ShowEmptyDrawing(ViewSettings& view) {
  view.extents = {kEmptyDrawingXMin, kEmptyDrawingYMin, kEmptyDrawingXMax, kEmptyDrawingYMax};
  view.autoScale = false;
  view.unitsPerMetre = kEmptyDrawingUnitsPerMetre;
  view.resetZoomRequested = true;
}

}  // namespace

void FillElementTable(const ModelTables& model, CellTable& cells) {
  for (int i = 1; i <= ElementRows(model) && i < cells.rows(); ++i) {
    const ElementRecord& e = model.elements[i];
    const float coordinates[kCoordinateColumns] = {e.xa, e.ya, e.xb, e.yb};
    for (int c = 0; c < kCoordinateColumns; ++c)
      cells.at(i, kElementXaColumn + c) = Format(kCoordinateFormat, coordinates[c]);
    for (int c = kElementMaterialColumn; c <= kElementHingeRightColumn; ++c)
      cells.at(i, c) = Format("%i", WholeField(e, c));
  }
}

bool AcceptElementTable(Session& session, const CellTable& cells, UserMessages& messages) {
  ModelTables& model = session.model;
  if (!RowsInOrder(cells, kElementXaColumn, kElementHingeRightColumn, messages) ||
      !NumbersFit(cells, kElementXaColumn, kElementYbColumn, messages) ||
      !LengthsFit(cells, messages) || !ReferencesExist(model, cells, messages))
    return false;
  session.check.outcome.reset();  // the view stops showing the mechanism
  model.params.elementCount = 0;
  bool tooMany = false;
  for (int i = 1; i < cells.rows(); ++i) {
    if (cells.empty(i, kElementXaColumn)) continue;
    if (i > kMaxElements) {
      messages.message(Format("Too many elements %i, max = %i", i, kMaxElements), "Error");
      tooMany = true;
      break;
    }
    if (ReadElementRow(cells, i, model.elements[i])) ++model.params.elementCount;
  }
  // The frame changed: GEOMETRY says so before any table does; only a
  // Store that finds the frame sound writes 1.
  EnsurePositionDirectory(session.paths);
  WriteGeometryFile(session.paths, kGeometryUnchecked);
  if (!tooMany) WriteModelExtent(session);
  RebuildModel(session, messages);
  model.params.geometryEntered = 1;
  model.params.inputState4 = 1;
  model.params.inputState52 = 1;
  if (model.params.elementCount == 0) ShowEmptyDrawing(session.view);
  return true;
}

void RearrangeElements(ModelTables& model) {
  for (int k = 1; k <= ElementRows(model); ++k) {
    ElementRecord& e = model.elements[k];
    const double dx = e.xb - e.xa;
    const double dy = e.yb - e.ya;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double c = length > kZeroLength ? dx / length : kAxisDegenerate;
    if (c < 0.0) {
      std::swap(e.xa, e.xb);
      std::swap(e.ya, e.yb);
      std::swap(e.za, e.zb);
    }
    ComputeElementGeometry(e, model.params.angleFlag != 0);
  }
}

}  // namespace rerore
