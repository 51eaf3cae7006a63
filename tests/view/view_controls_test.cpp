#include "view/core/view_controls.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/session.h"
#include "model/settings_files.h"
#include "support/test_support.h"

namespace rerore {
namespace {

TEST(ZoomKeys, PlusNeverZoomsBeyondTheFittedPicture) {
  ViewSettings view;
  EXPECT_FALSE(ZoomIn(view));
  EXPECT_EQ(view.zoomFactor, 1.0f);
  ZoomOut(view);
  EXPECT_FLOAT_EQ(view.zoomFactor, 1.2f);
  EXPECT_TRUE(ZoomIn(view));
  EXPECT_EQ(view.zoomFactor, 1.0f);
  EXPECT_FALSE(ZoomIn(view));
  EXPECT_EQ(view.zoomFactor, 1.0f);
  ZoomOut(view);
  ZoomOut(view);
  EXPECT_FLOAT_EQ(view.zoomFactor, 1.44f);
}

struct WheelFixture : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  void SetUp() override { test::UsePosition(session, data.path(), "001"); }
  bool turn(bool alt, bool ctrl, bool shift, int delta) {
    return TurnWheel(session.view, session.paths, {alt, ctrl, shift}, delta);
  }
};

TEST_F(WheelFixture, AltChangesTheLineWidthWithinZeroToTenAndStoresIt) {
  session.view.lineWidth = 9;
  EXPECT_TRUE(turn(true, false, false, 120));
  EXPECT_EQ(session.view.lineWidth, 10);
  EXPECT_EQ(ReadLineWidth(session.paths), 10);
  EXPECT_FALSE(turn(true, false, false, 120));  // at the limit: no change, no repaint
  EXPECT_EQ(session.view.lineWidth, 10);
  session.view.lineWidth = 1;
  EXPECT_TRUE(turn(true, true, true, -120));  // Alt wins over Ctrl + Shift
  EXPECT_EQ(session.view.lineWidth, 0);
  EXPECT_EQ(ReadLineWidth(session.paths), 0);
  EXPECT_FALSE(turn(true, false, false, -120));
  EXPECT_EQ(session.view.lineWidth, 0);
  EXPECT_EQ(session.view.textScale, 1.0f);
}

TEST_F(WheelFixture, TheModifiersChooseWhatChanges) {
  EXPECT_TRUE(turn(false, true, true, 120));
  EXPECT_FLOAT_EQ(session.view.textScale, 1.1f);
  EXPECT_TRUE(turn(false, false, true, -120));
  EXPECT_FLOAT_EQ(session.view.shrinkFactor, 1.0f / 1.5f);
  EXPECT_TRUE(turn(false, true, false, 0));  // Ctrl alone and a zero delta: forward amplitude
  EXPECT_TRUE(turn(false, false, false, 120));
  EXPECT_FLOAT_EQ(session.view.mechanismAmplitude, 2.25f);
  EXPECT_TRUE(turn(false, false, false, -120));
  EXPECT_FLOAT_EQ(session.view.mechanismAmplitude, 1.5f);
  EXPECT_FLOAT_EQ(session.view.textScale, 1.1f);
  EXPECT_EQ(session.view.lineWidth, kDefaultLineWidth);
}

}  // namespace
}  // namespace rerore
