// The elements table: end coordinates, material, section, the compression
// and tension flags and the hinges of elements 1 to 100, and what accepting
// it does to the model and the files.
#pragma once

#include "commands/cell_table.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

inline constexpr int kElementTableRows = kMaxElements + 1;
inline constexpr int kElementTableColumns = 11;
inline constexpr int kElementXaColumn = 1;
inline constexpr int kElementYaColumn = 2;
inline constexpr int kElementXbColumn = 3;
inline constexpr int kElementYbColumn = 4;
inline constexpr int kElementMaterialColumn = 5;
inline constexpr int kElementTensionColumn = 8;
inline constexpr int kElementHingeRightColumn = 10;

// Rows 1..elementCount from the model: coordinates "%.2f", the rest "%i".
void FillElementTable(const ModelTables& model, CellTable& cells);

// OK: the rows become elements 1..n, then the derived geometry, ELEMENTS,
// EXTENSIOR, the rebuilt nodes and equations, the input marks and
// GEOMETRY = 1. An empty table leaves the empty drawing. False (with its
// message) when a filled row follows an incomplete one, a coordinate is
// too large for a float, or a complete row names a material or a cross
// section without a row ("Row %i: material %i does not exist", "Row %i:
// cross section %i does not exist"); then nothing changes.
bool AcceptElementTable(Session& session, const CellTable& cells, UserMessages& messages);

// Turns every element whose end b lies to the left of end a, so that no
// element is drawn upside down; vertical and zero-length ones stay.
void RearrangeElements(ModelTables& model);

}  // namespace rerore
