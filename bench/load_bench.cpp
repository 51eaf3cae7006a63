// Loading a full position: every table at its capacity.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/position_files.h"
#include "model/startup.h"

namespace {

class Quiet : public rerore::UserMessages {
 public:
  void message(const std::string&, const std::string&, rerore::MessageIcon) override {}
  rerore::Answer ask(const std::string&, const std::string&, rerore::MessageButtons) override {
    return rerore::Answer::Cancel;
  }
};

void BM_LoadPosition(benchmark::State& state) {
  namespace fs = std::filesystem;
  const std::string data = (fs::temp_directory_path() / "rerore-load-bench").string() + "/";
  fs::create_directories(data + "SDIR001");
  rerore::Session full;
  full.paths.dataPath = data;
  full.paths.extension = ".001";
  rerore::BuildPositionPaths(full.paths, "001");
  full.model.params.elementCount = rerore::kMaxElements;
  full.model.params.nodeCount = rerore::kMaxNodes;
  full.model.params.supportCount = rerore::kMaxSupports;
  rerore::WriteElementsFile(full.paths, full.model);
  rerore::WriteNodesFile(full.paths, full.model);
  rerore::WriteSupportsFile(full.paths, full.model);
  Quiet quiet;
  for (auto _ : state) {
    rerore::Session session;
    session.paths.dataPath = data;
    session.paths.extension = ".001";
    benchmark::DoNotOptimize(rerore::LoadPosition(session, quiet));
  }
  fs::remove_all(data);
}
BENCHMARK(BM_LoadPosition);

}  // namespace
