// The echo file: the readable and editable text form of a position's input
// (title, materials, cross sections, elements, nodes with their support
// factors, supports, the last parabola). Writing it also writes the
// companion files that the suite reads with it.
#pragma once

#include <string>

#include "model/file_io.h"
#include "model/session.h"

namespace rerore {

// Writes the echo file at `path`, then D1.TXT, GRAFIKGO, PARAMR, DOFSK,
// ELEMENTS and, when missing, FILES. An empty or blank title becomes
// "Position <name>" first, in the file and in the model.
void WriteEcho(Session& s, const std::string& path);

// The text of the echo file (lines ending with CR LF). Sets singleSupport.
void PrintEcho(TextOut& out, ModelTables& model);

}  // namespace rerore
