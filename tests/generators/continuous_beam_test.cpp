#include "generators/continuous_beam.h"

#include "generators/generator_fixture.h"

namespace rerore {
namespace {

using test::At;

using ContinuousBeam = test::GeneratorTest;

TEST_F(ContinuousBeam, ThreeSpansGiveElementsSupportsAndFiles) {
  ASSERT_EQ(ContinuousBeamOk(session, messages, {"4.0", "7,5", "12.3", ""}), ViewFollowUp::Redraw);
  EXPECT_TRUE(messages.messages.empty());
  const ModelTables& m = session.model;
  ASSERT_EQ(m.params.elementCount, 3);
  EXPECT_EQ(std::vector<EndPoints>({Ends(1), Ends(2), Ends(3)}),
            std::vector<EndPoints>({{0, 0, 4, 0}, {4, 0, 7.5, 0}, {7.5, 0, 12.3f, 0}}));
  ASSERT_EQ(std::tuple(m.params.nodeCount, m.params.supportCount, m.params.beamGeneratorMark),
            std::tuple(4, 4, 1));
  for (int j = 1; j <= 4; ++j)  // every node held in u and v
    EXPECT_EQ(std::tuple(m.supports[j].node, m.supports[j].factorU + m.supports[j].factorV,
                         m.nodes[j].supportU + m.nodes[j].supportV),
              std::tuple(j, 2.0f, 2.0f));
  EXPECT_EQ(File("DLT"), test::Bytes(int16_t{3}, 1, 4.0f, 2, 7.5f, 3, 12.3f));
  EXPECT_EQ(
      std::tuple(At<float>(File("EXTENSIOR"), 8), session.view.extents.xmax, CountIn("ELEMENTS")),
      std::tuple(12.3f, 12.3f, 3));
  Session reopened;  // the span table shown again
  reopened.paths = session.paths;
  EXPECT_EQ(LoadSpanTableTexts(reopened), (std::vector<std::string>{"  4.00", "  7.50", " 12.30"}));
}

TEST_F(ContinuousBeam, RefusedTablesLeaveModelAndFilesAlone) {
  // A single span: one element from the origin.
  ASSERT_EQ(ContinuousBeamOk(session, messages, {"6.0"}), ViewFollowUp::Redraw);
  EXPECT_EQ(std::tuple(session.model.params.elementCount, Ends(1)),
            std::tuple(1, EndPoints{0, 0, 6, 0}));
  const char* const increasing = "Coordinates of field ends must be increasing, x1 < x2 < x3 ...";
  std::vector<std::string> row31(31);
  row31[30] = "100";
  const std::pair<std::vector<std::string>, std::string> refusals[] = {
      {{"4.0", "4.0"}, increasing},
      {{"4.0", "8.0", "6.0"}, increasing},
      {{"0"}, "Zero length of field 1"},
      {{"-2", "5"}, "Zero length of field 1"},
      {row31, "Too many spans, max = 30"},
      {{"4", "", "8"}, "Row 2 is empty"},
      {{"4", "1E39"}, "The number 1E39 is too large"},
      {{}, "No spans: enter the end of span 1"},
      {{"4", "4.03"}, "Zero length of field 2"},  // both ends would be one node
  };
  const std::string before = test::TakeSnapshot(session);
  for (const auto& [cells, text] : refusals) {
    EXPECT_EQ(ContinuousBeamOk(session, messages, cells), ViewFollowUp::None);
    ExpectRefusal(text);
    EXPECT_TRUE(test::TakeSnapshot(session) == before) << text;
  }
}

}  // namespace
}  // namespace rerore
