// The frame as a DXF drawing for the engineer's CAD program: the AutoCAD
// 2000 format, in metres ($INSUNITS 6), written by dxflib. Each kind of thing
// has its layer: ELEMENTS (one LINE per element, in the table's order, from
// end a to end b), ELEMENT-NUMBERS and NODE-NUMBERS (TEXT), SUPPORTS (a
// block per kind of support, inserted at the node), HINGES (a CIRCLE at
// every hinged element end, touching its node) and DIMENSIONS (the overall
// width and height, each a block of lines and text). Read back, the drawing
// gives the elements only: blocks, circles and texts are no segments.
#pragma once

#include <string>

#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// The bytes of the drawing of the model's elements and nodes.
std::string FrameDxf(const ModelTables& model);

enum class DxfExport {
  Written,
  NoElements,  // told in a box titled "Error"
  NotWritten,  // the file could not be written; the caller names it
};

// Writes the drawing to `path` at once (a temporary file renamed over the
// old one). Elements without nodes get them first, as End gives them, so
// that the node numbers are those the frame has.
DxfExport ExportDxfFile(Session& session, UserMessages& messages, const std::string& path);

}  // namespace rerore
