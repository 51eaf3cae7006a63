// The live check in the window: its verdict in the status bar after every
// change, its mechanism in light colours, and that it writes nothing.
#include <QAction>
#include <QLabel>

#include "check/live_check.h"
#include "view_window.h"

namespace rerore {
namespace {

using test::ViewWindow;

// A new element that touches nothing is a mechanism; drawn on to a node of
// the frame it is held, and the frame is sound again. Undo brings the
// mechanism back.
TEST_F(ViewWindow, TheVerdictFollowsTheDrawingAndItsUndo) {
  open("001");
  EXPECT_EQ(verdict(), "Sound");
  EXPECT_EQ(view()->liveMechanism(), nullptr);

  draw({{10, 0}, {10, 4}});
  waitForVerdict();
  ASSERT_EQ(session.model.params.elementCount, 4);
  EXPECT_TRUE(verdict().startsWith("Mechanism: node 6 can ")) << verdict().toStdString();
  ASSERT_NE(view()->liveMechanism(), nullptr);
  EXPECT_TRUE(view()->showsMechanism());
  EXPECT_FALSE(session.check.outcome);  // the live check leaves Store's result alone

  draw({{10, 4}, {6, 4}});
  waitForVerdict();
  EXPECT_EQ(verdict(), "Sound");
  EXPECT_EQ(view()->liveMechanism(), nullptr);

  frame->runCommand(kCmdEditUndo);
  waitForVerdict();
  EXPECT_TRUE(verdict().startsWith("Mechanism: ")) << verdict().toStdString();
}

TEST_F(ViewWindow, ThePositionIsUntouchedByALiveCheck) {
  open("003");
  ASSERT_EQ(verdict(), "Mechanism: node 4 can rotate");
  const auto data = Files(session.paths.dataPath);
  const auto position = Files(session.paths.positionDirectory);
  const ModelTables model = session.model;
  for (int run = 0; run < 3; ++run) {
    frame->liveChecker()->check(session);
    waitForVerdict();
  }
  EXPECT_EQ(verdict(), "Mechanism: node 4 can rotate");
  EXPECT_EQ(Files(session.paths.positionDirectory), position);
  EXPECT_EQ(Files(session.paths.dataPath), data);
  EXPECT_EQ(std::memcmp(&model, &session.model, sizeof model), 0);
  EXPECT_TRUE(messages.messages.empty());
}

// The View toggle shows or hides the light mechanism; the verdict stays.
TEST_F(ViewWindow, LiveCheckToggleShowsTheLightMechanism) {
  open("003");
  const auto lightPixels = [this] {
    view()->repaint();
    const QImage picture = view()->framePicture().toImage();
    int light = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb c = picture.pixel(x, y);
        light += qGreen(c) > 190 && qRed(c) < 170 && qBlue(c) < 170;  // the light green
      }
    return light;
  };
  QAction* toggle = frame->action(kCmdLiveCheck);
  ASSERT_NE(toggle, nullptr);
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_GT(lightPixels(), 200);
  EXPECT_EQ(view()->poleLabelBoxes().size(), 2u);  // "Pole 1" and "Pole 3"
  toggle->trigger();
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_EQ(lightPixels(), 0);
  EXPECT_TRUE(view()->poleLabelBoxes().empty());
  EXPECT_EQ(verdict(), "Mechanism: node 4 can rotate");
}

}  // namespace
}  // namespace rerore
