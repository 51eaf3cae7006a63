// The drawing of the frame, checked at the pixels the mapping gives for known points.

#include <array>

#include "check/rebuild.h"
#include "check/structure_check.h"
#include "generators/curve_generators.h"
#include "gui_helpers.h"
#include "model/position_files.h"
#include "view/core/frame_geometry.h"
#include "view/frame_output.h"

namespace rerore {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 600;

using test::IsDark, test::IsGreen, test::IsGrey, test::IsRed, test::IsWhite, test::Near;

// A portal of 6 m x 4 m, clamped at node 1 and pinned at node 4, rebuilt.
struct FrameFixture : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
  WorldMapping mapping{session.view};
  QImage image;

  void SetUp() override {
    test::UsePosition(session, data.path(), "001");
    std::filesystem::create_directories(data / "SDIR001");
    for (const auto& [xa, ya, xb, yb] : {std::array{0, 0, 0, 4}, {0, 4, 6, 4}, {6, 4, 6, 0}})
      test::AddElement(session.model, xa, ya, xb, yb);
    WriteModelExtent(session);
    RebuildModel(session, messages);
    NodeRecord& left = session.model.nodes[1];
    left.supportedU = left.supportedV = left.supportedPhi = 1;
    right().supportedU = right().supportedV = 1;
    WriteNodesFile(session.paths, session.model);
    session.view.display.endMarks = false;
  }
  NodeRecord& right() { return session.model.nodes[4]; }
  void render() { image = RenderFrameImage(kWidth, kHeight, session, mapping, messages); }
  QRgb at(float x, float y) const {
    const DevicePoint p = mapping.toDevice(x, y);
    return image.pixel(p.x, p.y);
  }
  bool near(float x, float y, bool (*test)(QRgb), int reach = 1) const {
    return Near(image, mapping.toDevice(x, y), test, reach);
  }
};

TEST_F(FrameFixture, ElementLinesAndSupportSymbolsLieWhereTheMappingPutsThem) {
  render();
  // Along the beam and the columns, away from labels and symbols.
  for (const float x : {1.0f, 2.0f, 4.5f, 5.5f}) EXPECT_TRUE(IsDark(at(x, 4))) << x;
  for (const float y : {1.5f, 2.5f, 3.5f}) EXPECT_TRUE(IsDark(at(0, y)) && IsDark(at(6, y))) << y;
  EXPECT_TRUE(IsWhite(at(3.5f, 3.5f)));              // half a metre off the beam
  const float s = SymbolSize(session.view.extents);  // 0.06 m
  // Clamped: grey right up to the node (no pin circle); pinned: a white circle.
  EXPECT_TRUE(near(-0.8f * s, -0.8f * s, IsGrey));
  EXPECT_TRUE(IsGrey(at(-0.01f, -0.01f)));
  EXPECT_TRUE(IsWhite(at(6.0f + 0.01f, -0.01f)));
  // Pinned node 4: the triangle's base line s below the node, no roller.
  EXPECT_TRUE(near(6.0f + 0.5f * s, -s, IsDark));
  EXPECT_FALSE(near(6.0f + 0.5f * s, -1.2f * s, IsDark, 0));

  right().supportedU = 0;  // a roller: its line 1.2 s below the node
  WriteNodesFile(session.paths, session.model);
  render();
  EXPECT_TRUE(near(6.0f + 0.5f * s, -1.2f * s, IsDark, 0));

  right().supportedV = 0;
  right().supportV = 0.5f;  // elastic only: the same line dashed
  WriteNodesFile(session.paths, session.model);
  render();
  int drawn = 0, gaps = 0;
  const DevicePoint from = mapping.toDevice(6.0f - s, -1.2f * s);
  const DevicePoint to = mapping.toDevice(6.0f + s, -1.2f * s);
  for (int x = from.x + 1; x < to.x; ++x) (IsDark(image.pixel(x, from.y)) ? drawn : gaps)++;
  EXPECT_GT(drawn, 0);
  EXPECT_GT(gaps, 0);
}

// End marks are small dots, nothing like a hinge; a hinge is an open, thick circle.
TEST_F(FrameFixture, EndMarksAreDotsAndHingesOpenCirclesWithAThickOutline) {
  session.view.display.endMarks = true;
  render();
  const DevicePoint corner = mapping.toDevice(6, 4);
  EXPECT_TRUE(IsDark(image.pixel(corner.x - 1, corner.y + 1)));  // inside the dot
  // Where a circle round the corner would pass, inside the frame: white.
  for (int d = 4; d <= 16; ++d) EXPECT_TRUE(IsWhite(image.pixel(corner.x - d, corner.y + d))) << d;

  // Hinges at both ends of the beam: thick outlines, white inside.
  session.model.elements[2].hingeLeft = session.model.elements[2].hingeRight = 1;
  render();
  const int r = static_cast<int>(3 * mapping.markRadius() * mapping.transform().scaleX());
  for (const auto& [node, side] :
       {std::pair{mapping.toDevice(6, 4), -1}, {mapping.toDevice(0, 4), 1}}) {
    int thick = 0;
    for (int d = r - 2; d <= r + 2; ++d) thick += IsDark(image.pixel(node.x + side * d, node.y));
    EXPECT_GE(thick, 2) << side;
    EXPECT_TRUE(IsWhite(image.pixel(node.x + side * r / 2, node.y))) << side;
    EXPECT_TRUE(IsWhite(image.pixel(node.x, node.y + r / 2))) << side;
  }
}

