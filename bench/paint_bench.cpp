// Drawing the largest frame the tables allow with the view's drawing code:
// 100 elements in five storeys with braces, supports of every kind on the
// ground, hinges, every label, and the mechanism display on top, into a
// 1920 x 1080 image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdlib>

#include "bench_support.h"
#include "check/rebuild.h"
#include "model/position_files.h"
#include "view/frame_output.h"

namespace {

using rerore::bench::Quiet;

constexpr int kStoreys = 5;
constexpr int kColumnLines = 10;
constexpr float kStoreyHeight = 3.5f;
constexpr float kBay = 6.0f;

void Add(rerore::ModelTables& m, float xa, float ya, float xb, float yb, int hingeRight = 0) {
  rerore::ElementRecord& e = m.elements[++m.params.elementCount];
  e = rerore::ElementRecord{};
  rerore::SetElementLeft(e, xa, ya);
  rerore::SetElementRight(e, xb, yb);
  e.material = e.crossSection = e.compression = e.tension = 1;
  e.hingeRight = static_cast<int16_t>(hingeRight);
}

// 50 columns, 45 beams (every third hinged at its right end) and 5 braces.
void BuildFrame(rerore::Session& s, Quiet& quiet) {
  rerore::ModelTables& m = s.model;
  for (int f = 0; f < kStoreys; ++f) {
    const float y0 = f * kStoreyHeight;
    const float y1 = y0 + kStoreyHeight;
    for (int c = 0; c < kColumnLines; ++c) Add(m, c * kBay, y0, c * kBay, y1);
    for (int c = 0; c + 1 < kColumnLines; ++c) Add(m, c * kBay, y1, (c + 1) * kBay, y1, c % 3 == 0);
    Add(m, f * kBay, y0, (f + 1) * kBay, y1);
  }
  rerore::WriteModelExtent(s);
  rerore::RebuildModel(s, quiet);
  for (int j = 1; j <= m.params.nodeCount; ++j) {
    rerore::NodeRecord& n = m.nodes[j];
    if (n.y > 0.01f) continue;
    const int kind = static_cast<int>(n.x / kBay) % 4;
    n.supportedU = kind != 2;
    n.supportedV = kind != 3;
    n.supportedPhi = kind == 0;
    n.supportV = kind == 3 ? 0.5f : n.supportV;
  }
  rerore::WriteNodesFile(s.paths, m);
}

// A sway of the whole frame with a pole for every element, some shared.
void Mechanism(rerore::Session& s) {
  s.check.outcome = rerore::CheckOutcome::mechanismAt(s.model.nodes[2].dofU);
  for (int j = 1; j <= s.model.params.nodeCount; ++j) {
    const rerore::NodeRecord& n = s.model.nodes[j];
    s.check.kinematicVector[n.dofU] = 0.1 * n.y / kStoreyHeight;
    s.check.kinematicVector[n.dofV] = 0.02 * std::sin(n.x);
  }
  for (int i = 1; i <= s.model.params.elementCount; ++i)
    s.check.poleTable[i] = {static_cast<float>(i % 12) * kBay, -2.0f, i % 7 == 0};
}

void BM_PaintFrame(benchmark::State& state) {
  const rerore::bench::ScratchData data("rerore-paint-bench");
  Quiet quiet;
  rerore::Session s;
  rerore::bench::UseBenchPosition(s, data.path, "001");
  BuildFrame(s, quiet);
  Mechanism(s);
  s.view.grid.on = true;
  rerore::WorldMapping mapping(s.view);
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    rerore::DrawFrameOnScreen(image, image.width(), image.height(), s, mapping, quiet);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  // The drawing needs the toolkit's fonts, not a display.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
