#include "check/echelon.h"

#include <cmath>
#include <vector>

#include "model/constants.h"

namespace rerore {

void SubtractMultiple(double* __restrict dst, const double* __restrict src, double f, int count) {
  for (int i = 0; i < count; ++i) dst[i] -= f * src[i];
}

void EliminateForward(StiffnessMatrix& k) {
  const int n = k.size();
  for (int i = 1; i < n; ++i) {
    const double* pivotRow = k.row(i);
    const double pivot = pivotRow[i];
    if (pivot == 0.0) continue;
    int last = n;
    while (last > i && pivotRow[last] == 0.0) --last;
    for (int r = i + 1; r <= n; ++r) {
      double* row = k.row(r);
      if (row[i] == 0.0) continue;
      const double f = row[i] / pivot;
      if (f != 0.0) SubtractMultiple(row + i, pivotRow + i, f, last - i + 1);
    }
  }
}

void ReduceBackward(StiffnessMatrix& k) {
  const int n = k.size();
  // A row below r is still as the elimination left it when row r uses it.
  const std::vector<RowSpan> spans = k.rowSpans();
  for (int r = 1; r <= n; ++r) {
    double* row = k.row(r);
    for (int j = r + 1; j <= n; ++j) {
      const double* pivotRow = k.row(j);
      const double pivot = pivotRow[j];
      if (!(std::fabs(pivot) > kEchelonBackPivot) || row[j] == 0.0) continue;
      const double f = row[j] / pivot;
      const RowSpan span = spans[j];
      if (f != 0.0 && span.first <= span.last)
        SubtractMultiple(row + span.first, pivotRow + span.first, f, span.last - span.first + 1);
    }
  }
}

int CountZeroPivots(const StiffnessMatrix& k) {
  int zeros = 0;
  for (int i = 1; i <= k.size(); ++i)
    if (std::fabs(k(i, i)) < kEchelonZeroPivot) ++zeros;
  return zeros;
}

void NormaliseRows(StiffnessMatrix& k) {
  const int n = k.size();
  for (int i = 1; i <= n; ++i) {
    double* row = k.row(i);
    const double d = row[i];
    if (d == 0.0) continue;
    for (int c = 1; c <= n; ++c) row[c] = row[c] / d;
    if (std::fabs(d) < kEchelonZeroPivot) row[i] = d;
  }
}

int FreeColumn(const StiffnessMatrix& k) {
  for (int i = 1; i <= k.size(); ++i)
    if (k(i, i) < kEchelonFreeColumn) return i;
  return k.size();
}

}  // namespace rerore
