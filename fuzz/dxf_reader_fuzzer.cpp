// Fuzz target of the DXF import: any bytes as a DXF file, read through
// dxflib into layers and segments, and planned on every layer and on all
// of them. An accepted plan holds finite coordinates only; imported into a
// frame and exported again, it reads back as the same elements in the
// same order.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "dxf/dxf_export.h"
#include "dxf/dxf_import.h"
#include "fuzz_support.h"

namespace {

// More layers take longer and find nothing new.
constexpr size_t kLayersPlanned = 8;

std::string gDataPath;

bool SameElements(const rerore::ModelTables& model, const rerore::DxfImportPlan& plan) {
  if (static_cast<int>(plan.elements.size()) != rerore::ElementRows(model)) return false;
  for (size_t i = 0; i < plan.elements.size(); ++i) {
    const rerore::ElementRecord& e = model.elements[i + 1];
    const rerore::ImportedElement& read = plan.elements[i];
    if (read.xa != e.xa || read.ya != e.ya || read.xb != e.xb || read.yb != e.yb) return false;
  }
  return true;
}

// The accepted plan as the frame of a fresh position, exported and read
// back with the coordinates as drawn.
void RequireRoundTrip(const rerore::DxfImportPlan& plan) {
  rerore::Session session;
  session.paths.dataPath = gDataPath;
  rerore::BuildPositionPaths(session.paths, "001");
  rerore::fuzz::SilentMessages messages;
  if (!rerore::ImportDxfFrame(session, messages, plan, rerore::ImportMode::Replace))
    __builtin_trap();
  const std::optional<rerore::DxfDrawing> back =
      rerore::ParseDxfDrawing(rerore::FrameDxf(session.model));
  if (!back) __builtin_trap();
  const rerore::DxfImportPlan again = rerore::PlanDxfImport(
      *back, {"ELEMENTS", rerore::DrawingUnit::Metre, false}, rerore::ImportMode::Replace, {});
  if (!again.refusal.empty() || !SameElements(session.model, again)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The position directory is never created: the files an import writes
  // are skipped quietly, which keeps every run fast.
  gDataPath = rerore::fuzz::ScratchDataPath("rerore-dxf-fuzz");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<rerore::DxfDrawing> drawing =
      rerore::ParseDxfDrawing(std::string(reinterpret_cast<const char*>(data), size));
  if (!drawing) return 0;
  const rerore::ModelTables empty;
  for (size_t layer = 0; layer <= std::min(drawing->layers.size(), kLayersPlanned); ++layer) {
    rerore::DxfImportOptions options;
    if (layer > 0) options.layer = drawing->layers[layer - 1].name;
    const rerore::DxfImportPlan plan =
        rerore::PlanDxfImport(*drawing, options, rerore::ImportMode::Replace, empty);
    if (!plan.refusal.empty()) continue;
    for (const rerore::ImportedElement& e : plan.elements)
      if (!std::isfinite(e.xa) || !std::isfinite(e.ya) || !std::isfinite(e.xb) ||
          !std::isfinite(e.yb))
        __builtin_trap();
    if (layer == 0) RequireRoundTrip(plan);
  }
  return 0;
}
