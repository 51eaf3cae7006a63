// The middle stage of the structural check: the support stiffness, the
// elements, the supports as springs on the diagonal, the mechanism analysis
// and the two warnings about a frame that can move as a whole.
#pragma once

#include "check/stiffness_matrix.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// Said when the matrix or the solution holds an infinite value or one that
// is not a number: nothing computed from it would mean anything.
inline constexpr const char* kNotFiniteMatrixText =
    "Error in the stiffness matrix: a value is not finite. Check coordinates, E, A and I";

// Fills the matrix (n = equationCount) with elements and supports. Returns
// 1 when the matrix is complete, whether or not a warning was shown, and 0
// when an element was rejected or an entry is not finite.
int AssembleAndCheck(Session& s, StiffnessMatrix& stiffness, UserMessages& messages,
                     CheckWorkspace& work);
int AssembleAndCheck(Session& s, StiffnessMatrix& stiffness, UserMessages& messages);

// The matrix with elements and supports, as the check assembles it, without
// any file: zeroed, rigidStiffness set, every element added, then the
// springs. Returns 0 when an element was rejected or an entry is not finite
// (after its message).
int AssembleWithSupports(ModelTables& model, StiffnessMatrix& stiffness, UserMessages& messages);

// The two warnings about a frame that can move as a whole: the springs
// that resist a unit translation of every node along u (v) add up to less
// than 0.1.
struct StabilityWarnings {
  bool rollsSideways = false;
  bool notAnchored = false;
};
StabilityWarnings TestStability(const ModelTables& model, const StiffnessMatrix& stiffness);

// The springs of the node supports: factor times rigidStiffness on the
// diagonal of u, v and the node's first rotation.
void AddSupportSprings(const ModelTables& model, StiffnessMatrix& stiffness);

}  // namespace rerore
