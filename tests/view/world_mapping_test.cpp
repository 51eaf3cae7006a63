#include "view/core/world_mapping.h"

#include <cmath>
#include <tuple>

#include "model/settings_files.h"
#include "support/test_support.h"
#include "view/core/view_controls.h"

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
  void expectDevice(float x, float y, int dx, int dy) const {
    const DevicePoint p = mapping.toDevice(x, y);
    EXPECT_EQ(std::tuple(p.x, p.y), std::tuple(dx, dy)) << x << ", " << y;
  }
  std::vector<double> window() const {
    return {mapping.windowX1(), mapping.windowY1(), mapping.windowX2(), mapping.windowY2()};
  }
};

TEST(UnitsPerMetre, FollowTheSizeOfTheExtents) {
  const std::pair<DrawingExtents, int> cases[] = {
      {{0, 0, 120, 10}, 10},  {{0, 0, 10, 101}, 10},  {{0, 0, 60, 60}, 20},  {{0, 0, 60, 45}, 25},
      {{0, 0, 35, 31}, 30},   {{0, 0, 25, 21}, 50},   {{0, 0, 15, 11}, 100}, {{0, 0, 15, 5}, 200},
      {{0, 0, 2.5f, 2}, 500}, {{5, 0, 5, 2.9f}, 500}, {{0, 0, 10, 10}, 200}, {{10, 30, 0, 0}, 200},
  };
  for (const auto& [e, units] : cases)
    EXPECT_EQ(ChooseUnitsPerMetre(e, true), units) << e.xmin << ".." << e.xmax << " x " << e.ymax;
  EXPECT_EQ(ChooseUnitsPerMetre({0, 0, 120, 10}, false), 100);
}

TEST(WorldFit, TenByFiveMetresOnAThousandBySixHundredPixels) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  // 90 % of the area is 900 x 540; the frame fills 900 x 450, centred.
  m.expectDevice(0, 0, 50, 525);
  m.expectDevice(10, 5, 950, 75);
  // 5 px = 11.1 units, 12 px = 26.7, 4 px = 4/90 m; 8 pt at 96 dpi = 23.7 units.
  EXPECT_EQ(
      std::tuple(m.mapping.markRadius(), m.mapping.bigMarkRadius(), m.mapping.fontHeight(80, 96)),
      std::tuple(11, 27, 24));
  EXPECT_NEAR(m.mapping.pickTolerance(), 4.0 * 10.0 / 900.0, 1e-6);
  const WorldPoint w = m.mapping.deviceToWorld({500, 300});
  EXPECT_EQ(std::tuple(w.x, w.y), std::tuple(5.0f, 2.5f));
  const DevicePoint d = m.mapping.worldToDevice({7.5f, 1.0f});
  EXPECT_EQ(std::tuple(d.x, d.y), std::tuple(725, 435));
  // Every conversion of the mouse sets the mark radius to its 3-pixel value.
  EXPECT_EQ(m.mapping.markRadius(), 8);
}

TEST(WorldFit, SmallFramesReachOneMetreAndASingleColumnGetsItsWidth) {
  Mapped m;
  m.paint(0, 0, 0.6f, 0.4f);
  EXPECT_EQ(m.window(), (std::vector<double>{0, 0, 1, 1}));
  // 1 m square on 900 x 540: the height decides, 540 pixels to the metre.
  EXPECT_EQ(m.mapping.toDevice(1.0f, 0).x - m.mapping.toDevice(0, 0).x, 540);

  m.paint(5, 0, 5, 4);  // a single column
  EXPECT_EQ(std::tuple(m.window()[0], m.window()[2]), std::tuple(4.0, 5.0));
}

