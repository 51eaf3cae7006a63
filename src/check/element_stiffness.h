// The 6 x 6 stiffness matrix of a plane bending bar in global coordinates
// and its assembly into the global matrix through the element's equation
// numbers. Hinges are not the element's business: a hinged end simply has
// a rotation of its own.
#pragma once

#include <array>

#include "check/stiffness_matrix.h"
#include "model/model_tables.h"
#include "model/user_messages.h"

namespace rerore {

// Rows and columns 1..6 in the order of endDofs; row and column 0 unused.
using ElementMatrix = std::array<std::array<double, 7>, 7>;

// Computes the matrix of element k. Returns 1, or 0 after "Error in the
// stiffness of element k. Check E, A and I" when EA or EI is (nearly) zero.
int ElementStiffness(const ModelTables& model, int k, ElementMatrix& matrix,
                     UserMessages& messages);

// Adds every element to the matrix as it is; returns 0 at the first
// rejected element (the rest is not added), else 1.
int AddElements(const ModelTables& model, StiffnessMatrix& stiffness, UserMessages& messages);

// Zeroes the matrix, then adds every element.
int AssembleElements(const ModelTables& model, StiffnessMatrix& stiffness, UserMessages& messages);

}  // namespace rerore
