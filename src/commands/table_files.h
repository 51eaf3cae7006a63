// Small helpers the table logic shares. The position directory is made
// when a table dialog opens, so that its OK can write the table's file
// (EnsurePositionDirectory, next to the position paths).
#pragma once

#include "model/position_paths.h"
