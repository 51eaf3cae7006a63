// The promise the readers keep whatever the input: no infinity and no NaN
// in the model. A fuzz target traps as soon as one gets in.
#pragma once

#include <cmath>

#include "model/finite_records.h"
#include "model/session.h"

namespace rerore::fuzz {

template <class Record, size_t N>
bool RowsFinite(const std::array<Record, N>& table, int rows) {
  for (int row = 1; row <= rows; ++row)
    if (!NumbersFinite(table[row])) return false;
  return true;
}

inline void RequireFiniteModel(const Session& session) {
  const ModelTables& m = session.model;
  ModelParameters params = m.params;
  const bool finite = RowsFinite(m.elements, ElementRows(m)) && RowsFinite(m.nodes, NodeRows(m)) &&
                      RowsFinite(m.supports, SupportRows(m)) &&
                      RowsFinite(m.materials, MaterialRows(m)) &&
                      RowsFinite(m.crossSections, CrossSectionRows(m)) &&
                      KeepParameterNumbersFinite(params) && std::isfinite(m.parabola.span) &&
                      std::isfinite(m.parabola.rise) && NumbersFinite(session.view.extents);
  if (!finite) __builtin_trap();
}

}  // namespace rerore::fuzz
