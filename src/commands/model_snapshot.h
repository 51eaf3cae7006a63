// One state of the frame as the user sees it, kept by undo and redo: the
// model tables, the generators' input, the drawing's world window, and the
// bytes of every position file that an edit of the model writes (an absent
// file counts as a state of its own). Putting a state back puts back those
// bytes as well, so that the files always hold the frame on the screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/session.h"

namespace rerore {

struct ModelSnapshot {
  ModelTables model;
  GeneratorTables generators;
  DrawingExtents extents;
  bool autoScale = true;
  int32_t unitsPerMetre = 0;
  // The bytes of the files of SnapshotFilePaths, in that order; nullopt
  // where a file was absent.
  std::vector<std::optional<std::string>> files;
};

// The files an edit may write: the tables, the parameter block, the
// extent, the generators' input and the echo file. GEOMETRY is not among
// them: after an undo or a redo it holds 0, as the frame is unchecked.
std::vector<std::string> SnapshotFilePaths(const PositionPaths& paths);

ModelSnapshot TakeSnapshot(const Session& s);

// The same model, generator input and files. The world window does not
// count: the paint of a mechanism widens it without any edit.
bool SameFrame(const ModelSnapshot& a, const ModelSnapshot& b);

// Puts a state back: GEOMETRY = 0 first (never 1 beside tables that were
// not checked), then every file whose bytes differ from the state's (an
// absent one removed), then the model. The result of the last check goes,
// as it no longer belongs to the frame.
void RestoreSnapshot(Session& s, const ModelSnapshot& snapshot);

}  // namespace rerore
