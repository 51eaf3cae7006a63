// Fast text of the big matrix listings. The numbers come from
// std::to_chars, which gives exactly the bytes of the printf formats used
// here ("%.2f", "%5.2lf"): both print the correctly rounded decimal.
#pragma once

#include <string>

#include "check/stiffness_matrix.h"

namespace rerore {

// Appends value as printf("%*.*f", width, precision, value) would.
void AppendFixed(std::string& out, double value, int precision, int width);

// The listings replace the content of `out`, whose memory is reused from
// one listing to the next.

// Each row "%i: " with the row number, then "%.2f  " per entry, then an
// empty line (CR LF line ends).
void NumberedMatrixText(const StiffnessMatrix& matrix, std::string& out);

// Each row "%5.2lf  " per entry, then an empty line (CR LF line ends).
void AlignedMatrixText(const StiffnessMatrix& matrix, std::string& out);

}  // namespace rerore
