// The process-wide values through which a table dialog configures the
// table editor, and the few run-wide flags of the table dialogs.
#pragma once

#include <array>

namespace rerore {

// Selects the completions of the Return key.
inline constexpr int kTableNone = 0;
inline constexpr int kTableMaterials = 2;  // also the nodes table, which has no completion
inline constexpr int kTableSections = 3;
inline constexpr int kTableElements = 10;  // also the frame generator's storeys
inline constexpr int kTableContinuousBeam = 17;

// Character classes: which characters a column keeps when an edit ends.
inline constexpr int kClassAny = 0;
inline constexpr int kClassDecimal = 1;
inline constexpr int kClassExponent = 2;
inline constexpr int kClassWhole = 3;
inline constexpr int kClassConcrete = 10;

inline constexpr int kColumnClassSlots = 32;

extern int tableKind;
extern std::array<int, kColumnClassSlots> columnClass;
// Set by every key the editor handles and by loading a list file; the view
// reads it after the elements table closed to decide whether to redraw.
extern bool tableChanged;
// The current concrete class used last in the materials table.
extern int lastConcreteClass;
// Set from "Do not ask again" when the user confirms deleting an element.
extern bool skipDeleteQuestion;

// The class of a column (0 outside the array).
int ColumnClassOf(int column);

}  // namespace rerore
