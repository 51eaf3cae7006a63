// Finding the element under the mouse and the point a click stands for:
// the nearer end of a picked element, else the nearest grid line within the
// snap radius, else the point itself. Plain math on the element table.
#pragma once

#include "model/model_tables.h"
#include "model/view_settings.h"
#include "view/core/world_mapping.h"

namespace rerore {

// The element whose line crosses the pick box around `cursorPoint`; the
// elements are tried from the highest number down and the first one wins.
// On a hit `cursorPoint` moves to the element's nearer end (end b when both
// are equally far). Returns the element number, 0 when none is near.
int PickElement(const ModelTables& model, float pickTolerance, WorldPoint& cursorPoint);

// Where a click lands.
struct SnapResult {
  WorldPoint point;       // the snapped point
  WorldPoint beforeGrid;  // the picked element end, else the raw point
  int element = 0;        // the picked element, 0 when none
};

// The element end of PickElement; else, with the grid on, each coordinate
// moves to a grid line closer than the snap radius; else the raw point.
SnapResult SnapPoint(const ModelTables& model, float pickTolerance, const GridSettings& grid,
                     WorldPoint raw);

// One coordinate moved onto the grid line below or above it when the
// unsnapped value is closer to it than `snapRadius`. A mesh width that
// yields no whole number of meshes (0, negative) leaves the value alone.
float SnapToGrid(float value, float meshWidth, float snapRadius);

// The direction Ctrl chose for a line from `start`: the larger of the two
// distances wins, a tie gives a vertical line.
enum class OrthogonalLock { None, Horizontal, Vertical };
OrthogonalLock ChooseLock(DevicePoint start, DevicePoint point);

// `point` forced onto the horizontal or the vertical through `start`.
DevicePoint LockPoint(DevicePoint start, DevicePoint point, OrthogonalLock lock);

}  // namespace rerore
