#include "commands/section_table.h"

#include "commands/table_files.h"
#include "model/parse_number.h"
#include "model/position_files.h"

namespace rerore {

void OpenSectionTable(Session& session) {
  EnsurePositionDirectory(session.paths);
  ModelTables& model = session.model;
  ReadCrossSectionsFile(session.paths, model);
  if (model.params.crossSectionCount != 0) return;
  CrossSectionRecord& section = model.crossSections[1];
  section.number = 1;
  section.width = kDefaultWidth;
  section.height = kDefaultHeight;
  section.area = kDefaultArea;
  section.inertia = kTableDefaultInertia;
  model.params.crossSectionCount = 1;
}

void FillSectionTable(const ModelTables& model, CellTable& cells) {
  for (int i = 1; i <= CrossSectionRows(model) && i < cells.rows(); ++i) {
    const CrossSectionRecord& section = model.crossSections[i];
    cells.at(i, kSectionWidthColumn) = Format("%.3lf", section.width);
    cells.at(i, kSectionHeightColumn) = Format("%.3lf", section.height);
    cells.at(i, kSectionAreaColumn) = Format("%.3lE", section.area);
    cells.at(i, kSectionInertiaColumn) = Format("%.3lE", section.inertia);
  }
}

namespace {

// Reads the columns in order; the first empty one ends the row. True when
// all four were there.
bool ReadSectionRow(const CellTable& cells, int row, CrossSectionRecord& section) {
  float* const fields[] = {&section.width, &section.height, &section.area, &section.inertia};
  for (int column = kSectionWidthColumn; column <= kSectionInertiaColumn; ++column) {
    if (cells.empty(row, column)) return false;
    *fields[column - kSectionWidthColumn] = parseNumber(cells.at(row, column));
  }
  return true;
}

// A counted row needs width, height, area and inertia above zero: no bar
// has a section of nothing or less.
bool SectionValuesPositive(const CellTable& cells, UserMessages& messages) {
  for (int i = 1; i < cells.rows() && i <= kMaxCrossSections; ++i) {
    if (!ColumnsFilled(cells, i, kSectionWidthColumn, kSectionInertiaColumn)) continue;
    for (int column = kSectionWidthColumn; column <= kSectionInertiaColumn; ++column) {
      if (parseNumber(cells.at(i, column)) > 0.0f) continue;
      messages.message(Format("Row %i: the section values must be positive", i), "Error");
      return false;
    }
  }
  return true;
}

}  // namespace

bool AcceptSectionTable(Session& session, const CellTable& cells, UserMessages& messages) {
  if (!RowsInOrder(cells, kSectionWidthColumn, kSectionInertiaColumn, messages) ||
      !NumbersFit(cells, kSectionWidthColumn, kSectionInertiaColumn, messages) ||
      !SectionValuesPositive(cells, messages))
    return false;
  ModelTables& model = session.model;
  model.params.crossSectionCount = 0;
  for (int i = 1; i < cells.rows(); ++i) {
    if (i > kMaxCrossSections) {
      if (!ColumnsFilled(cells, i, kSectionWidthColumn, kSectionInertiaColumn)) continue;
      messages.message(Format("Too many cross sections, max = %i", kMaxCrossSections), "Error");
      return false;
    }
    CrossSectionRecord& section = model.crossSections[i];
    section.number = static_cast<int16_t>(i);
    if (ReadSectionRow(cells, i, section)) ++model.params.crossSectionCount;
  }
  WriteCrossSectionsFile(session.paths, model);
  return true;
}

}  // namespace rerore
