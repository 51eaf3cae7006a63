#include "check/solver.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "check/echelon.h"

namespace rerore {

namespace {

constexpr int kPanelWidth = 8;  // columns solved together; one cache line per panel row
using PanelNorms = std::array<double, kPanelWidth>;

inline void PanelSubtract(double* __restrict dst, const double* __restrict src, double f) {
  for (int c = 0; c < kPanelWidth; ++c) dst[c] -= f * src[c];
}

// NaN compares false with everything: written this way, a pivot that is
// not a number is not usable either.
bool UsablePivot(double value) { return std::fabs(value) >= kSolverPivot; }

// The first row below the pivot whose entry in the pivot's column is usable.
int FindSwapRow(const StiffnessMatrix& a, int i) {
  for (int j = i + 1; j <= a.size(); ++j)
    if (std::fabs(a(j, i)) > kSolverPivot) return j;
  return 0;
}

int LastNonzero(const double* row, int from, int n) {
  int last = n;
  while (last >= from && row[last] == 0.0) --last;
  return last;
}

}  // namespace

int Factorise(StiffnessMatrix& a, PivotRecord& pivots, double* b) {
  pivots = PivotRecord{};
  const int n = a.size();
  for (int i = 1; i <= n; ++i) {
    if (!UsablePivot(a(i, i))) {
      const int j = FindSwapRow(a, i);
      if (j == 0) return i;
      a.swapRows(i, j);
      std::swap(b[i], b[j]);
      pivots.swappedWith[i] = static_cast<int16_t>(j);
      pivots.pivotSwapped = true;
    }
    const double* pivotRow = a.row(i);
    const double inverse = 1.0 / pivotRow[i];
    const int count = LastNonzero(pivotRow, i + 1, n) - i;
    for (int j = i + 1; j <= n; ++j) {
      double* row = a.row(j);
      const double m = row[i] * inverse;
      row[i] = m;
      if (m != 0.0 && count > 0) SubtractMultiple(row + i + 1, pivotRow + i + 1, m, count);
      b[j] = b[j] - m * b[i];
    }
  }
  return 0;
}

int FirstSingularEquation(StiffnessMatrix& a) {
  std::vector<double> b(a.size() + 1, 0.0);
  PivotRecord pivots;
  return Factorise(a, pivots, b.data());
}

// Right-hand sides, solutions, residuals and correction sums of up to
// kPanelWidth columns, row i of each at [i * kPanelWidth].
struct FlexibilitySolver::Panel {
  explicit Panel(int n)
      : size(static_cast<size_t>(n + 1) * kPanelWidth), x(size), s(size), a(size) {}
  double* row(std::vector<double>& v, int i) {
    return v.data() + static_cast<size_t>(i) * kPanelWidth;
  }
  void clear() {
    std::fill(x.begin(), x.end(), 0.0);
    std::fill(s.begin(), s.end(), 0.0);
    std::fill(a.begin(), a.end(), 0.0);
    column.fill(0);
    rounds.fill(0);
  }
  size_t size;
  std::vector<double> x;                  // right-hand side, then solution
  std::vector<double> s;                  // residual of the column's sum of solutions
  std::vector<double> a;                  // sum of the solutions before the last
  std::array<int, kPanelWidth> column{};  // its equation, 0 = finished or unused
  std::array<int, kPanelWidth> rounds{};
};

FlexibilitySolver::FlexibilitySolver(const StiffnessMatrix& stiffness, StiffnessMatrix scratch)
    : k_(stiffness), lu_(std::move(scratch)) {
  lu_ = stiffness;
}

void FlexibilitySolver::prepareSpans() {
  const int n = k_.size();
  stiffnessSpans_ = k_.rowSpans();
  lowerFirst_.assign(n + 1, 1);
  upperLast_.assign(n + 1, 0);
  for (int i = 1; i <= n; ++i) {
    const double* row = lu_.row(i);
    int first = 1;
    while (first < i && row[first] == 0.0) ++first;
    lowerFirst_[i] = first;
    upperLast_[i] = std::max(i, LastNonzero(row, i + 1, n));
  }
}

int FlexibilitySolver::Solve(double* b) {
  const int n = k_.size();
  Panel panel(n);
  panel.column[0] = 1;
  for (int i = 1; i <= n; ++i) panel.row(panel.s, i)[0] = b[i];
  const bool reduced = !factorised_;  // the factorisation reduces b alongside
  if (!factorised_) {
    const int singular = Factorise(lu_, pivots_, b);
    if (singular > 0) return singular;
    prepareSpans();
    factorised_ = true;
  }
  for (int i = 1; i <= n; ++i) panel.row(panel.x, i)[0] = b[i];
  refine(panel, reduced, b + 1, 1);
  return 0;
}

void FlexibilitySolver::SolveUnitColumns(int first, int last, double* out) const {
  const int n = k_.size();
  Panel panel(n);
  for (int start = first; start <= last; start += kPanelWidth) {
    panel.clear();
    for (int c = 0; c < kPanelWidth && start + c <= last; ++c) {
      panel.column[c] = start + c;
      panel.row(panel.x, start + c)[c] = 1.0;
      panel.row(panel.s, start + c)[c] = 1.0;
    }
    refine(panel, false, out, first);
  }
}

void FlexibilitySolver::permute(Panel& p) const {
  if (!pivots_.pivotSwapped) return;
  for (int i = 1; i <= k_.size(); ++i) {
    const int j = pivots_.swappedWith[i];
    if (j > 0) std::swap_ranges(p.row(p.x, i), p.row(p.x, i) + kPanelWidth, p.row(p.x, j));
  }
}

// Forward substitution (unless the factorisation already reduced the
// right-hand sides), then back substitution; x overwrites the right side.
void FlexibilitySolver::substitute(Panel& p, bool reduced) const {
  const int n = k_.size();
  if (!reduced) {
    permute(p);
    for (int i = 1; i <= n; ++i) {
      const double* l = lu_.row(i);
      double* xi = p.row(p.x, i);
      for (int k = lowerFirst_[i]; k < i; ++k)
        if (l[k] != 0.0) PanelSubtract(xi, p.row(p.x, k), l[k]);
    }
  }
  for (int i = n; i >= 1; --i) {
    const double* u = lu_.row(i);
    double* xi = p.row(p.x, i);
    for (int k = i + 1; k <= upperLast_[i]; ++k)
      if (u[k] != 0.0) PanelSubtract(xi, p.row(p.x, k), u[k]);
    for (int c = 0; c < kPanelWidth; ++c) xi[c] = xi[c] / u[i];
  }
}

namespace {

// s -= K x, and the largest |s| of every column.
PanelNorms SubtractProduct(const StiffnessMatrix& k, const std::vector<RowSpan>& spans,
                           const double* x, double* s) {
  PanelNorms norms{};
  for (int i = 1; i <= k.size(); ++i) {
    const double* row = k.row(i);
    double* si = s + static_cast<size_t>(i) * kPanelWidth;
    for (int j = spans[i].first; j <= spans[i].last; ++j)
      if (row[j] != 0.0) PanelSubtract(si, x + static_cast<size_t>(j) * kPanelWidth, row[j]);
    for (int c = 0; c < kPanelWidth; ++c)
      if (std::fabs(si[c]) > norms[c]) norms[c] = std::fabs(si[c]);
  }
  return norms;
}

}  // namespace

void FlexibilitySolver::refine(Panel& p, bool firstReduced, double* out, int first) const {
  const int n = k_.size();
  bool reduced = firstReduced;
  for (bool active = true; active; reduced = false) {
    substitute(p, reduced);
    const PanelNorms norms = SubtractProduct(k_, stiffnessSpans_, p.x.data(), p.s.data());
    active = false;
    for (int c = 0; c < kPanelWidth; ++c) {
      if (p.column[c] == 0) continue;
      const bool done = norms[c] <= kResidualTolerance || p.rounds[c] == kMaxRefinementRounds;
      double* target = out + static_cast<size_t>(p.column[c] - first) * n - 1;
      for (int i = 1; i <= n; ++i) {
        double& x = p.row(p.x, i)[c];
        double& s = p.row(p.s, i)[c];
        double& a = p.row(p.a, i)[c];
        if (done) {
          target[i] = p.rounds[c] > 0 ? x + a : x;
          x = s = 0.0;  // a finished column rides along as zeros
        } else {
          a = a + x;
          x = s;
        }
      }
      if (done) {
        p.column[c] = 0;
      } else {
        ++p.rounds[c];
        active = true;
      }
    }
  }
}

}  // namespace rerore
