#include <gtest/gtest.h>

#include <filesystem>

#include "check/rebuild.h"
#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

// A column of 3 m in position 001 of a fresh data directory, its foot held
// by the support factors given; then "rerore-cli check" on it.
test::CommandResult CheckColumn(float u, float v, float phi, float modulus) {
  test::TempDir data;
  test::TempDir home;
  Session s;
  test::UsePosition(s, data.path(), "001");
  std::filesystem::create_directories(s.paths.positionDirectory);
  SetDefaultMaterial(s.model);
  SetDefaultCrossSection(s.model);
  s.model.materials[1].modulus = modulus;
  WriteMaterialsFile(s.paths, s.model);
  ElementRecord& e = s.model.elements[++s.model.params.elementCount];
  SetElementRight(e, 0.0f, 3.0f);
  test::RecordingMessages messages;
  RebuildModel(s, messages);
  s.model.nodes[1].supportU = u;
  s.model.nodes[1].supportV = v;
  s.model.nodes[1].supportPhi = phi;
  WriteNodesFile(s.paths, s.model);
  test::CommandResult result = test::RunCommand("XDG_DATA_HOME=" + home.path() + " " + RERORE_CLI +
                                                " check .001 @" + data.path());
  if (test::Exists(s.paths.file("FLEXDIA"))) result.out += "FLEXDIA\n";
  return result;
}

TEST(CliCheck, ResultAndExitStatusForSoundSingularAndRefusedFrames) {
  auto result = CheckColumn(1.0f, 1.0f, 1.0f, 3.0e7f);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "checkResult 0\nFLEXDIA\n");

  result = CheckColumn(1.0f, 1.0f, 0.0f, 3.0e7f);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "checkResult 6\n");
  EXPECT_EQ(result.err, "Error: Singularity in row 6\n");

  result = CheckColumn(1.0f, 1.0f, 1.0f, 0.0f);
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.out, "checkResult -1\n");
  EXPECT_EQ(result.err, "RERORE: Error in the stiffness of element 1. Check E, A and I\n");
}

}  // namespace
}  // namespace rerore
