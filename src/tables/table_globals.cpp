#include "tables/table_globals.h"

#include <cstddef>

namespace rerore {

int tableKind = kTableNone;
std::array<int, kColumnClassSlots> columnClass{};
bool tableChanged = false;
int lastConcreteClass = 0;
bool skipDeleteQuestion = false;

int ColumnClassOf(int column) {
  if (column < 0 || column >= kColumnClassSlots) return kClassAny;
  return columnClass[static_cast<std::size_t>(column)];
}

}  // namespace rerore
