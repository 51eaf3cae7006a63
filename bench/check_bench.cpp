// The structural check on frames of 150, 300, 400 and 600 equations:
// multi-storey frames with hinged beams and elastic feet, and for 600
// equations 100 separate cantilevers (the most the element table allows).
// BM_CheckStructure times the whole check with every file it writes; the
// others time its three heavy stages alone. BM_LiveCheck times the live
// check that follows every change (in memory, no file), on the same sound
// frames; BM_LiveCheckMechanism on them with every foot free to slide, so
// that the mode and the poles are worked out too.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "check/assemble_and_check.h"
#include "check/element_stiffness.h"
#include "check/live_check.h"
#include "check/mechanism.h"
#include "check/rebuild.h"
#include "check/solver.h"
#include "check/structure_check.h"
#include "model/position_files.h"

namespace {

using namespace rerore;
using bench::Quiet;

struct Storeys {
  int floors;
  int columns;
  bool stub;  // one more column on the last head, to use the 100th element
};

void AddElement(ModelTables& model, float xa, float ya, float xb, float yb) {
  ElementRecord& e = model.elements[++model.params.elementCount];
  SetElementLeft(e, xa, ya);
  SetElementRight(e, xb, yb);
  e.material = e.crossSection = 1;
}

// Columns of a storey, then the beams on top of it, storey by storey.
void DrawFrame(ModelTables& model, const Storeys& frame) {
  const float height = 3.5f;
  const float spacing = 6.0f;
  for (int f = 0; f < frame.floors; ++f) {
    for (int c = 0; c < frame.columns; ++c)
      AddElement(model, spacing * c, height * f, spacing * c, height * (f + 1));
    for (int c = 0; c + 1 < frame.columns; ++c)
      AddElement(model, spacing * c, height * (f + 1), spacing * (c + 1), height * (f + 1));
  }
  const float top = height * frame.floors;
  const float x = spacing * (frame.columns - 1);
  if (frame.stub) AddElement(model, x, top, x, top + height);
}

// Hinges beam ends, one after the other, until the frame has `target`
// equations; every foot gets elastic springs.
void HingeAndSupport(Session& s, int target, Quiet& quiet) {
  ModelTables& model = s.model;
  RebuildModel(s, quiet);
  for (int k = 1; k <= model.params.elementCount && model.params.equationCount < target; ++k) {
    ElementRecord& e = model.elements[k];
    if (e.ya != e.yb) continue;  // columns stay rigid
    for (int16_t* hinge : {&e.hingeLeft, &e.hingeRight}) {
      if (model.params.equationCount >= target) break;
      *hinge = 1;
      RebuildModel(s, quiet);
    }
  }
  for (int j = 1; j <= model.params.nodeCount; ++j) {
    NodeRecord& n = model.nodes[j];
    if (n.y == 0.0f) n.supportU = 1.0f, n.supportV = 1.0f, n.supportPhi = 0.5f;
  }
}

// 100 cantilevers standing side by side, each with its own elastic foot.
void SeparateCantilevers(Session& s, Quiet& quiet) {
  for (int k = 0; k < kMaxElements; ++k) AddElement(s.model, 2.0f * k, 0.0f, 2.0f * k, 3.0f);
  RebuildModel(s, quiet);
  for (int j = 1; j <= s.model.params.nodeCount; j += 2)
    s.model.nodes[j].supportU = 1.0f, s.model.nodes[j].supportV = 0.8f,
    s.model.nodes[j].supportPhi = 0.6f;
}

// The data directory of the frames' positions, removed when the program ends.
const bench::ScratchData benchDirectory("rerore-check-bench");

// The frame of about `equations` equations in its own position, built once.
Session& Frame(int equations) {
  static std::map<int, std::unique_ptr<Session>> frames;
  std::unique_ptr<Session>& slot = frames[equations];
  if (slot) return *slot;
  slot = std::make_unique<Session>();
  Session& s = *slot;
  bench::UseBenchPosition(s, benchDirectory.path, std::to_string(equations));
  SetDefaultMaterial(s.model);
  SetDefaultCrossSection(s.model);
  WriteCrossSectionsFile(s.paths, s.model);
  Quiet quiet;
  const std::map<int, Storeys> shapes = {
      {150, {3, 10, false}}, {300, {2, 25, false}}, {400, {1, 50, true}}};
  if (shapes.count(equations)) {
    DrawFrame(s.model, shapes.at(equations));
    HingeAndSupport(s, equations, quiet);
  } else {
    SeparateCantilevers(s, quiet);
  }
  return s;
}

StiffnessMatrix AssembledMatrix(Session& s) {
  Quiet quiet;
  StiffnessMatrix k(s.model.params.equationCount);
  s.model.params.rigidStiffness = RigidStiffness(s.model);
  AssembleElements(s.model, k, quiet);
  AddSupportSprings(s.model, k);
  return k;
}

void Label(benchmark::State& state, const Session& s) {
  state.counters["equations"] = s.model.params.equationCount;
  state.counters["elements"] = s.model.params.elementCount;
}

void BM_CheckStructure(benchmark::State& state) {
  Session& s = Frame(static_cast<int>(state.range(0)));
  Quiet quiet;
  for (auto _ : state) {
    if (!CheckStructure(s, quiet).isSound()) state.SkipWithError("the frame is not sound");
  }
  Label(state, s);
}

void BM_MechanismAnalysis(benchmark::State& state) {
  Session& s = Frame(static_cast<int>(state.range(0)));
  const StiffnessMatrix k = AssembledMatrix(s);
  for (auto _ : state) AnalyseMechanism(s, k);
  Label(state, s);
}

void BM_Factorise(benchmark::State& state) {
  Session& s = Frame(static_cast<int>(state.range(0)));
  const StiffnessMatrix k = AssembledMatrix(s);
  std::vector<double> b(k.size() + 1, 0.0);
  for (auto _ : state) {
    state.PauseTiming();
    StiffnessMatrix a = k;
    PivotRecord pivots;
    state.ResumeTiming();
    benchmark::DoNotOptimize(Factorise(a, pivots, b.data()));
  }
  Label(state, s);
}

void BM_InverseColumns(benchmark::State& state) {
  Session& s = Frame(static_cast<int>(state.range(0)));
  const StiffnessMatrix k = AssembledMatrix(s);
  const int n = k.size();
  std::vector<double> inverse(static_cast<size_t>(n) * n + 1);
  for (auto _ : state) {
    state.PauseTiming();
    FlexibilitySolver solver(k);
    inverse.assign(inverse.size(), 0.0);
    inverse[1] = 1.0;
    state.ResumeTiming();
    solver.Solve(inverse.data());
    solver.SolveUnitColumns(2, n, inverse.data() + n + 1);
    benchmark::DoNotOptimize(inverse.data());
  }
  Label(state, s);
}

void BM_LiveCheck(benchmark::State& state) {
  Session& s = Frame(static_cast<int>(state.range(0)));
  LiveCheckWorkspace workspace;  // the window's checker keeps one too
  for (auto _ : state) {
    const std::optional<LiveCheckResult> result = RunLiveCheck(PrepareLiveCheck(s), workspace);
    if (!result || result->kind != LiveVerdictKind::Sound) state.SkipWithError("not sound");
  }
  Label(state, s);
}

void BM_LiveCheckMechanism(benchmark::State& state) {
  Session s = Frame(static_cast<int>(state.range(0)));
  for (int j = 1; j <= s.model.params.nodeCount; ++j) s.model.nodes[j].supportU = 0.0f;
  LiveCheckWorkspace workspace;
  for (auto _ : state) {
    const std::optional<LiveCheckResult> result = RunLiveCheck(PrepareLiveCheck(s), workspace);
    if (!result || !result->outcome.isMechanism() || !result->mechanism)
      state.SkipWithError("no mechanism with its mode");
  }
  Label(state, s);
}

void LiveSizes(benchmark::internal::Benchmark* b) {
  for (int equations : {150, 400, 600}) b->Arg(equations);
  b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int equations : {150, 300, 400, 600}) b->Arg(equations);
  b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_CheckStructure)->Apply(Sizes);
BENCHMARK(BM_MechanismAnalysis)->Apply(Sizes);
BENCHMARK(BM_Factorise)->Apply(Sizes);
BENCHMARK(BM_InverseColumns)->Apply(Sizes);
BENCHMARK(BM_LiveCheck)->Apply(LiveSizes);
BENCHMARK(BM_LiveCheckMechanism)->Apply(LiveSizes);

}  // namespace
