// The nodes and supports table: the nodes the numbering made from the
// element ends, with the factors k of their elastic supports in u, v and
// phi. A support's stiffness is the base stiffness (largest E times largest
// A) times k.
#pragma once

#include <optional>

#include "commands/cell_table.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// A row for every node the model can hold, so that OK never drops nodes.
inline constexpr int kNodeTableRows = kMaxNodes + 1;
inline constexpr int kNodeTableColumns = 6;
inline constexpr int kNodeXColumn = 1;
inline constexpr int kNodeYColumn = 2;
inline constexpr int kNodeUColumn = 3;
inline constexpr int kNodePhiColumn = 5;

// The position directory, MATR when it exists, the base stiffness (also
// into the parameter block), and NODES when it exists (else no nodes).
void OpenNodeTable(Session& session);

// Rows 1..nodeCount: x and y ("%.2f"), the three factors ("%5.3lE").
void FillNodeTable(const ModelTables& model, CellTable& cells);

// OK: node rows, support rows (one per node with a factor > 0), NODES and
// LKNOTENR. False with "Too many supports, max = %i" when more nodes are
// supported than the support table holds, or with "The number %s is too
// large" for a number beyond the float range; then nothing changes.
bool AcceptNodeTable(Session& session, const CellTable& cells, UserMessages& messages);

// The factor k that gives the target stiffness; nothing while the base
// stiffness is 0.
std::optional<float> SupportFactorFor(float target, float rigidStiffness);

}  // namespace rerore
