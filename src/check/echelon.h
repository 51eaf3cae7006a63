// The reduction of the stiffness matrix to reduced row echelon form that
// the mechanism analysis reads its mode from. Every step does exactly the
// arithmetic of the plain loops over whole rows; it only leaves out the
// subtractions of exact zeros (a multiplier of 0, or entries outside a
// row's nonzero columns), which cannot change a value: no entry of an
// assembled matrix is ever -0.0, and x - (+-0.0) == x for every other x.
#pragma once

#include "check/stiffness_matrix.h"

namespace rerore {

// dst[i] -= f * src[i] for i = 0..count-1.
void SubtractMultiple(double* __restrict dst, const double* __restrict src, double f, int count);

// Gaussian elimination without pivoting; an exactly zero pivot leaves its
// column as it is.
void EliminateForward(StiffnessMatrix& k);

// Clears the entries right of each diagonal with the rows below, in the
// order row 1..n and within a row column r+1..n, using only pivots above
// 0.1 in magnitude.
void ReduceBackward(StiffnessMatrix& k);

// Rows whose reduced diagonal is below 1.0 in magnitude.
int CountZeroPivots(const StiffnessMatrix& k);

// Divides every row by its diagonal; a diagonal below 1.0 in magnitude is
// put back, so that a near-zero pivot stays visible as itself.
void NormaliseRows(StiffnessMatrix& k);

// The first equation whose reduced diagonal is below 0.01 (signed), else n.
int FreeColumn(const StiffnessMatrix& k);

}  // namespace rerore
