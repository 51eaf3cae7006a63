// The live check in the window: its verdict, its light mechanism, and no file written.
#include "check/live_check.h"
#include "gui_helpers.h"

namespace rerore {
namespace {

using ViewWindow = test::WindowTest;

QString Verdict(const MainWindow& frame) { return frame.pane(kVerdictPane)->text(); }

// A loose new element is a mechanism; tied to the frame, sound; undo brings it back.
TEST_F(ViewWindow, TheVerdictFollowsTheDrawingAndItsUndo) {
  open();
  EXPECT_EQ(Verdict(*frame), "Sound");
  EXPECT_EQ(view()->liveMechanism(), nullptr);
  draw({{10, 0}, {10, 4}});
  waitForVerdict();
  ASSERT_EQ(session.model.params.elementCount, 4);
  EXPECT_TRUE(Verdict(*frame).startsWith("Mechanism: node 6 can "))
      << Verdict(*frame).toStdString();
  ASSERT_NE(view()->liveMechanism(), nullptr);
  EXPECT_TRUE(view()->showsMechanism());
  EXPECT_FALSE(session.check.outcome);  // the live check leaves Store's result alone
  draw({{10, 4}, {6, 4}});
  waitForVerdict();
  EXPECT_EQ(Verdict(*frame), "Sound");
  EXPECT_EQ(view()->liveMechanism(), nullptr);
  frame->runCommand(kCmdEditUndo);
  waitForVerdict();
  EXPECT_TRUE(Verdict(*frame).startsWith("Mechanism: ")) << Verdict(*frame).toStdString();
}

TEST_F(ViewWindow, ThePositionIsUntouchedByALiveCheck) {
  open("003");
  ASSERT_EQ(Verdict(*frame), "Mechanism: node 4 can rotate");
  const auto data = test::Files(session.paths.dataPath);
  const auto position = test::Files(session.paths.positionDirectory);
  const ModelTables model = session.model;
  for (int run = 0; run < 3; ++run) {
    frame->liveChecker()->check(session);
    waitForVerdict();
  }
  EXPECT_EQ(Verdict(*frame), "Mechanism: node 4 can rotate");
  EXPECT_EQ(test::Files(session.paths.positionDirectory), position);
  EXPECT_EQ(test::Files(session.paths.dataPath), data);
  EXPECT_EQ(std::memcmp(&model, &session.model, sizeof model), 0);
  EXPECT_TRUE(messages.messages.empty());
}

// The View toggle shows or hides the light mechanism; the verdict stays.
TEST_F(ViewWindow, LiveCheckToggleShowsTheLightMechanism) {
  open("003");
  const auto lightPixels = [this] {
    view()->repaint();
    return test::CountPixels(view()->framePicture().toImage(), [](QRgb c) {
      return qGreen(c) > 190 && qRed(c) < 170 && qBlue(c) < 170;  // the light green
    });
  };
  QAction* toggle = frame->action(kCmdLiveCheck);
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_GT(lightPixels(), 200);
  EXPECT_EQ(view()->poleLabelBoxes().size(), 2u);  // "Pole 1" and "Pole 3"
  toggle->trigger();
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_EQ(lightPixels(), 0);
  EXPECT_TRUE(view()->poleLabelBoxes().empty());
  EXPECT_EQ(Verdict(*frame), "Mechanism: node 4 can rotate");
}

}  // namespace
}  // namespace rerore
