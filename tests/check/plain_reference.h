// Loop-by-loop versions of the echelon reduction and of the column by
// column solve with refinement (whole rows, every column, no zero left
// out), to hold the fast versions against.
#pragma once

#include <string>
#include <vector>

#include "check/stiffness_matrix.h"

namespace rerore::test {

using DenseMatrix = std::vector<std::vector<double>>;  // [0..n][0..n], index 0 unused

DenseMatrix ToDense(const StiffnessMatrix& k);

struct PlainEchelon {
  std::string kmatrix, triangular, rref;  // the listings, CR LF line ends
  int zeroPivots = 0;
  std::vector<double> mode;  // 1..n
};
PlainEchelon PlainEchelonReduction(DenseMatrix k);

struct PlainSolution {
  int singular = 0;
  std::vector<double> inverse;  // column after column
};
PlainSolution PlainInverse(const DenseMatrix& k);

}  // namespace rerore::test
