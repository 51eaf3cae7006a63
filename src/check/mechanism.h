// The mechanism analysis: when the assembled matrix is singular, one mode
// of motion (the kinematic vector) and the pole about which every element
// turns in it, for the view to draw. Also the drawing extent that includes
// the poles.
#pragma once

#include "check/stiffness_matrix.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// Reduces a copy of the matrix to echelon form and writes the listings
// MATH_KMATRIX.TXT, MATH_TRIANGULAR.TXT and MATH_RREF.TXT; when the frame is
// a mechanism, sets the kinematic vector and the pole table and writes
// MATH_UKINEMATIC.TXT. The matrix itself is left as it is.
void AnalyseMechanism(Session& s, const StiffnessMatrix& stiffness, CheckWorkspace& work);
void AnalyseMechanism(Session& s, const StiffnessMatrix& stiffness);

// The reduction that AnalyseMechanism makes, on `k` in place: forward
// elimination, back reduction, normalised rows. Returns the number of
// pivots that are practically zero.
int ReduceToEchelon(StiffnessMatrix& k);

// The same analysis without any file, on `k` (the assembled matrix, which
// it reduces in place): when the frame is a mechanism, sets the kinematic
// vector and the pole table of `check` as AnalyseMechanism sets them and
// returns true.
bool FindModeAndPoles(const ModelTables& model, StiffnessMatrix& k, CheckResults& check);

// The extent of the element ends and of every pole; written to
// EXTENSIOPOLESR and, when that worked, made the view's world extent.
void WritePolesExtent(Session& s);

}  // namespace rerore
