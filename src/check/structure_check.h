// The structural check run by Store: assembly with supports and the
// mechanism analysis, the matrix files, the flexibility matrix (the
// inverse of the stiffness matrix) and the ranking of its diagonal.
#pragma once

#include <string>

#include "model/check_outcome.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

inline constexpr const char* kNoElementsText = "No elements: there is nothing to check.";

// Sound when the frame was solved, a mechanism at the equation where it was
// found singular, or refused when the model was not checked: it has no
// elements, does not fit the check's limits, an element has no stiffness
// (E, A and I must be finite and positive) or the matrix or its inverse
// holds a value that is not finite. The outcome is
// also left in s.check.outcome for the view.
CheckOutcome CheckStructure(Session& s, UserMessages& messages);

// The message with which the check refuses a model without elements or
// beyond its limits (too many nodes, element ends at a node or
// equations), or "".
std::string CheckLimitMessage(const ModelTables& model);

}  // namespace rerore
