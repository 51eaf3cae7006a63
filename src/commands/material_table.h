// The materials table: rows of E-moduli between the MATR file and the
// dialog that shows them.
#pragma once

#include "commands/cell_table.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

inline constexpr int kMaterialTableRows = kMaxMaterials + 1;
inline constexpr int kMaterialTableColumns = 3;
inline constexpr int kMaterialNumberColumn = 1;
inline constexpr int kMaterialModulusColumn = 2;

// Before the table is shown: the position directory, the MATR file when it
// exists, and the default material when there is none.
void OpenMaterialTable(Session& session);

// Rows 1..materialCount: the number ("%i") and the modulus ("%.3lE").
void FillMaterialTable(const ModelTables& model, CellTable& cells);

// OK: the rows become materials 1..n and the MATR file. False (with its
// message) when the table is refused: a row missing between filled ones,
// more than 20 materials, a modulus too large for a float or not positive
// ("Row %i: the modulus must be positive"); then neither model nor file
// change.
bool AcceptMaterialTable(Session& session, const CellTable& cells, UserMessages& messages);

}  // namespace rerore
