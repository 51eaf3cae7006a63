#include "check/matrix_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace rerore {

namespace {

constexpr int kListingPrecision = 2;
constexpr int kAlignedWidth = 5;
constexpr size_t kNumberBuffer = 400;    // the largest double in fixed notation fits
constexpr double kPrintsAsZero = 0.004;  // rounds to 0.00 with two decimals
constexpr const char* kEntrySeparator = "  ";
constexpr const char* kRowEnd = "\r\n\r\n";
constexpr size_t kTypicalEntry = 8;  // "  0.00  " and its like

void Pad(std::string& out, size_t length, int width) {
  if (length < static_cast<size_t>(width)) out.append(static_cast<size_t>(width) - length, ' ');
}

}  // namespace

void AppendFixed(std::string& out, double value, int precision, int width) {
  if (precision == kListingPrecision && std::fabs(value) < kPrintsAsZero) {
    // Most entries of the listings are zeros or rounding residuals.
    const std::string_view zero = std::signbit(value) ? "-0.00" : "0.00";
    Pad(out, zero.size(), width);
    out.append(zero);
    return;
  }
  char buffer[kNumberBuffer];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  const size_t length = static_cast<size_t>(result.ptr - buffer);
  Pad(out, length, width);
  out.append(buffer, length);
}

void NumberedMatrixText(const StiffnessMatrix& matrix, std::string& out) {
  const int n = matrix.size();
  out.clear();
  out.reserve(static_cast<size_t>(n) * n * kTypicalEntry);
  char label[16];
  for (int i = 1; i <= n; ++i) {
    const auto result = std::to_chars(label, label + sizeof label, i);
    out.append(label, result.ptr);
    out.append(": ");
    const double* row = matrix.row(i);
    for (int j = 1; j <= n; ++j) {
      AppendFixed(out, row[j], kListingPrecision, 0);
      out.append(kEntrySeparator);
    }
    out.append(kRowEnd);
  }
}

void AlignedMatrixText(const StiffnessMatrix& matrix, std::string& out) {
  const int n = matrix.size();
  out.clear();
  out.reserve(static_cast<size_t>(n) * n * kTypicalEntry);
  for (int i = 1; i <= n; ++i) {
    const double* row = matrix.row(i);
    for (int j = 1; j <= n; ++j) {
      AppendFixed(out, row[j], kListingPrecision, kAlignedWidth);
      out.append(kEntrySeparator);
    }
    out.append(kRowEnd);
  }
}

}  // namespace rerore
