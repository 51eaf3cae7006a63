// The ranking of the flexibility diagonal: the displacement that a unit
// load causes in its own direction, from the largest (the weakest point of
// the frame) to the smallest, as FLEXMAX.TXT and FLEXMAX.
#pragma once

#include <string>
#include <vector>

#include "model/model_tables.h"
#include "model/position_paths.h"

namespace rerore {

// The equations 1..n in ranking order, largest value first; of equal values
// the higher equation comes first. values[0] is unused.
std::vector<int> RankDescending(const std::vector<float>& values);

struct EquationOwner {
  int node = 0;
  std::string label;  // "ux at Node %i", "uy at Node %i" or "phi at Node %i"
};

// The node whose u, v or first rotation is the equation (the last such
// node); an empty label when no node names it.
EquationOwner OwnerOf(const ModelTables& model, int equation);

// Writes FLEXMAX.TXT and FLEXMAX from the diagonal values[1..n].
void WriteFlexibilityRanking(const PositionPaths& paths, const ModelTables& model,
                             const std::vector<float>& values);

}  // namespace rerore
