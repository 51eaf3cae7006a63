// A DXF drawing made the frame: the segments of the chosen layer become
// elements (material 1, section 1, under compression and tension, no
// hinges) in the order in which the drawing lists them. The coordinates are
// taken in the drawing's unit, or in the chosen one when the drawing names
// none; the drawing's lower-left corner may be moved to the origin. Ends
// closer than 0.05 m are one point (the rule that makes them one node);
// segments whose ends fall on one point and segments between the same two
// points as an earlier one are left out.
//
// The plan tells what an import would give before anything changes, so that
// the dialog can show it and a refused import changes nothing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "dxf/dxf_drawing.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

struct DxfImportOptions {
  std::string layer;                      // empty: every layer
  DrawingUnit unit = DrawingUnit::Metre;  // for a drawing that names no unit
  bool moveToOrigin = true;
};

// Replace: the drawing becomes the frame (elements, nodes, supports).
// Append: its elements follow those of the frame.
enum class ImportMode { Replace, Append };

// What the label of all layers reads in the messages.
inline constexpr const char* kAllLayers = "*";

struct ImportedElement {
  float xa = 0.0f;
  float ya = 0.0f;
  float xb = 0.0f;
  float yb = 0.0f;
};

struct DxfImportPlan {
  std::vector<ImportedElement> elements;  // in metres, as they become elements
  int segments = 0;                       // the straight segments of the chosen layers
  int mergedEnds = 0;                     // ends moved onto a point closer than 0.05 m
  int zeroLength = 0;                     // segments left out: both ends on one point
  int duplicates = 0;                     // segments left out: the same points as an earlier one
  std::map<std::string, int> skipped;     // what the chosen layers hold besides
  DrawingUnit unit = DrawingUnit::Metre;
  bool unitFromDrawing = false;
  // Why the import cannot be done ("No lines on layer %s", ...); empty
  // when it can.
  std::string refusal;
};

// What importing `drawing` with `options` would do to `model`; Append
// merges the drawing's ends with those of the model's elements and counts
// them against the table's places.
DxfImportPlan PlanDxfImport(const DxfDrawing& drawing, const DxfImportOptions& options,
                            ImportMode mode, const ModelTables& model);

// One line for the user: how many elements, from how many segments, in
// which unit, what was merged, left out and skipped.
std::string ImportSummary(const DxfImportPlan& plan);

// "%s is not a DXF file the program can read".
std::string UnreadableDrawingMessage(const std::string& path);

// Carries the plan out, as the elements table's OK does: GEOMETRY 0, the
// elements, ELEMENTS, EXTENSIOR, the rebuilt nodes and NODES; Replace also
// clears the supports. The view is to fit the new frame. A refused plan is
// told in a box titled "Error" and changes nothing; then false.
bool ImportDxfFrame(Session& session, UserMessages& messages, const DxfImportPlan& plan,
                    ImportMode mode);

}  // namespace rerore
