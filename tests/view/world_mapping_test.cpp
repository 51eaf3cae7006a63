#include "view/core/world_mapping.h"

#include <gtest/gtest.h>

#include "model/session.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::RecordingMessages;

struct Mapped {
  Session session;
  WorldMapping mapping{session.view};
  RecordingMessages messages;

  // A paint of the extents on a device area of w x h pixels.
  void paint(float xmin, float ymin, float xmax, float ymax, int w = 1000, int h = 600,
             MappingTarget target = MappingTarget::Screen) {
    session.view.extents = {xmin, ymin, xmax, ymax};
    mapping.setDeviceArea(w, h, target);
    mapping.fit(*mapping.paintRectangle(kTolerance), messages);
  }
};

TEST(UnitsPerMetre, FollowTheSizeOfTheExtents) {
  struct Case {
    DrawingExtents extents;
    int units;
  };
  const Case cases[] = {
      {{0, 0, 120, 10}, 10},  {{0, 0, 10, 101}, 10},  {{0, 0, 60, 60}, 20},  {{0, 0, 60, 45}, 25},
      {{0, 0, 35, 31}, 30},   {{0, 0, 25, 21}, 50},   {{0, 0, 15, 11}, 100}, {{0, 0, 15, 5}, 200},
      {{0, 0, 2.5f, 2}, 500}, {{5, 0, 5, 2.9f}, 500}, {{0, 0, 10, 10}, 200}, {{10, 30, 0, 0}, 200},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseUnitsPerMetre(c.extents, true), c.units)
        << c.extents.xmin << ".." << c.extents.xmax << " x " << c.extents.ymin << ".."
        << c.extents.ymax;
  EXPECT_EQ(ChooseUnitsPerMetre({0, 0, 120, 10}, false), 100);
}

TEST(WorldFit, APortraitOfTenByFiveMetresOnAThousandBySixHundredPixels) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  EXPECT_EQ(m.session.view.unitsPerMetre, 200);
  // 90 % of the area is 900 x 540; the frame fills the width: 900 x 450,
  // centred, with the world origin at its lower-left corner.
  const Transformation& t = m.mapping.transform();
  EXPECT_EQ(t.viewportExtentX, 900);
  EXPECT_EQ(t.viewportExtentY, -450);
  EXPECT_EQ(m.mapping.toDevice(0, 0).x, 50);
  EXPECT_EQ(m.mapping.toDevice(0, 0).y, 525);
  EXPECT_EQ(m.mapping.toDevice(10, 5).x, 950);
  EXPECT_EQ(m.mapping.toDevice(10, 5).y, 75);
  EXPECT_EQ(m.mapping.toDevice(5, 2.5f).x, 500);
  EXPECT_EQ(m.mapping.toDevice(5, 2.5f).y, 300);
  // 5 px are 11.1 logical units, 12 px 26.7; 4 px are 4/90 m.
  EXPECT_EQ(m.mapping.markRadius(), 11);
  EXPECT_EQ(m.mapping.bigMarkRadius(), 27);
  EXPECT_NEAR(m.mapping.pickTolerance(), 4.0 * 10.0 / 900.0, 1e-6);
}

TEST(WorldFit, ConversionsOfTheMouseGoBothWays) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  const WorldPoint w = m.mapping.deviceToWorld({500, 300});
  EXPECT_FLOAT_EQ(w.x, 5.0f);
  EXPECT_FLOAT_EQ(w.y, 2.5f);
  const DevicePoint d = m.mapping.worldToDevice({7.5f, 1.0f});
  EXPECT_EQ(d.x, 725);
  EXPECT_EQ(d.y, 435);
  // Every conversion of the mouse sets the mark radius to its 3-pixel
  // value (6.7 logical units, plus one).
  EXPECT_EQ(m.mapping.markRadius(), 8);
}

TEST(WorldFit, FramesBelowOneMetreStillReachOneMetre) {
  Mapped m;
  m.paint(0, 0, 0.6f, 0.4f);
  EXPECT_DOUBLE_EQ(m.mapping.windowX2(), 1.0);
  EXPECT_DOUBLE_EQ(m.mapping.windowY2(), 1.0);
  EXPECT_DOUBLE_EQ(m.mapping.windowX1(), 0.0);
  // 1 m square on 900 x 540: the height decides, 540 pixels to the metre.
  EXPECT_EQ(m.mapping.toDevice(1.0f, 0).x - m.mapping.toDevice(0, 0).x, 540);
}

TEST(WorldFit, ASingleVerticalElementGetsOneMetreOfWidth) {
  Mapped m;
  m.paint(5, 0, 5, 4);
  EXPECT_DOUBLE_EQ(m.mapping.windowX1(), 4.0);
  EXPECT_DOUBLE_EQ(m.mapping.windowX2(), 5.0);
  EXPECT_DOUBLE_EQ(m.mapping.windowY1(), 0.0);
  EXPECT_DOUBLE_EQ(m.mapping.windowY2(), 4.0);
}

