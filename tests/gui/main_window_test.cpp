#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <filesystem>

#include "model/startup.h"
#include "shell/CMainFrame.h"
#include "support/test_support.h"

namespace rerore {
namespace {

TEST(MainWindow, OpensTitledWithThePositionAfterLoading) {
  test::SettingsHome home;
  test::TempDir data;
  std::filesystem::create_directories(data / "SDIR001");
  Session session;
  test::RecordingMessages messages;
  ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
  CMainFrame frame(session);
  frame.show();
  QApplication::processEvents();
  EXPECT_EQ(frame.windowTitle(), QString("Position 001 "));
  EXPECT_NE(frame.menuBar(), nullptr);
  EXPECT_TRUE(frame.statusBar()->isVisible());
}

}  // namespace
}  // namespace rerore
