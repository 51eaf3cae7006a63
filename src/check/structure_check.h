// The structural check run by Store: assembly with supports and the
// mechanism analysis, the matrix files, the flexibility matrix (the
// inverse of the stiffness matrix) and the ranking of its diagonal.
#pragma once

#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// Returns 0 when the frame was solved, the equation at which it was found
// singular, or kCheckRefused (negative) when the model was not checked: it
// does not fit the check's limits or an element has no stiffness. The
// result is also left in s.check.checkResult.
int CheckStructure(Session& s, UserMessages& messages);

}  // namespace rerore
