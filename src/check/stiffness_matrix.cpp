#include "check/stiffness_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "model/file_io.h"

namespace rerore {

namespace {
constexpr int kMatrixWriteFailure = -1;
}  // namespace

StiffnessMatrix::StiffnessMatrix(int n)
    : n_(n), data_(static_cast<size_t>(n + 1) * static_cast<size_t>(n + 1), 0.0) {}

void StiffnessMatrix::setZero() { std::fill(data_.begin(), data_.end(), 0.0); }

void StiffnessMatrix::reset(int n) {
  n_ = n;
  data_.assign(static_cast<size_t>(n + 1) * static_cast<size_t>(n + 1), 0.0);
}

void StiffnessMatrix::swapRows(int i, int j) { std::swap_ranges(row(i), row(i) + n_ + 1, row(j)); }

std::string_view StiffnessMatrix::rowsImage() const {
  if (n_ == 0) return {};
  return std::string_view(reinterpret_cast<const char*>(row(1)),
                          static_cast<size_t>(n_) * (n_ + 1) * sizeof(double));
}

std::vector<std::string_view> StiffnessMatrix::packedRows() const {
  std::vector<std::string_view> rows;
  for (int i = 1; i <= n_; ++i)
    rows.emplace_back(reinterpret_cast<const char*>(row(i) + 1),
                      static_cast<size_t>(n_) * sizeof(double));
  return rows;
}

void StiffnessMatrix::transposedImage(std::string& out) const {
  const size_t width = static_cast<size_t>(n_) + 1;
  out.assign(static_cast<size_t>(n_) * width * sizeof(double), '\0');
  char* image = out.data();
  for (int i = 1; i <= n_; ++i) {
    const double* source = row(i);
    for (int j = 1; j <= n_; ++j)
      std::memcpy(image + ((j - 1) * width + i) * sizeof(double), source + j, sizeof(double));
  }
}

std::vector<RowSpan> StiffnessMatrix::rowSpans() const {
  std::vector<RowSpan> spans(n_ + 1);
  for (int i = 1; i <= n_; ++i) {
    const double* r = row(i);
    int first = 1;
    while (first <= n_ && r[first] == 0.0) ++first;
    int last = n_;
    while (last >= first && r[last] == 0.0) --last;
    spans[i] = {first, last};
  }
  return spans;
}

bool StiffnessMatrix::allFinite() const {
  return std::all_of(data_.begin(), data_.end(), [](double v) { return std::isfinite(v); });
}

StiffnessMatrix AllocateStiffnessMatrix(int n, UserMessages& messages) {
  try {
    return StiffnessMatrix(n);
  } catch (const std::bad_alloc&) {
    messages.message(Format("Starting at column %i of %i allocation error.", 0, n), "Error");
    throw ProgramExit(kMatrixWriteFailure);
  }
}

void SaveMatrixImage(const PositionPaths& paths, const std::string& stem,
                     const std::vector<std::string_view>& image, UserMessages& messages) {
  if (WriteFileAtomically(paths.file(stem), image)) return;
  messages.message("Error on opening binary file for matrix", "Error");
  throw ProgramExit(kMatrixWriteFailure);
}

}  // namespace rerore