TEST(WorldFit, AWindowThatCannotBeWidenedEndsTheProgram) {
  Mapped m;
  m.session.view.extents = {0, 1.0e9f, 10, 1.0e9f};
  m.mapping.setDeviceArea(800, 600, MappingTarget::Screen);
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

TEST(WorldFit, ZoomAndShrinkFactorsAndThePrintedEightyPercent) {
  Mapped zoomed;
  zoomed.session.view.zoomFactor = 2.0f;  // widens about the centre
  zoomed.paint(0, 0, 10, 5);
  EXPECT_EQ(std::tuple(zoomed.window()[0], zoomed.window()[2]), std::tuple(-5.0, 15.0));
  zoomed.expectDevice(5, 2.5f, 500, 300);
  Mapped shrunk;
  shrunk.session.view.shrinkFactor = 1.5f;  // pulls towards the lower-left corner
  shrunk.paint(0, 0, 10, 5);
  shrunk.expectDevice(0, 0, 50, 525);
  shrunk.expectDevice(10, 5, 650, 225);
  Mapped printed;
  printed.paint(0, 0, 10, 5, 3000, 2000, MappingTarget::Printer);
  printed.expectDevice(0, 0, 300, 1600);
  printed.expectDevice(10, 0, 2700, 1600);
}

TEST(Zoom, ADragOfTenPixelsZoomsUntilTheZoomIsLeft) {
  const auto zooms = [](DevicePoint release) {
    Mapped m;
    m.paint(0, 0, 10, 5);
    const bool zoomed = m.mapping.zoomByDrag({100, 100}, release);
    EXPECT_EQ(m.mapping.zoomed(), zoomed);
    return zoomed;
  };
  EXPECT_EQ(
      std::vector<bool>({zooms({109, 109}), zooms({91, 100}), zooms({110, 100}), zooms({100, 90})}),
      std::vector<bool>({false, false, true, true}));
  Mapped m;
  m.paint(0, 0, 10, 5);
  ASSERT_TRUE(m.mapping.zoomByDrag({500, 300}, {50, 525}));
  const WorldRect& z = m.mapping.zoomWindow();
  EXPECT_EQ(std::vector<float>({z.x1, z.y1, z.x2, z.y2}), std::vector<float>({0, 0, 5, 2.5f}));
  // The next paint shows 0..5 x 0..2.5 in the same 900 x 450 box.
  m.fit();
  m.expectDevice(5, 2.5f, 950, 75);
  EXPECT_NEAR(m.mapping.pickTolerance(), 4.0 * 5.0 / 900.0, 1e-6);
  m.mapping.leaveZoom();
  m.fit();
  m.expectDevice(10, 5, 950, 75);
  // A purely vertical drag makes a window without width: nothing to draw.
  ASSERT_TRUE(m.mapping.zoomByDrag({200, 100}, {200, 200}));
  EXPECT_FALSE(m.mapping.paintRectangle(kTolerance).has_value());
}

TEST(Printing, WideFramesAreLandscape) {
  Mapped m;
  m.session.view.extents = {0, 0, 20, 5};
  EXPECT_TRUE(m.mapping.landscapeForPrinting());
  m.session.view.extents = {0, 0, 5, 5};
  EXPECT_FALSE(m.mapping.landscapeForPrinting());
  // Zoomed, the zoom window decides.
  m.paint(0, 0, 10, 5);
  ASSERT_TRUE(m.mapping.zoomByDrag({100, 100}, {120, 400}));
  EXPECT_FALSE(m.mapping.landscapeForPrinting());
}

// Each turn keeps the world point under the pointer (to a unit and a pixel).
TEST(Navigation, ZoomAboutThePointerKeepsItsWorldPoint) {
  Mapped m;
  m.session.view.zoomFactor = 1.44f;
  m.session.view.shrinkFactor = 1.5f;
  m.paint(0.2f, 0.1f, 0.8f, 0.6f);  // the fit widens x2 and y2 to 1 m
  const DevicePoint pointer{700, 200};
  double x0 = 0.0, y0 = 0.0;
  m.mapping.exactWorld(pointer, x0, y0);
  const double unit = 1.0 / m.session.view.unitsPerMetre;
  for (double factor : {1.25, 1.25, 1.25, 0.8, 3.0, 0.5}) {
    ASSERT_TRUE(m.mapping.zoomAbout(pointer, factor));
    m.fit();  // the next paint
    const double pixel =
        1.0 / (std::fabs(m.mapping.transform().scaleY()) * m.session.view.unitsPerMetre);
    double x = 0.0, y = 0.0;
    m.mapping.exactWorld(pointer, x, y);
    EXPECT_LE(std::max(std::fabs(x - x0), std::fabs(y - y0)), unit + pixel) << factor;
    x0 = x;
    y0 = y;
  }
  EXPECT_TRUE(m.mapping.zoomed());
  EXPECT_FALSE(Mapped().mapping.zoomAbout(pointer, 2.0));  // no world before a paint
}

TEST(Navigation, ZoomStopsAtItsLimitsAndEscapeFitsAgain) {
  Mapped m;
  m.paint(0, 0, 10, 5);
  int zoomsIn = 0;
  while (m.mapping.zoomAbout({500, 300}, 2.0)) ++zoomsIn;
  // 5 m high at 200 units per metre, down to no fewer than 20 units.
  EXPECT_EQ(std::tuple(m.session.view.unitsPerMetre, zoomsIn), std::tuple(200, 5));
  EXPECT_GE(m.mapping.zoomWindow().y2 - m.mapping.zoomWindow().y1, 0.1f);
  int zoomsOut = 0;
  while (m.mapping.zoomAbout({500, 300}, 0.5)) ++zoomsOut;
  EXPECT_LE(m.mapping.zoomWindow().x2 - m.mapping.zoomWindow().x1, kNavigationMaxMetres);
  EXPECT_GT(zoomsOut, zoomsIn);
  m.mapping.leaveZoom();
  m.paint(0, 0, 10, 5);
  m.expectDevice(0, 0, 50, 525);
}

struct WheelFixture : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  void SetUp() override { test::UsePosition(session, data.path(), "001"); }
  WheelEffect turn(bool alt, bool ctrl, bool shift, int delta, bool mechanism = false) {
    return TurnWheel(session.view, session.paths, {alt, ctrl, shift}, delta, mechanism);
  }
};

