// The main window on a copy of the example positions, for the tests of the
// view: the live check, the navigation, the menus and the mechanism display.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <map>
#include <memory>

#include "app/input_dialogs.h"
#include "app/main_window.h"
#include "commands/startup.h"
#include "gui/command_ids.h"
#include "gui/live_checker.h"
#include "gui_helpers.h"
#include "support/test_support.h"
#include "view/frame_view.h"

namespace rerore::test {

struct ViewWindow : ::testing::Test {
  SettingsHome home;
  TempDir data;
  Session session;
  RecordingMessages messages;
  std::unique_ptr<MainWindow> frame;

  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(home.dir().path()));
    test::CopyExamples(data);
  }
  void TearDown() override {
    frame.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  // The window on example position `name`, shown, with the hub open and
  // the live verdict of the loaded frame in.
  void open(const std::string& name, Session& s) {
    ASSERT_EQ(StartProgram(s, messages, "." + name + " @" + data.path()), StartResult::Started);
    frame = std::make_unique<MainWindow>(s);
    frame->view()->setMessages(messages);
    frame->resize(1200, 800);
    frame->show();
    QApplication::setActiveWindow(frame.get());
    QTRY_VERIFY(frame->inputDialogs()->hub() != nullptr);
    waitForVerdict();
    view()->repaint();
  }
  void open(const std::string& name) { open(name, session); }
  FrameView* view() const { return frame->view(); }
  QString verdict() const { return frame->pane(kVerdictPane)->text(); }
  void waitForVerdict() {
    QTRY_VERIFY(!frame->liveChecker()->busy() && frame->liveChecker()->verdict());
    QApplication::processEvents();
  }
  DevicePoint device(float x, float y) const { return view()->mapping().toDevice(x, y); }
  void clickAt(float x, float y) {
    view()->repaint();
    const DevicePoint p = device(x, y);
    QTest::mouseMove(view(), QPoint(p.x, p.y));
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(p.x, p.y));
    QApplication::processEvents();
  }
  // A chain drawn with the mouse, the grid on (mesh 2 m): the points snap
  // to whole metres.
  void draw(std::initializer_list<std::pair<float, float>> chain) {
    session.view.grid.on = true;
    frame->runCommand(kCmdGraphicalInput);
    for (const auto& [x, y] : chain) clickAt(x, y);
    frame->runCommand(kCmdGraphicalInput);
    session.view.grid.on = false;
  }
  // Every file of a directory with its bytes.
  static std::map<std::string, std::string> Files(const std::string& directory) {
    std::map<std::string, std::string> files;
    for (const std::string& name : ListDirectory(directory))
      files[name] = ReadFile(directory + name);
    return files;
  }
};

}  // namespace rerore::test
