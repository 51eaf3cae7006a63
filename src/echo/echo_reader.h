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
// that follow is lowered without a message.
void ParseEcho(Session& s, UserMessages& messages, const EchoLineStore& store);

}  // namespace rerore
