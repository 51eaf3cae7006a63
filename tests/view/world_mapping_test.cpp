#include "view/core/world_mapping.h"

#include <tuple>

#include "support/test_support.h"

namespace rerore {
namespace {

struct Mapped {
  Session session;
  WorldMapping mapping{session.view};
  test::RecordingMessages messages;

  // A paint of the extents on a device area of w x h pixels.
  void paint(float xmin, float ymin, float xmax, float ymax, int w = 1000, int h = 600,
             MappingTarget target = MappingTarget::Screen) {
    session.view.extents = {xmin, ymin, xmax, ymax};
    mapping.setDeviceArea(w, h, target);
    fit();
  }
  void fit() { mapping.fit(*mapping.paintRectangle(kTolerance), messages); }
  std::tuple<int, int> device(float x, float y) const {
    const DevicePoint p = mapping.toDevice(x, y);
    return {p.x, p.y};
  }
  std::vector<double> window() const {
    return {mapping.windowX1(), mapping.windowY1(), mapping.windowX2(), mapping.windowY2()};
  }
};

TEST(UnitsPerMetre, FollowTheSizeOfTheExtents) {
  const std::pair<DrawingExtents, int> cases[] = {
      {{0, 0, 120, 10}, 10}, {{0, 0, 60, 60}, 20},   {{0, 0, 60, 45}, 25},
      {{0, 0, 35, 31}, 30},  {{0, 0, 25, 21}, 50},   {{0, 0, 15, 11}, 100},
      {{0, 0, 15, 5}, 200},  {{0, 0, 2.5f, 2}, 500}, {{10, 30, 0, 0}, 200},
  };
  for (const auto& [e, units] : cases)
    EXPECT_EQ(ChooseUnitsPerMetre(e, true), units) << e.xmin << ".." << e.xmax << " x " << e.ymax;
  EXPECT_EQ(ChooseUnitsPerMetre({0, 0, 120, 10}, false), 100);
}

// 90 % of 1000 x 600 is 900 x 540; 10 x 5 m fill 900 x 450, centred.
TEST(WorldFit, TenByFiveMetresOnAThousandBySixHundredPixels) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  EXPECT_EQ(std::tuple(m.device(0, 0), m.device(10, 5)),
            std::tuple(std::tuple(50, 525), std::tuple(950, 75)));
  // 5 px = 11.1 units, 12 px = 26.7, 4 px = 4/90 m; 8 pt at 96 dpi = 23.7 units.
  EXPECT_EQ(
      std::tuple(m.mapping.markRadius(), m.mapping.bigMarkRadius(), m.mapping.fontHeight(80, 96)),
      std::tuple(11, 27, 24));
  EXPECT_NEAR(m.mapping.pickTolerance(), 4.0 * 10.0 / 900.0, 1e-6);
  const WorldPoint w = m.mapping.deviceToWorld({500, 300});
  const DevicePoint d = m.mapping.worldToDevice({7.5f, 1.0f});
  EXPECT_EQ(std::tuple(w.x, w.y, d.x, d.y), std::tuple(5.0f, 2.5f, 725, 435));
  EXPECT_EQ(m.mapping.markRadius(), 8);  // a converted mouse point sets the 3-pixel radius

  Mapped printed;  // 80 % of the page
  printed.paint(0, 0, 10, 5, 3000, 2000, MappingTarget::Printer);
  EXPECT_EQ(std::tuple(printed.device(0, 0), printed.device(10, 0)),
            std::tuple(std::tuple(300, 1600), std::tuple(2700, 1600)));
}

// Frames under a metre get one; a single column gets a metre of width.
TEST(WorldFit, SmallFramesReachOneMetreAndAWindowThatCannotBeWidenedEndsTheProgram) {
  Mapped m;
  m.paint(0, 0, 0.6f, 0.4f);
  EXPECT_EQ(m.window(), (std::vector<double>{0, 0, 1, 1}));
  m.paint(5, 0, 5, 4);
  EXPECT_EQ(std::tuple(m.window()[0], m.window()[2]), std::tuple(4.0, 5.0));

  m.session.view.extents = {0, 1.0e9f, 10, 1.0e9f};
  try {
    m.fit();
    ADD_FAILURE() << "no exit";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  EXPECT_EQ(m.messages.texts(),
            std::vector<std::string>{"Error in DefineWorld: x1 = 0.00 y1 = 1000000000.00 x2 = "
                                     "10.00 y2 = 1000000000.00"});
}

// A drag of ten pixels zooms the next paint.
TEST(Zoom, ADragZoomsTheNextPaint) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  EXPECT_FALSE(m.mapping.zoomByDrag({100, 100}, {109, 109}));
  ASSERT_TRUE(m.mapping.zoomByDrag({500, 300}, {50, 525}));
  const WorldRect& z = m.mapping.zoomWindow();
  EXPECT_EQ(std::vector<float>({z.x1, z.y1, z.x2, z.y2}), std::vector<float>({0, 0, 5, 2.5f}));
  m.fit();
  EXPECT_EQ(m.device(5, 2.5f), std::tuple(950, 75));
  // A purely vertical drag makes a window without width: nothing to draw.
  ASSERT_TRUE(m.mapping.zoomByDrag({200, 100}, {200, 200}));
  EXPECT_FALSE(m.mapping.paintRectangle(kTolerance).has_value());
}

TEST(Navigation, ZoomStopsAtItsLimitsAndEscapeFitsAgain) {
  Mapped m;
  EXPECT_FALSE(m.mapping.zoomAbout({500, 300}, 2.0));  // no world before a paint
  m.paint(0, 0, 10, 5);
  int zoomsIn = 0, zoomsOut = 0;
  while (m.mapping.zoomAbout({500, 300}, 2.0)) ++zoomsIn;
  // 5 m high at 200 units per metre, down to no fewer than 20 units.
  EXPECT_EQ(std::tuple(m.session.view.unitsPerMetre, zoomsIn), std::tuple(200, 5));
  while (m.mapping.zoomAbout({500, 300}, 0.5)) ++zoomsOut;
  EXPECT_LE(m.mapping.zoomWindow().x2 - m.mapping.zoomWindow().x1, kNavigationMaxMetres);
  EXPECT_GT(zoomsOut, zoomsIn);
  m.mapping.leaveZoom();
  m.paint(0, 0, 10, 5);
  EXPECT_EQ(m.device(0, 0), std::tuple(50, 525));
}

}  // namespace
}  // namespace rerore
