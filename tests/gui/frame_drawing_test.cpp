// The drawing of the frame, checked at the pixels the mapping gives for
// known world points.
#include "view/frame_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "check/rebuild.h"
#include "model/position_files.h"
#include "support/test_support.h"
#include "view/frame_output.h"

namespace rerore {
namespace {

using test::RecordingMessages;

constexpr int kWidth = 1000;
constexpr int kHeight = 600;

bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
bool IsGreen(QRgb c) { return qGreen(c) > 90 && qRed(c) < 80 && qBlue(c) < 80; }
bool IsDark(QRgb c) { return qGray(c) < 100; }
bool IsGrey(QRgb c) { return qRed(c) > 150 && qRed(c) < 230 && qRed(c) == qBlue(c); }
bool IsWhite(QRgb c) { return qGray(c) > 245; }

// The colour test holds for a pixel within `reach` of p.
template <typename Test>
bool Near(const QImage& image, DevicePoint p, Test test, int reach = 1) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      if (image.valid(p.x + dx, p.y + dy) && test(image.pixel(p.x + dx, p.y + dy))) return true;
  return false;
}

struct FrameFixture : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  RecordingMessages messages;
  WorldMapping mapping{session.view};

  void SetUp() override {
    test::UsePosition(session, data.path(), "001");
    std::filesystem::create_directories(data / "SDIR001");
  }

  void addElement(float xa, float ya, float xb, float yb) {
    ElementRecord& e = session.model.elements[++session.model.params.elementCount];
    e = ElementRecord{};
    SetElementLeft(e, xa, ya);
    SetElementRight(e, xb, yb);
    e.material = e.crossSection = e.compression = e.tension = 1;
  }

  // Geometry, extents, nodes and equations as the program derives them.
  void rebuild() {
    WriteModelExtent(session);
    RebuildModel(session, messages);
  }

  // A portal of 6 m x 4 m: clamped at node 1, pinned at node 4.
  void portal() {
    addElement(0, 0, 0, 4);
    addElement(0, 4, 6, 4);
    addElement(6, 4, 6, 0);
    rebuild();
    NodeRecord& left = session.model.nodes[1];
    left.supportedU = left.supportedV = left.supportedPhi = 1;
    NodeRecord& right = session.model.nodes[4];
    right.supportedU = right.supportedV = 1;
    WriteNodesFile(session.paths, session.model);
  }

  QImage render() {
    QImage i = RenderFrameImage(kWidth, kHeight, session, mapping, messages);
    if (getenv("DUMP"))
      i.save(QString("/tmp/rd/") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
             ".png");
    return i;
  }
};

TEST_F(FrameFixture, ElementLinesLieWhereTheMappingPutsThem) {
  portal();
  session.view.display.endMarks = false;
  const QImage image = render();
  // Along the beam and the columns, away from labels and symbols.
  for (const float x : {1.0f, 2.0f, 4.5f, 5.5f})
    EXPECT_TRUE(IsDark(image.pixel(mapping.toDevice(x, 4).x, mapping.toDevice(x, 4).y))) << x;
  for (const float y : {1.5f, 2.5f, 3.5f}) {
    EXPECT_TRUE(IsDark(image.pixel(mapping.toDevice(0, y).x, mapping.toDevice(0, y).y))) << y;
    EXPECT_TRUE(IsDark(image.pixel(mapping.toDevice(6, y).x, mapping.toDevice(6, y).y))) << y;
  }
  // Half a metre off the beam the picture is empty.
  const DevicePoint off = mapping.toDevice(3.5f, 3.5f);
  EXPECT_TRUE(IsWhite(image.pixel(off.x, off.y)));
}

TEST_F(FrameFixture, SupportSymbolsFollowTheNodesFlags) {
  portal();
  const QImage image = render();
  const float s = SymbolSize(session.view.extents);  // 0.06 m
  // Clamped node 1: a grey square of half side s = 6 cm around the node;
  // the white node circle covers its inner 3 cm.
  const DevicePoint square = mapping.toDevice(-0.8f * s, -0.8f * s);
  EXPECT_TRUE(Near(image, square, IsGrey));
  // Pinned node 4: the triangle's base line s below the node, no roller.
  const DevicePoint base = mapping.toDevice(6.0f + 0.5f * s, -s);
  EXPECT_TRUE(Near(image, base, IsDark));
  const DevicePoint roller = mapping.toDevice(6.0f + 0.5f * s, -1.2f * s);
  EXPECT_FALSE(Near(image, roller, IsDark, 0));
  // The node circle of 3 cm is white inside.
  const DevicePoint inside = mapping.toDevice(6.0f + 0.01f, -0.01f);
  EXPECT_TRUE(IsWhite(image.pixel(inside.x, inside.y)));
}

