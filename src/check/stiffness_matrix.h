// The dense global stiffness matrix of the check and the matrix files made
// from it. Rows and columns run 1..n; every row keeps an unused place 0 so
// that the rows 1..n, one after the other, are the MATRIX file image.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/position_paths.h"
#include "model/user_messages.h"

namespace rerore {

// Nonzero columns of one row: first..last, empty when first > last.
struct RowSpan {
  int first = 1;
  int last = 0;
};

class StiffnessMatrix {
 public:
  StiffnessMatrix() = default;
  explicit StiffnessMatrix(int n);

  int size() const { return n_; }
  double& operator()(int i, int j) { return data_[index(i, j)]; }
  double operator()(int i, int j) const { return data_[index(i, j)]; }
  double* row(int i) { return data_.data() + index(i, 0); }
  const double* row(int i) const { return data_.data() + index(i, 0); }
  void setZero();
  // n equations, every entry 0; the memory is kept when it suffices.
  void reset(int n);
  void swapRows(int i, int j);

  // Rows 1..n of n + 1 doubles each, place 0 first: MATRIX, MATRIXORI.
  std::string_view rowsImage() const;
  // Columns 1..n of every row only, row after row: MATRIXP.
  std::vector<std::string_view> packedRows() const;
  // Row r of the image holds column r of the matrix (place 0 first): LU.
  // The image replaces the content of `out`.
  void transposedImage(std::string& out) const;

  // The nonzero columns of every row, index 1..n.
  std::vector<RowSpan> rowSpans() const;
  // False when an entry is infinite or not a number.
  bool allFinite() const;

 private:
  size_t index(int i, int j) const {
    return static_cast<size_t>(i) * static_cast<size_t>(n_ + 1) + static_cast<size_t>(j);
  }
  int n_ = 0;
  std::vector<double> data_;
};

// The big buffers of one check, handed on from stage to stage: touching
// fresh memory pages is a good part of what a large check costs.
struct CheckWorkspace {
  StiffnessMatrix scratch;  // the echelon reduction's copy, then the factors
  std::string bytes;        // the listings, then the LU file image
};

// Allocates the matrix of n equations; a failed allocation ends the program
// with "Starting at column %i of %i allocation error.".
StiffnessMatrix AllocateStiffnessMatrix(int n, UserMessages& messages);

// Writes a matrix file image of the position; a file that cannot be created
// ends the program with "Error on opening binary file for matrix".
void SaveMatrixImage(const PositionPaths& paths, const std::string& stem,
                     const std::vector<std::string_view>& image, UserMessages& messages);

}  // namespace rerore
