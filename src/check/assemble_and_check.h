// The middle stage of the structural check: the support stiffness, the
// elements, the supports as springs on the diagonal, the mechanism analysis
// and the two warnings about a frame that can move as a whole.
#pragma once

#include "check/stiffness_matrix.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// Fills the matrix (n = equationCount) with elements and supports. Returns
// 1 when the matrix is complete, whether or not a warning was shown, and 0
// when an element was rejected.
int AssembleAndCheck(Session& s, StiffnessMatrix& stiffness, UserMessages& messages,
                     CheckWorkspace& work);
int AssembleAndCheck(Session& s, StiffnessMatrix& stiffness, UserMessages& messages);

// The springs of the node supports: factor times rigidStiffness on the
// diagonal of u, v and the node's first rotation.
void AddSupportSprings(const ModelTables& model, StiffnessMatrix& stiffness);

}  // namespace rerore
