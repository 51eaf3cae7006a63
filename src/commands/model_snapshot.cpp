#include "commands/model_snapshot.h"

#include <cstring>
#include <filesystem>
#include <limits>

#include "model/file_io.h"
#include "model/position_files.h"

namespace rerore {

namespace {

// The files are named by their stem and the position's extension.
constexpr const char* kTableFiles[] = {"ELEMENTS", "NODES",     "LKNOTENR", "CROSS",     "MATR",
                                       "PARAMR",   "EXTENSIOR", "DLT",      "RAHMENDAT", "BOGEN"};

// GEOMETRY of a frame that has not been checked sound: the i32 0.
const std::string kUncheckedGeometry(sizeof(int32_t), '\0');

// Only a regular file counts: anything else in its place reads as absent
// and is never opened (a pipe would block).
std::optional<std::string> ReadPositionFile(const std::string& path) {
  return ReadFilePrefix(path, std::numeric_limits<size_t>::max());
}

// Records and tables of records are packed: their bytes are their value.
template <class T>
bool SameBytes(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool SameModel(const ModelTables& a, const ModelTables& b) {
  return SameBytes(a.elements, b.elements) && SameBytes(a.nodes, b.nodes) &&
         SameBytes(a.supports, b.supports) && SameBytes(a.materials, b.materials) &&
         SameBytes(a.crossSections, b.crossSections) && SameBytes(a.dofs, b.dofs) &&
         SameBytes(a.params, b.params) && SameBytes(a.parabola.span, b.parabola.span) &&
         SameBytes(a.parabola.rise, b.parabola.rise) &&
         a.parabola.elements == b.parabola.elements && a.generationError == b.generationError;
}

}  // namespace

std::vector<std::string> SnapshotFilePaths(const PositionPaths& paths) {
  std::vector<std::string> files;
  for (const char* stem : kTableFiles) files.push_back(paths.file(stem));
  files.push_back(paths.echoFile());
  return files;
}

ModelSnapshot TakeSnapshot(const Session& s) {
  ModelSnapshot snapshot;
  snapshot.model = s.model;
  snapshot.generators = s.generators;
  snapshot.extents = s.view.extents;
  snapshot.autoScale = s.view.autoScale;
  snapshot.unitsPerMetre = s.view.unitsPerMetre;
  for (const std::string& path : SnapshotFilePaths(s.paths))
    snapshot.files.push_back(ReadPositionFile(path));
  return snapshot;
}

bool SameFrame(const ModelSnapshot& a, const ModelSnapshot& b) {
  return SameModel(a.model, b.model) && SameBytes(a.generators.spans, b.generators.spans) &&
         SameBytes(a.generators.floors, b.generators.floors) && a.files == b.files;
}

void RestoreSnapshot(Session& s, const ModelSnapshot& snapshot) {
  if (ReadPositionFile(s.paths.file("GEOMETRY")) != kUncheckedGeometry)
    WriteGeometryFile(s.paths, 0);
  const std::vector<std::string> paths = SnapshotFilePaths(s.paths);
  for (size_t i = 0; i < paths.size() && i < snapshot.files.size(); ++i) {
    const std::optional<std::string>& wanted = snapshot.files[i];
    if (ReadPositionFile(paths[i]) == wanted) continue;
    if (wanted)
      WriteFileAtomically(paths[i], *wanted);
    else
      RemoveFile(paths[i]);
  }
  s.model = snapshot.model;
  s.generators = snapshot.generators;
  ViewSettings& view = s.view;
  // A changed scale choice takes effect only with a fresh fit of the view.
  if (view.autoScale != snapshot.autoScale || view.unitsPerMetre != snapshot.unitsPerMetre)
    view.resetZoomRequested = true;
  view.extents = snapshot.extents;
  view.autoScale = snapshot.autoScale;
  view.unitsPerMetre = snapshot.unitsPerMetre;
  s.check.outcome.reset();
}

}  // namespace rerore
