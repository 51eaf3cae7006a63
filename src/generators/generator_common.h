// What the four generators share: the fresh element they all make, the
// extent of the generated frame, the way a refused input is told, and the
// answer that tells the window what to do after a generator ran.
//
// The generators take the texts of their dialogs' cells and fields exactly
// as the dialogs hold them (an empty string is an empty cell), so that the
// dialogs and the command-line tool go through one and the same path.
#pragma once

#include <string>
#include <vector>

#include "model/model_tables.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// What the window has to do once a generator's OK path returned.
enum class ViewFollowUp {
  None,                  // the input was refused: nothing changed, nothing to redraw
  Redraw,                // continuous beam and frame: redraw the view
  ElementsTableEnded,    // arc: as after the elements table's OK
  ResetAndOpenElements,  // parabola: reset the world window, redraw, then open the
                         // elements table
};

inline constexpr const char* kGeneratorErrorTitle = "Error";

// A point of a generated member in upward coordinates.
struct GeneratedPoint {
  float x = 0.0f;
  float y = 0.0f;
};

// Makes element k a fresh generated element from (xa, ya) to (xb, yb):
// material 1, section 1, under compression and tension, no hinges, its
// derived geometry computed.
void SetGeneratedElement(ModelTables& model, int k, GeneratedPoint a, GeneratedPoint b);

// Elements 1 .. points.size() - 1 from each point to the next; sets elementCount.
void SetElementsThroughPoints(ModelTables& model, const std::vector<GeneratedPoint>& points);

// Writes the extent of all element ends to EXTENSIOR; only when the file
// was written does the view take it as its world extent.
void WriteGeneratedExtent(Session& session);

// Before a generator writes its first file: the position directory is made
// when missing, and GEOMETRY goes to 0, since only a Store that finds the
// generated frame sound may write 1.
void PrepareGeneratorFiles(Session& session);

// True when a dialog cell holds any text.
inline bool CellFilled(const std::string& text) { return !text.empty(); }

}  // namespace rerore