TEST(WorldFit, AWindowThatCannotBeWidenedEndsTheProgram) {
  Mapped m;
  m.session.view.extents = {0, 1.0e9f, 10, 1.0e9f};
  m.mapping.setDeviceArea(800, 600, MappingTarget::Screen);
  try {
    m.mapping.fit(*m.mapping.paintRectangle(kTolerance), m.messages);
    FAIL() << "no program end";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ASSERT_EQ(m.messages.messages.size(), 1u);
  EXPECT_EQ(m.messages.messages[0].title, "Error in DefineWorld");
  EXPECT_EQ(m.messages.messages[0].text,
            "x1 = 0.00 y1 = 1000000000.00 x2 = 10.00 y2 = 1000000000.00");
}

TEST(WorldFit, ZoomFactorWidensAboutTheCentreAndShrinkPullsTowardsTheCorner) {
  Mapped m;
  m.session.view.zoomFactor = 2.0f;
  m.paint(0, 0, 10, 5);
  EXPECT_DOUBLE_EQ(m.mapping.windowX1(), -5.0);
  EXPECT_DOUBLE_EQ(m.mapping.windowX2(), 15.0);
  EXPECT_EQ(m.mapping.toDevice(5, 2.5f).x, 500);
  EXPECT_EQ(m.mapping.toDevice(15, 0).x, 950);

  Mapped s;
  s.session.view.shrinkFactor = 1.5f;
  s.paint(0, 0, 10, 5);
  EXPECT_EQ(s.mapping.toDevice(0, 0).x, 50);
  EXPECT_EQ(s.mapping.toDevice(0, 0).y, 525);
  EXPECT_EQ(s.mapping.toDevice(10, 5).x, 650);
  EXPECT_EQ(s.mapping.toDevice(10, 5).y, 225);
}

TEST(WorldFit, PrintedPagesUseEightyPercent) {
  Mapped m;
  m.paint(0, 0, 10, 5, 3000, 2000, MappingTarget::Printer);
  EXPECT_EQ(m.mapping.transform().viewportExtentX, 2400);
  EXPECT_EQ(m.mapping.toDevice(0, 0).x, 300);
  EXPECT_EQ(m.mapping.toDevice(10, 0).x, 2700);
}

TEST(Zoom, ADragOfMoreThanNinePixelsZooms) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  EXPECT_FALSE(m.mapping.zoomByDrag({100, 100}, {109, 109}));
  EXPECT_FALSE(m.mapping.zoomed());
  EXPECT_FALSE(m.mapping.zoomByDrag({100, 100}, {91, 100}));
  EXPECT_TRUE(m.mapping.zoomByDrag({500, 300}, {50, 525}));
  ASSERT_TRUE(m.mapping.zoomed());
  const WorldRect& z = m.mapping.zoomWindow();
  EXPECT_FLOAT_EQ(z.x1, 0.0f);
  EXPECT_FLOAT_EQ(z.y1, 0.0f);
  EXPECT_FLOAT_EQ(z.x2, 5.0f);
  EXPECT_FLOAT_EQ(z.y2, 2.5f);

  Mapped n;
  n.paint(0, 0, 10, 5);
  EXPECT_TRUE(n.mapping.zoomByDrag({100, 100}, {110, 100}));
  Mapped k;
  k.paint(0, 0, 10, 5);
  EXPECT_TRUE(k.mapping.zoomByDrag({100, 100}, {100, 90}));
}

TEST(Zoom, TheNextPaintShowsTheZoomWindowUntilItIsLeft) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  ASSERT_TRUE(m.mapping.zoomByDrag({500, 300}, {50, 525}));
  m.mapping.fit(*m.mapping.paintRectangle(kTolerance), m.messages);
  // 0..5 x 0..2.5 now fills the same 900 x 450 box.
  EXPECT_EQ(m.mapping.toDevice(5, 2.5f).x, 950);
  EXPECT_EQ(m.mapping.toDevice(5, 2.5f).y, 75);
  EXPECT_NEAR(m.mapping.pickTolerance(), 4.0 * 5.0 / 900.0, 1e-6);
  m.mapping.leaveZoom();
  m.mapping.fit(*m.mapping.paintRectangle(kTolerance), m.messages);
  EXPECT_EQ(m.mapping.toDevice(10, 5).x, 950);
}

TEST(Zoom, AZoomWindowThinnerThanTheToleranceDrawsNothing) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  // A purely vertical drag makes a window without width.
  ASSERT_TRUE(m.mapping.zoomByDrag({200, 100}, {200, 200}));
  EXPECT_FALSE(m.mapping.paintRectangle(kTolerance).has_value());
}

TEST(Printing, WideFramesAreLandscape) {
  Mapped m;
  m.session.view.extents = {0, 0, 20, 5};
  EXPECT_TRUE(m.mapping.landscapeForPrinting());
  m.session.view.extents = {0, 0, 5, 20};
  EXPECT_FALSE(m.mapping.landscapeForPrinting());
  m.session.view.extents = {0, 0, 5, 5};
  EXPECT_FALSE(m.mapping.landscapeForPrinting());
  // Zoomed, the zoom window decides.
  m.paint(0, 0, 10, 5);
  ASSERT_TRUE(m.mapping.zoomByDrag({100, 100}, {120, 400}));
  EXPECT_FALSE(m.mapping.landscapeForPrinting());
}

TEST(ViewFont, EightPointsAreAboutElevenPixels) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  // 80 tenths of a point at 96 dpi are 10.7 pixels; 2.22 logical units per
  // pixel make 23.7 logical units.
  EXPECT_EQ(m.mapping.fontHeight(80, 96), 24);
}

}  // namespace
}  // namespace rerore
