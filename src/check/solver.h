// The solution of K x = e(c) for every unit vector, which gives the
// flexibility matrix column by column: one LU factorisation with row swaps
// only for (nearly) zero pivots, and iterative refinement of every column
// until its residual is at most 1e-12 or 31 rounds were made.
//
// All columns follow the same arithmetic as one straightforward solve per
// column (sums in ascending index order); they are only worked on in
// panels of several columns at once, so that the factors stream through
// the cache once per panel, and the subtractions of exact zeros are left
// out (they cannot change a value that is not -0.0, and no right-hand side
// or residual ever holds -0.0).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "check/stiffness_matrix.h"
#include "model/constants.h"

namespace rerore {

struct PivotRecord {
  std::array<int16_t, kMaxCheckEquations + 1> swappedWith{};  // 0 = no swap at that pivot
  bool pivotSwapped = false;
};

// Factorises a in place: multipliers below the diagonal, the reduced upper
// triangle on and above it; b (1..n) is reduced alongside. Returns 0, or
// the equation without a usable pivot; the caller tells the user.
int Factorise(StiffnessMatrix& a, PivotRecord& pivots, double* b);

// The equation at which the solver's factorisation of `a` (in place) finds
// no usable pivot, as the check's first solve would report it; 0 when the
// frame can be solved.
int FirstSingularEquation(StiffnessMatrix& a);

class FlexibilitySolver {
 public:
  // The factors are made in `scratch` when it is given, reusing its memory.
  explicit FlexibilitySolver(const StiffnessMatrix& stiffness, StiffnessMatrix scratch = {});

  // Overwrites b (1..n) with the solution of K x = b. The first call
  // factorises, and returns the equation of a singularity (b is not solved
  // then); later calls reuse the factors. Otherwise the result is 0.
  int Solve(double* b);
  // K x = e(c) for the columns c = first..last, after the factorisation;
  // column c goes to out[(c - first) * n ...], as Solve would give it.
  void SolveUnitColumns(int first, int last, double* out) const;

  const StiffnessMatrix& factors() const { return lu_; }
  const PivotRecord& pivots() const { return pivots_; }

 private:
  struct Panel;
  void prepareSpans();
  void permute(Panel& p) const;
  void substitute(Panel& p, bool reduced) const;
  void refine(Panel& p, bool firstReduced, double* out, int first) const;

  const StiffnessMatrix& k_;
  StiffnessMatrix lu_;
  PivotRecord pivots_;
  std::vector<RowSpan> stiffnessSpans_;
  std::vector<int> lowerFirst_;  // first multiplier of each row
  std::vector<int> upperLast_;   // last upper-triangle entry of each row
  bool factorised_ = false;
};

}  // namespace rerore
