// Undo and redo of one edit on a frame of 100 elements (ten storeys of five
// columns, each with five beams, the last one overhanging), with its echo
// file: BM_UndoRedo puts back the state before the delete of element 50
// and then the state after it, files written, as Ctrl+Z and Ctrl+Y do.
// BM_TakeSnapshot is what recording one step costs.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "check/rebuild.h"
#include "commands/element_editing.h"
#include "commands/model_snapshot.h"
#include "echo/echo_writer.h"
#include "model/position_files.h"

namespace {

using namespace rerore;
using bench::Quiet;

constexpr int kFloors = 10;
constexpr int kColumns = 5;
constexpr float kHeight = 3.5f;
constexpr float kSpacing = 6.0f;

void AddElement(ModelTables& model, float xa, float ya, float xb, float yb) {
  ElementRecord& e = model.elements[++model.params.elementCount];
  SetElementLeft(e, xa, ya);
  SetElementRight(e, xb, yb);
  e.material = e.crossSection = 1;
  e.compression = e.tension = 1;
}

const bench::ScratchData benchDirectory("rerore-undo-bench");

// The frame stored in its position: tables, extent and echo file.
void BuildFrame(Session& s) {
  bench::UseBenchPosition(s, benchDirectory.path, "100");
  SetDefaultMaterial(s.model);
  SetDefaultCrossSection(s.model);
  WriteCrossSectionsFile(s.paths, s.model);
  WriteMaterialsFile(s.paths, s.model);
  for (int f = 0; f < kFloors; ++f)
    for (int c = 0; c < kColumns; ++c) {
      AddElement(s.model, kSpacing * c, kHeight * f, kSpacing * c, kHeight * (f + 1));
      AddElement(s.model, kSpacing * c, kHeight * (f + 1), kSpacing * (c + 1), kHeight * (f + 1));
    }
  Quiet quiet;
  WriteModelExtent(s);
  RebuildModel(s, quiet);
  for (int j = 1; j <= s.model.params.nodeCount; ++j)
    if (s.model.nodes[j].y == 0.0f) s.model.nodes[j].supportU = s.model.nodes[j].supportV = 1.0f;
  WriteNodesFile(s.paths, s.model);
  WriteEcho(s, s.paths.echoFile());
}

struct Step {
  Session session;
  ModelSnapshot before;
  ModelSnapshot after;
  Step() {
    BuildFrame(session);
    before = TakeSnapshot(session);
    Quiet quiet;
    DeleteElement(session, quiet, 50);
    after = TakeSnapshot(session);
  }
};

Step& TheStep() {
  static Step step;
  return step;
}

void BM_UndoRedo(benchmark::State& state) {
  Step& step = TheStep();
  for (auto _ : state) {
    RestoreSnapshot(step.session, step.before);
    RestoreSnapshot(step.session, step.after);
  }
  state.counters["elements"] = step.before.model.params.elementCount;
}

void BM_TakeSnapshot(benchmark::State& state) {
  Step& step = TheStep();
  for (auto _ : state) benchmark::DoNotOptimize(TakeSnapshot(step.session));
}

BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TakeSnapshot)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
