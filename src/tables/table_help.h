// The What's This texts of the tables: one for the table as a whole (how
// to move and edit in it) and one for every column (what it holds, its
// unit, the values it takes), chosen by the kind of table.
#pragma once

#include "tables/table_editor.h"

namespace rerore {

// Gives the grid the texts of its kind; a Plain table gets only the
// general one.
void ExplainColumns(TableEditor& grid, TableKind kind);

}  // namespace rerore