TEST_F(FrameFixture, AMechanismShowsRedPoleDotsAndTheGreenShape) {
  // The frame sways: the beam's nodes move to the right.
  CheckResults& check = session.check;
  check.outcome = CheckOutcome::mechanismAt(session.model.nodes[2].dofU);
  check.kinematicVector[session.model.nodes[2].dofU] = 1.0;
  check.kinematicVector[session.model.nodes[3].dofU] = 1.0;
  check.poleTable[1] = {0.0f, 0.0f, 0};
  check.poleTable[2] = {0.0f, 0.0f, 1};
  check.poleTable[3] = {6.0f, 0.0f, 0};
  session.view.extents = {-1, -1, 8, 5};
  render();
  // A red dot at the pole and on the singular node (left of its centre).
  EXPECT_TRUE(IsRed(at(6, 0)));
  const int dot = static_cast<int>(3 * mapping.markRadius() * mapping.transform().scaleX());
  const DevicePoint node = mapping.toDevice(0, 4);
  EXPECT_TRUE(IsRed(image.pixel(node.x - dot / 2, node.y)));
  EXPECT_FALSE(IsRed(image.pixel(node.x - dot - 3, node.y)));
  // The displaced beam one metre to the right, in green.
  EXPECT_TRUE(near(4.0f, 4.0f, IsGreen));
  EXPECT_TRUE(near(6.8f, 4.0f, IsGreen));
}

// Dimensions stay a hairline when zoomed in; an empty position measures nothing.
TEST_F(FrameFixture, DimensionLinesStayThinWhenZoomedAndAnEmptyFrameHasNone) {
  render();
  const DevicePoint bottomLeft = mapping.toDevice(0, 0);
  // Four times larger, the frame's foot 60 pixels higher than before.
  ASSERT_TRUE(mapping.zoomAbout({bottomLeft.x, bottomLeft.y + 20}, 4.0));
  render();
  // Down a column left of the text "6.00": the dimension line is one pixel high.
  const DevicePoint from = mapping.toDevice(1.0f, 0.0f);
  int lines = 0;
  for (int y = from.y + 3; y < kHeight - 1; ++y) {
    if (!IsDark(image.pixel(from.x, y))) continue;
    ++lines;
    EXPECT_FALSE(IsDark(image.pixel(from.x, y + 1))) << y;
  }
  EXPECT_EQ(lines, 1);

  mapping.leaveZoom();
  session.model.params.elementCount = 0;
  session.model.params.nodeCount = 0;
  WriteNodesFile(session.paths, session.model);
  session.view.extents = {0, 0, 50, 30};  // the extents of a position without a frame
  render();
  // Nothing but the origin symbol: no dimension "50.00" or "30.00".
  const DevicePoint o = mapping.toDevice(0, 0);
  for (int y = 0; y < kHeight; y += 2)
    for (int x = 0; x < kWidth; x += 2)
      if (std::abs(x - o.x) > 60 || std::abs(y - o.y) > 50) {
        ASSERT_FALSE(IsDark(image.pixel(x, y))) << x << "," << y;
      }
}

// A position started as the program starts, drawn with its labels recorded.
struct FrameLabels : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  test::RecordingMessages messages;
  Session session;

  void start(const std::string& name) {
    test::CopyExamples(data);
    std::filesystem::create_directories(data / ("SDIR" + name));
    ASSERT_EQ(StartProgram(session, messages, "." + name + " @" + data.path()),
              StartResult::Started);
  }
  // No label covers another or a pole's; every node has its "N k" at its point.
  PictureLabels draw(int width, int height) {
    WorldMapping mapping(session.view);
    PictureLabels labels;
    RenderFrameImage(width, height, session, mapping, messages, &labels);
    const auto& f = labels.frame;
    for (size_t i = 0; i < f.size(); ++i) {
      for (size_t j = i + 1; j < f.size(); ++j)
        EXPECT_FALSE(Overlaps(f[i].box, f[j].box)) << f[i].text << " on " << f[j].text;
      for (const DeviceRect& pole : labels.poles)
        EXPECT_FALSE(Overlaps(f[i].box.bounds(), pole)) << f[i].text << " on a pole label";
    }
    for (int k = 1; k <= session.model.params.nodeCount; ++k) {
      const std::string text = Format("N %i", k);
      const auto found = std::ranges::find(f, text, &DrawnLabel::text);
      const DevicePoint p = mapping.toDevice(session.model.nodes[k].x, session.model.nodes[k].y);
      EXPECT_TRUE(found != f.end() && found->anchor.x == p.x && found->anchor.y == p.y) << text;
    }
    return labels;
  }
};

// The parabola of 100 elements: 201 labels along a dense curve, none capped.
TEST_F(FrameLabels, NoLabelCoversAnotherOnTheHundredElementParabola) {
  start("050");
  ASSERT_EQ(ParabolaDialogOk(session, messages, {"20", "5", "100"}),
            ViewFollowUp::ResetAndOpenElements);
  ASSERT_EQ(session.model.params.nodeCount, 101);
  EXPECT_EQ(draw(1600, 1000).frame.size(), 201u);
}

// The hinged portal after Store's check, with the labels of its poles.
TEST_F(FrameLabels, NoLabelCoversAnotherOnTheHingedPortalWithItsPoles) {
  start("003");
  RebuildModel(session, messages);
  ASSERT_TRUE(CheckStructure(session, messages).isMechanism());
  const PictureLabels labels = draw(kWidth, kHeight);
  EXPECT_EQ(labels.frame.size(), 7u);  // 3 elements, 4 nodes
  EXPECT_FALSE(labels.poles.empty());
}

}  // namespace
}  // namespace rerore
