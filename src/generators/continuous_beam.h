// The continuous-beam generator: a straight beam on the x axis from x = 0,
// one element per span, a support at every span end.
//
// The dialog holds one column of span ends ("x [m]"); it passes the cell
// texts of rows 1, 2, ... in order (index 0 is row 1, an empty string an
// empty cell) to ContinuousBeamOk, which checks them, stores the DLT file
// and generates the beam. A refused table leaves model and files as they
// were; the refusal is shown in a box titled "Error".
#pragma once

#include <string>
#include <vector>

#include "generators/generator_common.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// The result of checking the span table.
struct SpanTableCheck {
  bool accepted = false;
  std::vector<float> spanEnds;  // x of the end of span 1, 2, ... when accepted
};

// Checks the span ends in row order and tells the first fault: "Too many
// spans, max = %i", "Row %i is empty", "The number %s is too large", "No
// spans: enter the end of span 1", "Coordinates of field ends must be
// increasing, x1 < x2 < x3 ..." or "Zero length of field %i" (a span
// shorter than the distance at which two ends become one node). The
// dialog stays open on every refusal, so that nothing typed is lost.
SpanTableCheck ValidateSpanTable(const std::vector<std::string>& cells, UserMessages& messages);

// The dialog's OK: checks the table, then stores the spans (span table,
// spanCount, DLT file), sets the generator mark and generates the beam.
// Returns Redraw when the beam was generated, None when refused.
ViewFollowUp ContinuousBeamOk(Session& session, UserMessages& messages,
                              const std::vector<std::string>& cells);

// Generates the beam from spans 1 .. spanCount of the span table, rebuilds
// nodes, equations and supports with the beam rebuild and writes ELEMENTS,
// EXTENSIOR and GEOMETRY = 1.
void GenerateContinuousBeam(Session& session, UserMessages& messages);

// Elements 1 .. spanCount from the span table (no files, no rebuild).
void SetContinuousBeamElements(ModelTables& model,
                               const std::array<SpanEntry, kSpanTableRows + 1>& spans);

// Opening the dialog: reads the DLT file into the span table and spanCount
// and returns the cell texts of rows 1 .. spanCount ("%6.2f"); no rows when
// the file cannot be read.
std::vector<std::string> LoadSpanTableTexts(Session& session);

}  // namespace rerore
