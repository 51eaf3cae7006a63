// Loading a full position: every table at its capacity.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "commands/startup.h"
#include "model/position_files.h"

namespace {

void BM_LoadPosition(benchmark::State& state) {
  const rerore::bench::ScratchData data("rerore-load-bench");
  rerore::Session full;
  rerore::bench::UseBenchPosition(full, data.path, "001");
  full.model.params.elementCount = rerore::kMaxElements;
  full.model.params.nodeCount = rerore::kMaxNodes;
  full.model.params.supportCount = rerore::kMaxSupports;
  rerore::WriteElementsFile(full.paths, full.model);
  rerore::WriteNodesFile(full.paths, full.model);
  rerore::WriteSupportsFile(full.paths, full.model);
  rerore::bench::Quiet quiet;
  for (auto _ : state) {
    rerore::Session session;
    session.paths.dataPath = data.path;
    session.paths.extension = ".001";
    benchmark::DoNotOptimize(rerore::LoadPosition(session, quiet));
  }
}
BENCHMARK(BM_LoadPosition);

}  // namespace
