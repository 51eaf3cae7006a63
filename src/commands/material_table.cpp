#include "commands/material_table.h"

#include "commands/table_files.h"
#include "model/parse_number.h"
#include "model/position_files.h"

namespace rerore {

void OpenMaterialTable(Session& session) {
  EnsurePositionDirectory(session.paths);
  ReadMaterialsFile(session.paths, session.model);
  if (session.model.params.materialCount == 0) SetDefaultMaterial(session.model);
}

void FillMaterialTable(const ModelTables& model, CellTable& cells) {
  for (int i = 1; i <= MaterialRows(model) && i < cells.rows(); ++i) {
    cells.at(i, kMaterialNumberColumn) = Format("%i", model.materials[i].number);
    cells.at(i, kMaterialModulusColumn) = Format("%.3lE", model.materials[i].modulus);
  }
}

namespace {

// A modulus of zero or below describes no material; the check would only
// refuse it much later, without naming the row.
bool ModuliPositive(const CellTable& cells, UserMessages& messages) {
  for (int i = 1; i < cells.rows() && i <= kMaxMaterials; ++i) {
    if (!ColumnsFilled(cells, i, kMaterialNumberColumn, kMaterialModulusColumn)) continue;
    if (parseNumber(cells.at(i, kMaterialModulusColumn)) > 0.0f) continue;
    messages.message(Format("Row %i: the modulus must be positive", i), "Error");
    return false;
  }
  return true;
}

}  // namespace

bool AcceptMaterialTable(Session& session, const CellTable& cells, UserMessages& messages) {
  if (!RowsInOrder(cells, kMaterialNumberColumn, kMaterialModulusColumn, messages) ||
      !NumbersFit(cells, kMaterialModulusColumn, kMaterialModulusColumn, messages) ||
      !ModuliPositive(cells, messages))
    return false;
  ModelTables& model = session.model;
  model.params.materialCount = 0;
  model.params.materialInputState = 0;
  for (int i = 1; i < cells.rows(); ++i) {
    if (cells.empty(i, kMaterialNumberColumn)) continue;
    if (i > kMaxMaterials) {
      messages.message(Format("Too many materials, max = %i", kMaxMaterials), "Error");
      return false;
    }
    MaterialRecord& material = model.materials[i];
    material.number = static_cast<int16_t>(parseInteger(cells.at(i, kMaterialNumberColumn)));
    if (cells.empty(i, kMaterialModulusColumn)) continue;
    material.modulus = parseNumber(cells.at(i, kMaterialModulusColumn));
    material.secondConstant = 0.0f;
    ++model.params.materialCount;
  }
  WriteMaterialsFile(session.paths, model);
  model.params.defaultModulus = model.materials[1].modulus;
  model.params.materialConstant = 0.0;
  return true;
}

}  // namespace rerore
