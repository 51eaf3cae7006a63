// Reading an echo-type text file back into the model: the sections of the
// line store are copied into the tables, the nodes and equations are
// derived again from the elements, and every table file is rewritten.
#pragma once

#include "echo/echo_lines.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// Reads title, materials, cross sections, elements, nodes, supports and
// the parabola from the store, rebuilds the model and writes ELEMENTS,
// EXTENSIOR, NODES, LKNOTENR, CROSS, MATR and PARAMR. A section that is
// missing counts 0 rows; a count above a table's places or above the lines
// that follow is lowered without a message. A row with a number beyond the
// float range is refused with "%s row %i: the number %s is too large; the
// row is refused" (title "Error"): a material, section or node row stays
// in place without values, an element or support row is left out, a
// parabola row leaves the parabola as it was.
void ParseEcho(Session& s, UserMessages& messages, const EchoLineStore& store);

}  // namespace rerore
