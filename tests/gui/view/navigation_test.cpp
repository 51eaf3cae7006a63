// The wheel zooms about the pointer; middle button and arrows pan; Home fits.
#include <QWheelEvent>
#include <cmath>

#include "gui_helpers.h"

namespace rerore {
namespace {

using ViewWindow = test::WindowTest;

void Wheel(QWidget* widget, QPoint at, int delta, Qt::KeyboardModifiers modifiers = {}) {
  QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                    Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

// Device pixels per metre of the picture on the screen.
double PixelsPerMetre(FrameView* view) {
  view->repaint();
  return std::fabs(view->mapping().transform().scaleX()) * view->mapping().unitsPerMetre();
}

TEST_F(ViewWindow, TheWheelZoomsAboutThePointer) {
  open();
  const QPoint pointer(view()->width() * 3 / 4, view()->height() / 3);
  for (int delta : {120, 120, 120, -120}) {
    double x0 = 0, y0 = 0, x = 0, y = 0;
    view()->mapping().exactWorld({pointer.x(), pointer.y()}, x0, y0);
    const double scale = PixelsPerMetre(view());
    Wheel(view(), pointer, delta);
    EXPECT_NEAR(PixelsPerMetre(view()) / scale, delta > 0 ? 1.25 : 0.8, 0.01);
    // Within what the picture resolves: a logical unit and a pixel.
    const double reach = 1.0 / session.view.unitsPerMetre + 1.0 / PixelsPerMetre(view());
    view()->mapping().exactWorld({pointer.x(), pointer.y()}, x, y);
    EXPECT_NEAR(x, x0, reach) << delta;
    EXPECT_NEAR(y, y0, reach) << delta;
  }
  EXPECT_FLOAT_EQ(session.view.mechanismAmplitude, 1.0f);
  QTest::keyClick(view(), Qt::Key_Home);  // the whole frame again, as Escape
  view()->repaint();
  EXPECT_FALSE(view()->mapping().zoomed());
}

TEST_F(ViewWindow, TheMiddleButtonAndTheArrowKeysMoveThePicture) {
  open();
  const DevicePoint before = device(6, 4);
  const QPoint from(400, 300), to(460, 275);
  QTest::mousePress(view(), Qt::MiddleButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(view()->mapToGlobal(to)), Qt::NoButton,
                   Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(view(), &move);
  QTest::mouseRelease(view(), Qt::MiddleButton, {}, to);
  view()->repaint();
  const DevicePoint after = device(6, 4);
  EXPECT_NEAR(after.x - before.x, 60, 1);
  EXPECT_NEAR(after.y - before.y, -25, 1);
  // The Left key shows more on the left: the picture moves right.
  QTest::keyClick(view(), Qt::Key_Left);
  view()->repaint();
  EXPECT_NEAR(device(6, 4).x - after.x, static_cast<int>(0.1 * view()->width()), 1);
  // - and + zoom about the middle.
  const double scale = PixelsPerMetre(view());
  QTest::keyClick(view(), Qt::Key_Minus);
  EXPECT_NEAR(PixelsPerMetre(view()) / scale, 0.8, 0.01);
  QTest::keyClick(view(), Qt::Key_Plus);
  EXPECT_NEAR(PixelsPerMetre(view()) / scale, 1.0, 0.01);
}

// With a mechanism the wheel still zooms; Shift+wheel changes the amplitude.
TEST_F(ViewWindow, ShiftAndTheWheelKeepTheAmplitudeOfAMechanism) {
  open("003");
  ASSERT_TRUE(view()->showsMechanism());
  const QPoint middle(view()->width() / 2, view()->height() / 2);
  Wheel(view(), middle, 120, Qt::ShiftModifier);
  EXPECT_FLOAT_EQ(session.view.mechanismAmplitude, 1.5f);
  EXPECT_FLOAT_EQ(session.view.shrinkFactor, 1.0f);
  Wheel(view(), middle, 120);
  EXPECT_FLOAT_EQ(session.view.mechanismAmplitude, 1.5f);
  EXPECT_TRUE(view()->mapping().zoomed());
}

}  // namespace
}  // namespace rerore
