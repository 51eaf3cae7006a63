// The multi-storey frame generator: storeys stacked from the ground, each
// with its height, number of columns and column spacing, all column rows
// starting at x = 0. A beam level carries the column positions of the
// storeys below and above it, so different grids are joined by beams split
// at every column of either storey.
//
// The dialog passes its rows (row 1 first, empty strings for empty cells)
// to AcceptFloorTable on OK; when that returns true the dialog closes and
// the input hub calls FrameDialogAccepted, which generates the frame.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "generators/generator_common.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// The texts of one storey row as the dialog holds them.
struct FloorRowTexts {
  std::string height;   // "Floor height [m]"
  std::string columns;  // "Number of columns"
  std::string spacing;  // "Spacing [m]"
};

using FloorTable = std::array<FloorEntry, kFloorTableRows + 1>;

// Elevations and column positions of every level (level 0 is the ground,
// level i the top of storey i).
struct FrameLayout {
  int floors = 0;
  std::array<float, kMaxFloors + 1> elevation{};
  std::array<std::vector<float>, kMaxFloors + 1> columnsAt{};
};

// The dialog's OK. Checks the rows in order; a row lacking one of its three
// texts is left out, and a complete row after one left out is refused with
// "Row %i is empty". Refusals ("Too many floors, max = %i", "Too many piers
// %i, max = %i", "2 piers and more make a frame", "Too many elements, max =
// %i", the latter also for the elements really made, "The number %s is too
// large" for a value beyond the float range or a frame that would leave
// it, "Row %i: floor height and spacing must be at least 0.05 m") are
// shown in a box
// titled "Error", set generationError and return false: the dialog stays
// open and nothing changes. Otherwise stores the storeys (floor table,
// floorCount, RAHMENDAT), clears generationError and returns true.
bool AcceptFloorTable(Session& session, UserMessages& messages,
                      const std::vector<FloorRowTexts>& rows);

// The input hub after the dialog closed with OK: generates the frame,
// rebuilds the model and sets the ground supports (all earlier support
// data cleared), writing NODES and LKNOTENR. With generationError set it
// only clears the flag and stores RAHMENDAT again. Redraw when generated.
ViewFollowUp FrameDialogAccepted(Session& session, UserMessages& messages);

// Builds elements 1 .. n from storeys 1 .. floorCount of the floor table
// and writes ELEMENTS and EXTENSIOR. Refuses (message, generationError = 1,
// nothing changed, false) more than 20 storeys, more than 50 columns in a
// storey or more than 100 elements.
bool GenerateFrame(Session& session, UserMessages& messages);

// The levels of the frame: elevations and the merged, sorted column lists.
FrameLayout PlanFrame(const FloorTable& floors, int floorCount);
// The number of elements the layout makes: every column and every beam.
int CountFrameElements(const FrameLayout& layout, const FloorTable& floors);
// Elements in order: per level its beams left to right, then the columns
// of the storey above it. Sets elementCount.
void SetFrameElements(ModelTables& model, const FrameLayout& layout, const FloorTable& floors);

// Every node on the ground (|y| <= 0.01) gets u and v supported with
// factor 1.0 and a support record; the supports of other nodes and the
// support table are cleared first.
void SetGroundSupports(ModelTables& model);

// Opening the dialog: reads RAHMENDAT into the floor table and floorCount
// and returns the texts of rows 1 .. floorCount ("%.3lf", "%i", "%.3lf").
std::vector<FloorRowTexts> LoadFloorTableTexts(Session& session);

}  // namespace rerore
