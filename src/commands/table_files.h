// Small helpers the table logic shares.
#pragma once

#include "model/position_paths.h"

namespace rerore {

// The position directory is made when a table dialog opens, so that its
// OK can write the table's file.
void EnsurePositionDirectory(const PositionPaths& paths);

}  // namespace rerore
