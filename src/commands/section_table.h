// The cross-sections table: width, height, area and moment of inertia of
// every section, between the CROSS file and the dialog.
#pragma once

#include "commands/cell_table.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

inline constexpr int kSectionTableRows = kMaxCrossSections + 1;
inline constexpr int kSectionTableColumns = 5;
inline constexpr int kSectionWidthColumn = 1;
inline constexpr int kSectionHeightColumn = 2;
inline constexpr int kSectionAreaColumn = 3;
inline constexpr int kSectionInertiaColumn = 4;

// The position directory, the CROSS file when it exists, and one default
// section (0.2 x 0.4) when there is none.
void OpenSectionTable(Session& session);

// Rows 1..crossSectionCount: b and h ("%.3lf"), A and I ("%.3lE").
void FillSectionTable(const ModelTables& model, CellTable& cells);

// OK: every row is section i; rows with all four values count. False (with
// its message) when the table is refused and nothing was written: a row
// missing between filled ones, more than 50 sections, a number too large
// for a float, or a counted row with a value of zero or below ("Row %i:
// the section values must be positive").
bool AcceptSectionTable(Session& session, const CellTable& cells, UserMessages& messages);

}  // namespace rerore
