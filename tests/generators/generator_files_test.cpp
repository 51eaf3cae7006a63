// A generator makes a missing position folder, writes its files and refits the view.
#include <functional>

#include "generators/continuous_beam.h"
#include "generators/curve_generators.h"
#include "generators/frame_generator.h"
#include "generators/generator_fixture.h"

namespace rerore {
namespace {

class GeneratorFiles : public test::GeneratorTest {};

TEST_F(GeneratorFiles, EachGeneratorMakesAMissingFolderAndTheViewTakesTheFrame) {
  using Run = std::function<ViewFollowUp(Session&, UserMessages&)>;
  const std::pair<Run, float> runs[] = {
      {[](Session& s, UserMessages& m) {
         return ContinuousBeamOk(s, m, {"4", "8"});
       },
       8.0f},
      {[](Session& s, UserMessages& m) {
         AcceptFloorTable(s, m, {{"3", "2", "5"}});
         return FrameDialogAccepted(s, m);
       },
       5.0f},
      {[](Session& s, UserMessages& m) {
         return ArcDialogOk(s, m, {"6", "180", "0", "4"});
       },
       6.0f},
      {[](Session& s, UserMessages& m) {
         return ParabolaDialogOk(s, m, {"7", "2", "4"});
       },
       7.0f},
  };
  for (const auto& [run, xmax] : runs) {
    std::filesystem::remove_all(session.paths.positionDirectory);
    session.view.extents = DrawingExtents{};
    ASSERT_NE(run(session, messages), ViewFollowUp::None) << xmax;
    EXPECT_EQ(File("GEOMETRY"), test::kGeometryZero) << xmax;
    EXPECT_EQ(CountIn("ELEMENTS"), session.model.params.elementCount) << xmax;
    EXPECT_NEAR(session.view.extents.xmax, xmax, 1e-4) << xmax;
  }
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
