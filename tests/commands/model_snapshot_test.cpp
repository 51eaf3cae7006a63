#include "commands/model_snapshot.h"

#include "support/test_support.h"

namespace rerore {
namespace {

using test::ReadFile;

class ModelSnapshots : public ::testing::Test {
 protected:
  void SetUp() override { test::MakeCantileverFrame(s, data.path(), "007"); }
  test::TempDir data;
  Session s;
  test::RecordingMessages messages;
};

// The world window aside, a change of the model or of a file is another frame.
TEST_F(ModelSnapshots, TheSameFrameIsTheSameModelAndFilesWhateverTheWorldWindow) {
  const ModelSnapshot taken = TakeSnapshot(s);
  s.view.extents.xmax += 10.0f;
  EXPECT_TRUE(SameFrame(taken, TakeSnapshot(s)));
  s.model.nodes[2].supportV = 0.5f;
  EXPECT_FALSE(SameFrame(taken, TakeSnapshot(s)));
  s.model = taken.model;
  std::string nodes = ReadFile(s.paths.file("NODES"));
  nodes.back() ^= 1;
  test::WriteFile(s.paths.file("NODES"), nodes);
  EXPECT_FALSE(SameFrame(taken, TakeSnapshot(s)));
}

}  // namespace
}  // namespace rerore
