#include "generators/frame_generator.h"

#include "generators/generator_fixture.h"
#include "model/file_io.h"

namespace rerore {
namespace {

using test::At;

class FrameGenerator : public test::GeneratorTest {
 protected:
  ViewFollowUp Generate(const std::vector<FloorRowTexts>& rows) {
    if (!AcceptFloorTable(session, messages, rows)) return ViewFollowUp::None;
    return FrameDialogAccepted(session, messages);
  }
  const ElementRecord& Element(int k) const { return session.model.elements[k]; }
};

TEST_F(FrameGenerator, OneStoreyIsTwoColumnsAndABeamPinnedAtTheFeet) {
  ModelTables& m = session.model;
  m.nodes[1].supportedPhi = 1;  // old supports must not land on the new nodes
  m.nodes[2].supportedU = 1;
  ASSERT_EQ(Generate({{"3.0", "2", "5,0"}}), ViewFollowUp::Redraw);
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(m.params.elementCount, 3);
  EXPECT_EQ(std::vector<EndPoints>({Ends(1), Ends(2), Ends(3)}),
            std::vector<EndPoints>({{0, 0, 0, 3}, {5, 0, 5, 3}, {0, 3, 5, 3}}));
  EXPECT_EQ(std::tuple(m.params.supportCount, m.supports[2].node,
                       m.nodes[3].supportU + m.nodes[3].supportV, m.nodes[1].supportedPhi,
                       m.nodes[2].supportedU),
            std::tuple(2, 3, 2.0f, 0, 0));
  EXPECT_EQ(File("RAHMENDAT"), test::Bytes(int16_t{1}, 3.0f, 5.0f, 2, 1));
  EXPECT_EQ(std::tuple(CountIn("NODES"), At<float>(File("EXTENSIOR"), 12)), std::tuple(4, 3.0f));
}

TEST_F(FrameGenerator, StoreysAreColumnsThenTheBeamsAboveThem) {
  ASSERT_EQ(Generate({{"3", "3", "4"}, {"2.5", "3", "4"}}), ViewFollowUp::Redraw);
  ASSERT_EQ(session.model.params.elementCount, 10);
  EXPECT_EQ(std::vector<EndPoints>({Ends(3), Ends(5), Ends(6), Ends(10)}),
            std::vector<EndPoints>({{8, 0, 8, 3}, {4, 3, 8, 3}, {0, 3, 0, 5.5}, {4, 5.5, 8, 5.5}}));
  EXPECT_EQ(session.model.params.supportCount, 3);

  // Two grids: level 1 holds 0, 3 and 6, and the column at 3 stands on the beam.
  ASSERT_EQ(Generate({{"4", "2", "6"}, {"3", "3", "3"}}), ViewFollowUp::Redraw);
  ASSERT_EQ(session.model.params.elementCount, 9);
  EXPECT_EQ(std::vector<EndPoints>({Ends(3), Ends(4), Ends(6)}),
            std::vector<EndPoints>({{0, 4, 3, 4}, {3, 4, 6, 4}, {3, 4, 3, 7}}));
  EXPECT_EQ(std::tuple(Element(6).nodeLeft, session.model.params.supportCount),
            std::tuple(Element(3).nodeRight, 2));
}

TEST_F(FrameGenerator, ColumnLinesCloserThanFiveCentimetresMerge) {
  FloorTable floors{};
  floors[1] = {4, 3.0f, 2, 1};
  floors[2] = {3, 1.55f, 3, 2};  // 3.10 beside 3.00 stays apart
  EXPECT_EQ(PlanFrame(floors, 2).columnsAt[1], (std::vector<float>{0, 1.55f, 3, 3.1f}));
  // 3.04 beside 3.00: the larger stays, and the column at 3.00 meets its node.
  ASSERT_EQ(Generate({{"4", "2", "3"}, {"3", "3", "1.52"}}), ViewFollowUp::Redraw);
  EXPECT_EQ(session.model.params.elementCount, 9);
  EXPECT_EQ(Ends(4), (EndPoints{1.52f, 4, 3.04f, 4}));
  EXPECT_EQ(Element(2).nodeRight, Element(4).nodeRight);
}

TEST_F(FrameGenerator, RefusedTablesKeepTheDialogOpenAndChangeNothing) {
  ASSERT_EQ(Generate({{"3", "2", "5"}}), ViewFollowUp::Redraw);
  const std::vector<FloorRowTexts> floors21(21, {"3", "2", "4"});
  const std::vector<FloorRowTexts> wide(3, {"3", "20", "1"});
  // 98 elements estimated, but the two grids meet in 47 column lines.
  const std::vector<FloorRowTexts> grids{{"3", "25", "1.0"}, {"3", "25", "0.7"}};
  const std::pair<std::vector<FloorRowTexts>, std::string> refusals[] = {
      {{{"3", "1", "5"}}, "2 piers and more make a frame"},
      {{{"3", "2", "5"}, {"3", "0", "5"}}, "2 piers and more make a frame"},
      {{{"3", "51", "1"}}, "Too many piers 1, max = 50"},
      {floors21, "Too many floors, max = 20"},
      {wide, "Too many elements, max = 100"},
      {grids, "Too many elements, max = 100"},
      {{{"3", "2", "5"}, {"3", "2", ""}, {"3", "2", "5"}}, "Row 2 is empty"},
      {{{"1e39", "2", "5"}}, "The number 1e39 is too large"},
      {{{"3", "2", "5"}, {"3", "2", "0"}},
       "Row 2: floor height and spacing must be at least 0.05 m"},
      {{{"0", "2", "5"}}, "Row 1: floor height and spacing must be at least 0.05 m"},
      {{{"3", "50", "1e37"}}, "The number 1e37 is too large"},  // 49 spacings wide
      {{{"2e38", "2", "5"}, {"2e38", "2", "5"}}, "The number 2e38 is too large"},
  };
  const std::string before = test::TakeSnapshot(session);
  for (const auto& [rows, text] : refusals) {
    EXPECT_FALSE(AcceptFloorTable(session, messages, rows)) << text;
    ExpectRefusal(text);
    EXPECT_EQ(session.model.generationError, 1);
    EXPECT_TRUE(test::TakeSnapshot(session) == before) << text;
  }
  // Corrected and confirmed again: generated.
  ASSERT_EQ(Generate({{"3", "2", "6"}}), ViewFollowUp::Redraw);
  EXPECT_EQ(session.model.generationError, 0);
  EXPECT_EQ(Ends(3), (EndPoints{0, 3, 6, 3}));
}

// OK stores the storeys; a pending input error only clears the flag.
TEST_F(FrameGenerator, AcceptedTableIsShownAgainAndAPendingErrorOnlyStoresIt) {
  ASSERT_TRUE(AcceptFloorTable(session, messages, {{"3", "2", "5"}, {"2.75", "4", "2.5"}}));
  Session reopened;
  reopened.paths = session.paths;
  const std::vector<FloorRowTexts> rows = LoadFloorTableTexts(reopened);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].height + " " + rows[1].columns + " " + rows[1].spacing, "2.750 4 2.500");
  RemoveFile(session.paths.file("RAHMENDAT"));
  session.model.generationError = 1;
  EXPECT_EQ(FrameDialogAccepted(session, messages), ViewFollowUp::None);
  EXPECT_EQ(std::tuple(session.model.generationError, session.model.params.elementCount,
                       CountIn("RAHMENDAT")),
            std::tuple(0, 0, 2));
}

}  // namespace
}  // namespace rerore
