// Loop-by-loop echelon reduction and refined solve (whole rows, no zero skipped).
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "check/stiffness_matrix.h"

namespace rerore::test {

using DenseMatrix = std::vector<std::vector<double>>;  // [0..n][0..n], index 0 unused

inline DenseMatrix ToDense(const StiffnessMatrix& k) {
  DenseMatrix d(k.size() + 1, std::vector<double>(k.size() + 1, 0.0));
  for (int i = 1; i <= k.size(); ++i)
    for (int j = 1; j <= k.size(); ++j) d[i][j] = k(i, j);
  return d;
}

inline std::string PlainListing(const DenseMatrix& k, bool numbered) {
  std::string out;
  char text[512];
  for (size_t i = 1; i < k.size(); ++i) {
    if (numbered) out.append(text, std::snprintf(text, sizeof text, "%zu: ", i));
    for (size_t j = 1; j < k.size(); ++j)
      out.append(text, std::snprintf(text, sizeof text, numbered ? "%.2f  " : "%5.2lf  ", k[i][j]));
    out += "\r\n\r\n";
  }
  return out;
}

struct PlainEchelon {
  std::string kmatrix, triangular, rref;  // the listings, CR LF line ends
  int zeroPivots = 0;
  std::vector<double> mode;  // 1..n
};

inline PlainEchelon PlainEchelonReduction(DenseMatrix k) {
  const int n = static_cast<int>(k.size()) - 1;
  PlainEchelon r;
  r.kmatrix = PlainListing(k, true);
  for (int i = 1; i <= n - 1; ++i)
    for (int row = i + 1; row <= n && k[i][i] != 0.0; ++row) {
      const double f = k[row][i] / k[i][i];
      for (int c = i; c <= n; ++c) k[row][c] = k[row][c] - f * k[i][c];
    }
  r.triangular = PlainListing(k, false);
  for (int row = 1; row <= n; ++row)
    for (int j = row + 1; j <= n; ++j) {
      if (!(std::fabs(k[j][j]) > 0.1)) continue;
      const double f = k[row][j] / k[j][j];
      for (int c = 1; c <= n; ++c) k[row][c] = k[row][c] - f * k[j][c];
    }
  for (int i = 1; i <= n; ++i) r.zeroPivots += std::fabs(k[i][i]) < 1.0 ? 1 : 0;
  for (int i = 1; i <= n; ++i) {
    const double d = k[i][i];
    for (int c = 1; c <= n && d != 0.0; ++c) k[i][c] = k[i][c] / d;
    if (std::fabs(d) < 1.0) k[i][i] = d;
  }
  r.rref = PlainListing(k, false);
  int free = n;
  for (int i = n; i >= 1; --i) free = k[i][i] < 0.01 ? i : free;
  r.mode.assign(n + 1, 0.0);
  for (int i = 1; i <= n; ++i) r.mode[i] = i == free ? 1.0 : -k[i][free];
  return r;
}

// The inverse column after column, or none and the first unusable pivot's row.
inline std::vector<double> PlainInverse(const DenseMatrix& k, int& singular) {
  const int n = static_cast<int>(k.size()) - 1;
  DenseMatrix lu = k;
  std::vector<int> swaps(n + 1, 0);
  std::vector<double> inverse;
  singular = 0;
  for (int c = 1; c <= n; ++c) {
    std::vector<double> b(n + 1, 0.0), sum(n + 1, 0.0);
    b[c] = 1.0;
    std::vector<double> s = b;
    for (int i = 1; c == 1 && i <= n; ++i) {  // the factorisation reduces column 1 alongside
      if (std::fabs(lu[i][i]) < 1e-5) {
        int j = i + 1;
        while (j <= n && !(std::fabs(lu[j][i]) > 1e-5)) ++j;
        if (j > n) return singular = i, inverse;
        std::swap(lu[i], lu[j]);
        std::swap(b[i], b[j]);
        swaps[i] = j;
      }
      for (int j = i + 1; j <= n; ++j) {
        const double m = lu[j][i] * (1.0 / lu[i][i]);
        lu[j][i] = m;
        for (int r = i + 1; r <= n; ++r) lu[j][r] = lu[j][r] - m * lu[i][r];
        b[j] = b[j] - m * b[i];
      }
    }
    for (int t = 0, forward = c != 1;; ++t, forward = true) {
      for (int i = 1; forward && i <= n; ++i)
        if (swaps[i] > 0) std::swap(b[i], b[swaps[i]]);
      for (int i = 1; forward && i <= n; ++i)
        for (int j = 1; j < i; ++j) b[i] = b[i] - lu[i][j] * b[j];
      for (int i = n; i >= 1; --i) {
        for (int j = i + 1; j <= n; ++j) b[i] = b[i] - lu[i][j] * b[j];
        b[i] = b[i] / lu[i][i];
      }
      double residual = 0.0;
      for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) s[i] = s[i] - k[i][j] * b[j];
        if (std::fabs(s[i]) > residual) residual = std::fabs(s[i]);
      }
      if (residual <= 1e-12 || t == 31) {
        for (int i = 1; t > 0 && i <= n; ++i) b[i] = b[i] + sum[i];
        break;
      }
      for (int i = 1; i <= n; ++i) sum[i] = sum[i] + b[i];
      b = s;
    }
    inverse.insert(inverse.end(), b.begin() + 1, b.end());
  }
  return inverse;
}

}  // namespace rerore::test
