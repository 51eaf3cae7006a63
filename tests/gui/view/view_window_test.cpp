// The window around the drawing: View menu, preview, recent list, status bar, hub, poles.
#include <QDockWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QToolBar>

#include "gui_helpers.h"
#include "view/core/label_placement.h"

namespace rerore {
namespace {

using ViewWindow = test::WindowTest;

QRect ToQt(const DeviceRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Each mode and switch has one menu item and one button, which show its state.
TEST_F(ViewWindow, EveryModeAndSwitchIsInTheViewMenuAndOnTheToolbar) {
  open();
  const DisplayOptions& d = session.view.display;
  const InputState& input = view()->input().state();
  const std::pair<int, std::function<bool()>> toggles[] = {
      {kCmdHinge, [&] { return input.hingeMode; }}, {kCmdZoom, [&] { return input.zoomMode; }},
      {kCmdAuxLines, [&] { return d.auxLines; }},   {kCmdEndMarks, [&] { return d.endMarks; }},
      {kCmdTidyText, [&] { return d.tidyText; }},   {kCmdLiveCheck, [&] { return d.liveCheck; }},
  };
  const QList<QAction*> menu = frame->menuBar()->actions()[2]->menu()->actions();
  const QList<QAction*> bar = frame->standardToolBar()->actions();
  for (const auto& [id, state] : toggles) {
    const auto button =
        std::find_if(bar.begin(), bar.end(), [id](auto* a) { return a->data() == id; });
    EXPECT_EQ(std::ranges::count_if(menu, [id](auto* a) { return a->data() == id; }), 1) << id;
    ASSERT_EQ(std::ranges::count_if(bar, [id](auto* a) { return a->data() == id; }), 1) << id;
    const bool before = state();
    frame->action(id)->trigger();
    EXPECT_NE(state(), before) << id;
    EXPECT_EQ((*button)->isChecked(), state()) << id;
    frame->action(id)->trigger();
    EXPECT_EQ(state(), before) << id;
  }
}

// "Aux. lines" draws light lines through the nodes across the view.
TEST_F(ViewWindow, AuxLinesAreDrawnThroughTheNodes) {
  open();
  for (int out = 0; out < 3; ++out) QTest::keyClick(view(), Qt::Key_Minus);  // room beside it
  const auto greyOnBeamLevel = [this] {
    view()->repaint();
    const QImage picture = view()->framePicture().toImage();
    const int x = device(6, 4).x + 20;
    return test::CountPixels(picture, test::IsGrey,
                             QRect(x, device(0, 4).y, picture.width() - x, 1));
  };
  EXPECT_EQ(greyOnBeamLevel(), 0);
  frame->action(kCmdAuxLines)->trigger();
  EXPECT_GT(greyOnBeamLevel(), 50);
}

TEST_F(ViewWindow, PrintPreviewShowsThePage) {
  open();
  int pages = 0;
  test::OnNextDialog<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* preview) {
    EXPECT_EQ(preview->windowTitle(), "Print preview");
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    widget->updatePreview();
    pages = widget->pageCount();
    preview->reject();
  });
  frame->runCommand(kCmdPrintPreview);
  EXPECT_EQ(pages, 1);
}

TEST_F(ViewWindow, TheRecentPositionsSurviveARestart) {
  open();
  ASSERT_TRUE(view()->openPositionFolder(data / "SDIR002"));
  EXPECT_EQ(session.paths.positionName, "002");
  frame.reset();  // the program ends
  Session next;
  open("003", next);
  QStringList items;
  for (int i = 0; i < kRecentPositions; ++i)
    if (frame->action(kCmdRecentPosition + i)->isVisible())
      items << frame->action(kCmdRecentPosition + i)->text();
  const QString path = QString::fromStdString(data.path());
  EXPECT_EQ(items, QStringList({"&1 003   " + path, "&2 002   " + path, "&3 001   " + path}));
  frame->action(kCmdRecentPosition + 2)->trigger();
  EXPECT_EQ(next.paths.positionName, "001");
  EXPECT_EQ(frame->action(kCmdRecentPosition)->text(), "&1 001   " + path);
}

// The pointer's point in metres; while drawing also the point a click takes.
TEST_F(ViewWindow, TheStatusBarShowsThePointerAndTheSnappedPointInMetres) {
  open();
  session.view.grid.on = true;  // mesh 2 m, snap radius 0.15 m
  frame->runCommand(kCmdGraphicalInput);
  const QPoint p(device(3.95f, 2.1f).x, device(3.95f, 2.1f).y);
  QTest::mouseMove(view(), p);
  QApplication::processEvents();
  const QString text = frame->pane(kCoordinatesPane)->text();
  const QRegularExpressionMatch xy =
      QRegularExpression("^x = (-?\\d+\\.\\d\\d) m  y = (-?\\d+\\.\\d\\d) m$").match(text);
  ASSERT_TRUE(xy.hasMatch()) << text.toStdString();
  const double reach = view()->mapping().pickTolerance() / 4 + 0.005;
  EXPECT_NEAR(xy.captured(1).toDouble(), 3.95, reach);
  EXPECT_NEAR(xy.captured(2).toDouble(), 2.1, reach);
  EXPECT_EQ(frame->pane(kSnapPane)->text(), "Snap: x = 4.00 m  y = 2.00 m");
  frame->runCommand(kCmdGraphicalInput);
  QTest::mouseMove(view(), p + QPoint(5, 0));
  QApplication::processEvents();
  EXPECT_EQ(frame->pane(kSnapPane)->text(), "");
}

// The hub stands beside the drawing; the frame is fitted into what is left.
TEST_F(ViewWindow, TheInputHubIsDockedBesideTheDrawing) {
  open();
  InputHub* hub = input().hub();
  ASSERT_TRUE(frame->hubDock()->isVisible());
  EXPECT_TRUE(frame->hubDock()->isAncestorOf(hub));
  const QRect hubArea(hub->mapToGlobal(QPoint()), hub->size());
  EXPECT_FALSE(hubArea.intersects(QRect(view()->mapToGlobal(QPoint()), view()->size())));
  for (const auto& [x, y] : {std::pair{0.0f, 0.0f}, {6.0f, 4.0f}})
    EXPECT_TRUE(view()->rect().contains(QPoint(device(x, y).x, device(x, y).y)));
  frame->runCommand(kCmdGraphicalInput);
  EXPECT_TRUE(view()->inputHint()->isVisible());
}

// The hinged portal's poles (one at infinity): no label on a dot or on another label.
TEST_F(ViewWindow, PoleLabelsCoverNoDotAndNoLabel) {
  open("003");
  frame->runCommand(kCmdStore);
  QApplication::processEvents();
  EXPECT_EQ(quit->count(), 0);
  ASSERT_TRUE(session.check.mechanismShown());
  EXPECT_NE(test::ReadFile(file("GEOMETRY")), test::kGeometryOne);
  ASSERT_EQ(session.check.poleTable[2].atInfinity, 1);
  view()->redraw();  // the second paint fits the extents widened by the poles
  view()->repaint();
  const QImage picture = view()->framePicture().toImage();
  const std::vector<DeviceRect>& labels = view()->poleLabelBoxes();
  ASSERT_EQ(labels.size(), 2u);
  const int radius = static_cast<int>(std::lround(
      3 * view()->mapping().markRadius() * std::fabs(view()->mapping().transform().scaleX())));
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_TRUE(view()->rect().contains(ToQt(labels[i]))) << i;
    for (size_t j = i + 1; j < labels.size(); ++j) EXPECT_FALSE(Overlaps(labels[i], labels[j]));
    for (int k = 1; k <= session.model.params.elementCount; ++k) {
      const Pole& pole = session.check.poleTable[k];
      EXPECT_TRUE(test::Near(picture, device(pole.x, pole.y), test::IsRed, 0)) << k;
      EXPECT_FALSE(Overlaps(labels[i], DotRect(device(pole.x, pole.y), radius))) << i << k;
    }
  }
  EXPECT_TRUE(test::IsWhite(picture.pixel(ToQt(labels[0]).topLeft() + QPoint(1, 1))));  // a box
}

}  // namespace
}  // namespace rerore
