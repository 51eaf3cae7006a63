// The border and header of a printed page: a border inside the page's
// margins, a rule under the header and the header "Pos. <name>  <title>"
// centred between the frame's sides.
#pragma once

#include <string>

#include "model/session.h"

class QPainter;

namespace rerore {

std::string PageHeader(const Session& session);

// Draws in device pixels on a page of width x height pixels; a landscape
// page leaves room at the left.
void DrawPageBorder(QPainter& painter, const Session& session, int width, int height,
                    bool landscape, int dotsPerInch);

}  // namespace rerore
