// Small helpers the table logic shares.
#pragma once

#include <string>

#include "model/position_paths.h"
#include "model/user_messages.h"

namespace rerore {

// The position directory is made when a table dialog opens, so that its
// OK can write the table's file.
void EnsurePositionDirectory(const PositionPaths& paths);

// "Row %i is incomplete" in a box titled "Error" when a row before a filled
// one is not complete. Returns true when the rows are in order.
bool RowsWithoutGaps(int gapRow, UserMessages& messages);

}  // namespace rerore
