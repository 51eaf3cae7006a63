// A generator makes a missing position folder, writes its files and refits the view.
#include "generators/continuous_beam.h"
#include "generators/curve_generators.h"
#include "generators/frame_generator.h"
#include "generators/generator_fixture.h"

namespace rerore {
namespace {

class GeneratorFiles : public test::GeneratorTest {};

TEST_F(GeneratorFiles, EachGeneratorMakesAMissingFolderAndTheViewTakesTheFrame) {
  const float widths[] = {8.0f, 5.0f, 6.0f, 7.0f};  // beam, frame, arc, parabola
  for (int kind = 0; kind < 4; ++kind) {
    std::filesystem::remove_all(session.paths.positionDirectory);
    session.view.extents = DrawingExtents{};
    if (kind == 1) AcceptFloorTable(session, messages, {{"3", "2", "5"}});
    const ViewFollowUp done = kind == 0   ? ContinuousBeamOk(session, messages, {"4", "8"})
                              : kind == 1 ? FrameDialogAccepted(session, messages)
                              : kind == 2 ? ArcDialogOk(session, messages, {"6", "180", "0", "4"})
                                          : ParabolaDialogOk(session, messages, {"7", "2", "4"});
    ASSERT_NE(done, ViewFollowUp::None) << kind;
    EXPECT_EQ(File("GEOMETRY"), test::kGeometryZero) << kind;  // only Store writes 1
    EXPECT_EQ(CountIn("ELEMENTS"), session.model.params.elementCount) << kind;
    EXPECT_NEAR(session.view.extents.xmax, widths[kind], 1e-4) << kind;
  }
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