TEST_F(WheelFixture, AltChangesTheLineWidthWithinZeroToTenAndStoresIt) {
  session.view.lineWidth = 9;
  EXPECT_EQ(turn(true, false, false, 120), WheelEffect::Repaint);
  EXPECT_EQ(ReadLineWidth(session.paths), 10);
  // At the limit: no change, no repaint.
  EXPECT_EQ(std::tuple(turn(true, false, false, 120), session.view.lineWidth),
            std::tuple(WheelEffect::Nothing, 10));
  session.view.lineWidth = 1;
  EXPECT_EQ(turn(true, true, true, -120), WheelEffect::Repaint);  // Alt wins over Ctrl + Shift
  EXPECT_EQ(ReadLineWidth(session.paths), 0);
  EXPECT_EQ(
      std::tuple(turn(true, false, false, -120), session.view.lineWidth, session.view.textScale),
      std::tuple(WheelEffect::Nothing, 0, 1.0f));
}

// Wheel (+ Ctrl) zooms; Shift sets a mechanism's amplitude, else the shrink factor.
TEST_F(WheelFixture, TheModifiersChooseWhatChanges) {
  EXPECT_EQ(turn(false, true, true, 120), WheelEffect::Repaint);
  EXPECT_FLOAT_EQ(session.view.textScale, 1.1f);
  EXPECT_EQ(turn(false, false, true, -120), WheelEffect::Repaint);
  EXPECT_FLOAT_EQ(session.view.shrinkFactor, 1.0f / 1.5f);
  EXPECT_EQ(turn(false, false, true, 0, true), WheelEffect::Repaint);  // zero delta: forward
  EXPECT_EQ(turn(false, false, true, 120, true), WheelEffect::Repaint);
  EXPECT_FLOAT_EQ(session.view.mechanismAmplitude, 2.25f);
  EXPECT_EQ(turn(false, false, true, -120, true), WheelEffect::Repaint);
  EXPECT_FLOAT_EQ(session.view.mechanismAmplitude, 1.5f);
  EXPECT_FLOAT_EQ(session.view.shrinkFactor, 1.0f / 1.5f);
  EXPECT_EQ(turn(false, false, false, 120, true), WheelEffect::ZoomAtPointer);
  EXPECT_EQ(turn(false, true, false, -120), WheelEffect::ZoomAtPointer);
  EXPECT_EQ(std::tuple(session.view.mechanismAmplitude, session.view.lineWidth),
            std::tuple(1.5f, kDefaultLineWidth));
}

}  // namespace
}  // namespace rerore