TEST_F(FrameFixture, ARollerHasItsLineAndAnElasticSupportIsDashed) {
  portal();
  NodeRecord& right = session.model.nodes[4];
  right.supportedU = 0;  // roller
  WriteNodesFile(session.paths, session.model);
  const float s = SymbolSize(session.view.extents);
  QImage image = render();
  const DevicePoint roller = mapping.toDevice(6.0f + 0.5f * s, -1.2f * s);
  EXPECT_TRUE(Near(image, roller, IsDark, 0));

  right.supportedV = 0;
  right.supportV = 0.5f;  // elastic only
  WriteNodesFile(session.paths, session.model);
  image = render();
  // Dashes: along the roller line some pixels are drawn and some are not.
  int drawn = 0;
  int gaps = 0;
  const DevicePoint from = mapping.toDevice(6.0f - s, -1.2f * s);
  const DevicePoint to = mapping.toDevice(6.0f + s, -1.2f * s);
  for (int x = from.x + 1; x < to.x; ++x) (IsDark(image.pixel(x, from.y)) ? drawn : gaps)++;
  EXPECT_GT(drawn, 0);
  EXPECT_GT(gaps, 0);
}

TEST_F(FrameFixture, HingesAreWhiteCirclesAtTheHingedEnds) {
  portal();
  session.model.elements[2].hingeLeft = 1;
  const QImage image = render();
  const int32_t r = 3 * mapping.markRadius();
  const DevicePoint centre = mapping.toDevice(0, 4);
  const double pixels = r * std::fabs(mapping.transform().scaleX());
  // The outline lies on the circle, the inside is white over the lines.
  EXPECT_TRUE(Near(image, {centre.x + static_cast<int>(pixels), centre.y}, IsDark));
  EXPECT_TRUE(IsWhite(image.pixel(centre.x + static_cast<int>(pixels / 2), centre.y)));
}

TEST_F(FrameFixture, AMechanismShowsRedPoleDotsAndTheGreenShape) {
  portal();
  // The frame sways: the beam's nodes move to the right.
  Session& s = session;
  s.check.checkResult = s.model.nodes[2].dofU;
  s.check.kinematicVector[s.model.nodes[2].dofU] = 1.0;
  s.check.kinematicVector[s.model.nodes[3].dofU] = 1.0;
  s.check.poleTable[1] = {0.0f, 0.0f, 0};
  s.check.poleTable[2] = {0.0f, 0.0f, 1};
  s.check.poleTable[3] = {6.0f, 0.0f, 0};
  s.view.extents = {-1, -1, 8, 5};
  s.view.display.endMarks = false;
  const QImage image = render();
  // Pole dots: red at the pole, and the singular node in red as well
  // (left of its centre, where neither a line nor an arrow covers it).
  EXPECT_TRUE(IsRed(image.pixel(mapping.toDevice(6, 0).x, mapping.toDevice(6, 0).y)));
  const int dot = static_cast<int>(3 * mapping.markRadius() * mapping.transform().scaleX());
  const DevicePoint node = mapping.toDevice(0, 4);
  EXPECT_TRUE(IsRed(image.pixel(node.x - dot / 2, node.y)));
  EXPECT_FALSE(IsRed(image.pixel(node.x - dot - 3, node.y)));
  // The displaced beam one metre to the right, in green.
  EXPECT_TRUE(Near(image, mapping.toDevice(4.0f, 4.0f), IsGreen));
  EXPECT_TRUE(Near(image, mapping.toDevice(6.8f, 4.0f), IsGreen));
  // Below the threshold nothing green is left.
  s.view.mechanismAmplitude = 0.004f;
  const QImage still = render();
  EXPECT_FALSE(Near(still, mapping.toDevice(6.8f, 4.0f), IsGreen, 3));
  EXPECT_TRUE(IsRed(still.pixel(mapping.toDevice(6, 0).x, mapping.toDevice(6, 0).y)));
}

TEST_F(FrameFixture, TheMarkedPointIsABigRedDot) {
  portal();
  session.view.markedPoint = {true, 3.0f, 2.0f};
  const QImage image = render();
  const DevicePoint p = mapping.toDevice(3.0f, 2.0f);
  EXPECT_TRUE(IsRed(image.pixel(p.x, p.y)));
  EXPECT_TRUE(IsRed(image.pixel(p.x + 10, p.y)));  // 12 pixels of radius
  EXPECT_FALSE(IsRed(image.pixel(p.x + 15, p.y)));
}

TEST_F(FrameFixture, TheGridIsRedAtWholeMeshes) {
  portal();
  session.view.grid.on = true;
  session.view.grid.meshWidth = 2.0f;
  const QImage image = render();
  const DevicePoint line = mapping.toDevice(2.0f, 1.0f);  // x = 2 is a grid line
  EXPECT_TRUE(IsRed(image.pixel(line.x, line.y)));
  const DevicePoint between = mapping.toDevice(3.0f, 1.0f);
  EXPECT_TRUE(IsWhite(image.pixel(between.x, between.y)));
}

TEST_F(FrameFixture, AThinZoomWindowDrawsNothing) {
  portal();
  render();
  ASSERT_TRUE(mapping.zoomByDrag({200, 100}, {200, 300}));
  const QImage image = render();
  for (int y = 0; y < kHeight; y += 7)
    for (int x = 0; x < kWidth; x += 7) ASSERT_TRUE(IsWhite(image.pixel(x, y))) << x << "," << y;
}

}  // namespace
}  // namespace rerore
