#include "commands/model_snapshot.h"

#include <tuple>

#include "generators/continuous_beam.h"
#include "model/file_io.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::ReadFile;

class ModelSnapshots : public ::testing::Test {
 protected:
  void SetUp() override {
    test::MakeCantileverFrame(s, data.path(), "007");
    WriteFileAtomically(s.paths.file("GEOMETRY"), test::kGeometryOne);
  }
  // Every file a state puts back, "-" for an absent one.
  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    for (const std::string& path : SnapshotFilePaths(s.paths))
      files.push_back(test::Exists(path) ? ReadFile(path) : "-");
    return files;
  }
  test::TempDir data;
  Session s;
  test::RecordingMessages messages;
};

// A generator taken back and made again: every file exact, GEOMETRY 0; the world window aside.
TEST_F(ModelSnapshots, AStatePutBackRestoresEveryFileAndSameFrameIgnoresTheWorldWindow) {
  const ModelSnapshot before = TakeSnapshot(s);
  const std::vector<std::string> filesBefore = Files();
  ASSERT_FALSE(test::Exists(s.paths.file("DLT")));
  ContinuousBeamOk(s, messages, {"4", "9"});
  const ModelSnapshot after = TakeSnapshot(s);
  const std::vector<std::string> filesAfter = Files();
  s.check.outcome = CheckOutcome::mechanismAt(3);
  RestoreSnapshot(s, before);
  EXPECT_EQ(Files(), filesBefore);
  EXPECT_TRUE(SameFrame(TakeSnapshot(s), before));
  EXPECT_EQ(std::tuple(ReadFile(s.paths.file("GEOMETRY")), bool(s.check.outcome)),
            std::tuple(std::string(4, '\0'), false));
  RestoreSnapshot(s, after);
  EXPECT_EQ(std::tuple(Files() == filesAfter, s.generators.spans[2].xEnd), std::tuple(true, 9.0f));

  s.view.extents.xmax += 10.0f;
  EXPECT_TRUE(SameFrame(after, TakeSnapshot(s)));
  s.model.nodes[2].supportV = 0.5f;
  EXPECT_FALSE(SameFrame(after, TakeSnapshot(s)));
  s.model = after.model;
  std::string nodes = ReadFile(s.paths.file("NODES"));
  nodes.back() ^= 1;
  test::WriteFile(s.paths.file("NODES"), nodes);
  EXPECT_FALSE(SameFrame(after, TakeSnapshot(s)));
}

}  // namespace
}  // namespace rerore
