#include "generators/generator_common.h"

#include <algorithm>
#include <cstring>

#include "model/position_files.h"

namespace rerore {

void SetGeneratedElement(ModelTables& model, int k, GeneratedPoint a, GeneratedPoint b) {
  ElementRecord& e = model.elements[k];
  std::memset(&e, 0, sizeof e);
  SetElementLeft(e, a.x, a.y);
  SetElementRight(e, b.x, b.y);
  e.material = 1;
  e.crossSection = 1;
  e.compression = 1;
  e.tension = 1;
  ComputeElementGeometry(e, model.params.angleFlag != 0);
}

void SetElementsThroughPoints(ModelTables& model, const std::vector<GeneratedPoint>& points) {
  const int n = static_cast<int>(points.size()) - 1;
  for (int k = 1; k <= n && k <= kMaxElements; ++k)
    SetGeneratedElement(model, k, points[k - 1], points[k]);
  model.params.elementCount = static_cast<int16_t>(n < 0 ? 0 : std::min(n, kMaxElements));
}

void PrepareGeneratorFiles(Session& session) {
  EnsurePositionDirectory(session.paths);
  WriteGeometryFile(session.paths, kGeometryUnchecked);
}

void WriteGeneratedExtent(Session& session) {
  const DrawingExtents extents = ElementExtents(session.model);
  if (WriteExtentFile(session.paths, extents)) session.view.extents = extents;
}

}  // namespace rerore
