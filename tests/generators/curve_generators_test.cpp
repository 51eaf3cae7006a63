#include "generators/curve_generators.h"

#include <cmath>

#include "generators/generator_fixture.h"

namespace rerore {
namespace {

using test::At;

constexpr float kNear = 1.0e-5f;

void ExpectPoints(const std::vector<GeneratedPoint>& points,
                  const std::vector<GeneratedPoint>& expected) {
  ASSERT_EQ(points.size(), expected.size());
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_NEAR(points[i].x, expected[i].x, kNear) << "point " << i + 1;
    EXPECT_NEAR(points[i].y, expected[i].y, kNear) << "point " << i + 1;
  }
}

TEST(CurvePoints, ArcRunsOverTheTopWhicheverAngleComesFirstAndParabolaRisesToF) {
  const std::vector<GeneratedPoint> arc{{-10, 0}, {0, 10}, {10, 0}};
  ExpectPoints(ArcPoints(2, 10, 180, 0), arc);
  ExpectPoints(ArcPoints(2, 10, 0, 180), arc);
  ExpectPoints(ArcPoints(3, 2, 90, 0),
               {{0, 2}, {1, std::sqrt(3.0f)}, {std::sqrt(3.0f), 1}, {2, 0}});
  ExpectPoints(ParabolaPoints({10, 2, 4}), {{0, 0}, {2.5, 1.5}, {5, 2}, {7.5, 1.5}, {10, 0}});
}

// Arc ends lie a hair off the axes: sin(fl(π)) = π - fl(π), on every platform.
TEST(CurvePoints, ArcEndsAtTheAxesAreTheSameFloatsOnEveryPlatform) {
  constexpr double kPiError = 1.2246467991473532e-16;  // π - fl(π)
  EXPECT_EQ(ArcPoints(12, 10, 180, 0).front().y, static_cast<float>(10 * kPiError));
  EXPECT_EQ(ArcPoints(3, 2, 90, 0).front().x, static_cast<float>(2 * kPiError / 2));
  EXPECT_EQ(ArcPoints(4, 5, 360, 0).front().y, static_cast<float>(-5 * 2 * kPiError));
}

class CurveGenerators : public test::GeneratorTest {};

TEST_F(CurveGenerators, DefaultArcIsTheUpperHalfCircleWithItsFiles) {
  const ArcFieldTexts defaults = LoadArcDialogTexts(session.paths);
  EXPECT_EQ(defaults.radius + " " + defaults.angleLeft + " " + defaults.angleRight + " " +
                defaults.segments,
            "10.00 180.00 0.00 48");
  ASSERT_EQ(ArcDialogOk(session, messages, defaults), ViewFollowUp::ElementsTableEnded);
  const ModelTables& m = session.model;
  ASSERT_EQ(std::tuple(m.params.elementCount, CountIn("NODES")), std::tuple(48, 49));
  EXPECT_LT(std::fabs(m.elements[1].xa + 10) + std::fabs(m.elements[24].yb - 10) +
                std::fabs(m.elements[48].xb - 10),
            3 * kNear);
  for (int k = 1; k <= 48; ++k)
    EXPECT_NEAR(std::hypot(m.elements[k].xa, m.elements[k].za), 10.0f, kNear);
  EXPECT_EQ(std::vector<int>({m.params.supportCount, m.params.arcMark, m.params.inputState52}),
            std::vector<int>({0, 1, 1}));
  EXPECT_EQ(File("BOGEN"), test::Bytes(10.0f, 180.0f, 0.0f, 48));
  EXPECT_NEAR(At<float>(File("EXTENSIOR"), 12), 10.0f, kNear);

  ASSERT_EQ(ArcDialogOk(session, messages, {"7,5", "150", "30", "4"}),
            ViewFollowUp::ElementsTableEnded);
  EXPECT_EQ(LoadArcDialogTexts(session.paths).radius, "7.50");
}

TEST_F(CurveGenerators, ParabolaKeepsItsParametersAndTruncatesTheCount) {
  EXPECT_EQ(ParabolaDialogTexts(session.model.parabola).span, "");
  ASSERT_EQ(ParabolaDialogOk(session, messages, {"10", "2", "6.7"}),
            ViewFollowUp::ResetAndOpenElements);
  const ModelTables& m = session.model;
  ASSERT_EQ(std::tuple(m.params.elementCount, m.params.nodeCount), std::tuple(6, 7));
  EXPECT_NEAR(m.elements[3].yb, 2.0f, kNear);
  EXPECT_EQ(m.params.inputState52, 1);
  EXPECT_NEAR(At<float>(File("EXTENSIOR"), 12), 2.0f, kNear);
  const ParabolaFieldTexts shown = ParabolaDialogTexts(m.parabola);
  EXPECT_EQ(shown.span + " " + shown.rise + " " + shown.elements, "10.00 2.00 6");
}

TEST_F(CurveGenerators, SegmentCountsOutsideTheTableAreRefused) {
  ASSERT_EQ(ParabolaDialogOk(session, messages, {"10", "2", "4"}),
            ViewFollowUp::ResetAndOpenElements);
  const std::string before = test::TakeSnapshot(session);
  for (const std::string count : {"0", "101", "-3", "0.9"}) {
    const std::string text = Format("Number of elements %i, allowed 1 to 100", std::stoi(count));
    EXPECT_EQ(ArcDialogOk(session, messages, {"10", "180", "0", count}), ViewFollowUp::None);
    ExpectRefusal(text);
    EXPECT_EQ(ParabolaDialogOk(session, messages, {"10", "2", count}), ViewFollowUp::None);
    ExpectRefusal(text);
    EXPECT_TRUE(test::TakeSnapshot(session) == before) << count;
  }
}

// Only what gives elements with length is generated; a refusal changes nothing.
TEST_F(CurveGenerators, InputsThatGiveNoFrameAreRefused) {
  ASSERT_EQ(ParabolaDialogOk(session, messages, {"10", "2", "4"}),
            ViewFollowUp::ResetAndOpenElements);
  const std::string before = test::TakeSnapshot(session);
  const std::pair<ArcFieldTexts, std::string> arcs[] = {
      {{"abc", "180", "0", "48"}, "The radius must be positive"},
      {{"0", "180", "0", "48"}, "The radius must be positive"},
      {{"1e39", "180", "0", "48"}, "The number 1e39 is too large"},
      {{"2e38", "180", "0", "48"}, "The number 2e38 is too large"},  // its diameter
      {{"10", "1E40", "0", "48"}, "The number 1E40 is too large"},
      {{"10", "90", "90", "4"}, "The angles on the left and on the right must differ"},
      {{"10", "0", "720", "48"}, "The arc cannot span more than 360 degrees"},
      {{"0.1", "180", "0", "48"}, "The elements would be shorter than 0.05 m"},
  };
  for (const auto& [fields, text] : arcs) {
    EXPECT_EQ(ArcDialogOk(session, messages, fields), ViewFollowUp::None) << text;
    ExpectRefusal(text);
  }
  const std::pair<ParabolaFieldTexts, std::string> parabolas[] = {
      {{"0", "2", "4"}, "The length of the base line must be positive"},
      {{"-10", "2", "4"}, "The length of the base line must be positive"},
      {{"10", "0", "4"}, "The height must be positive"},
      {{"10", "1e39", "4"}, "The number 1e39 is too large"},
      {{"1", "0.2", "40"}, "The elements would be shorter than 0.05 m"},
  };
  for (const auto& [fields, text] : parabolas) {
    EXPECT_EQ(ParabolaDialogOk(session, messages, fields), ViewFollowUp::None) << text;
    ExpectRefusal(text);
  }
  EXPECT_TRUE(test::TakeSnapshot(session) == before);
  // A base line so long that x * x leaves the float range still has its points.
  for (const GeneratedPoint& p : ParabolaPoints({1.0e30f, 1.0f, 4}))
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << p.x;
  EXPECT_NEAR(ParabolaPoints({1.0e30f, 1.0f, 4})[2].y, 1.0f, kNear);
}

}  // namespace
}  // namespace rerore
