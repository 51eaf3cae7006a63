// Helpers of the widget tests: acting on a modal dialog once it is open,
// colours of drawn pixels, a view on a fresh position and the main window
// on the example positions; the headers of the window and its dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "app/edit_history.h"
#include "app/input_dialogs.h"
#include "app/main_window.h"
#include "commands/startup.h"
#include "gui/command_ids.h"
#include "gui/echo_editor.h"
#include "gui/live_checker.h"
#include "gui/report_viewer.h"
#include "gui/store_as_dialog.h"
#include "gui/text_size_dialog.h"
#include "gui/title_dialog.h"
#include "support/test_support.h"
#include "table_test_support.h"
#include "tables/arc_dialog.h"
#include "tables/continuous_beam_dialog.h"
#include "tables/cross_sections_dialog.h"
#include "tables/delete_element_question.h"
#include "tables/element_editor.h"
#include "tables/elements_dialog.h"
#include "tables/frame_generator_dialog.h"
#include "tables/input_hub.h"
#include "tables/materials_dialog.h"
#include "tables/nodes_dialog.h"
#include "tables/parabola_dialog.h"
#include "view/frame_view.h"
#include "view/grid_dialog.h"

namespace rerore::test {

template <typename Dialog>
struct DialogWaiter {
  std::function<void(Dialog*)> act;
  int tries = 0;
};

template <typename Dialog>
void PollForDialog(std::shared_ptr<DialogWaiter<Dialog>> waiter) {
  constexpr int kTries = 200;
  constexpr int kPauseMs = 10;
  if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
    waiter->act(dialog);
    return;
  }
  if (++waiter->tries > kTries) {
    ADD_FAILURE() << "no dialog opened";
    return;
  }
  QTimer::singleShot(kPauseMs, [waiter] { PollForDialog(waiter); });
}

// Runs `act` on the next modal dialog of type Dialog as soon as it is
// shown (the test's call that opens it blocks meanwhile). Fails the test
// when no such dialog opens within about two seconds.
template <typename Dialog>
void OnNextDialog(std::function<void(Dialog*)> act) {
  auto waiter = std::make_shared<DialogWaiter<Dialog>>();
  waiter->act = std::move(act);
  QTimer::singleShot(0, [waiter] { PollForDialog(waiter); });
}

// The next file dialog takes `path`.
inline void ChooseFile(const std::string& path) {
  OnNextDialog<QFileDialog>([path](QFileDialog* browser) {
    browser->selectFile(QString::fromStdString(path));
    static_cast<QDialog*>(browser)->accept();
  });
}

inline bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
inline bool IsGreen(QRgb c) { return qGreen(c) > 90 && qRed(c) < 80 && qBlue(c) < 80; }
inline bool IsDark(QRgb c) { return qGray(c) < 100; }
inline bool IsGrey(QRgb c) { return qRed(c) > 150 && qRed(c) < 230 && qRed(c) == qBlue(c); }
inline bool IsWhite(QRgb c) { return qGray(c) > 245; }

// The colour test holds for a pixel within `reach` of p.
inline bool Near(const QImage& image, DevicePoint p, bool (*test)(QRgb), int reach = 1) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      if (image.valid(p.x + dx, p.y + dy) && test(image.pixel(p.x + dx, p.y + dy))) return true;
  return false;
}

// The pixels of `image` (within `area`, else all) that pass the test.
inline int CountPixels(const QImage& image, bool (*test)(QRgb), QRect area = {}) {
  if (area.isNull()) area = image.rect();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixel(x, y));
  return count;
}

// Every file of a directory with its bytes.
inline std::map<std::string, std::string> Files(const std::string& directory) {
  std::map<std::string, std::string> files;
  for (const std::string& name : ListDirectory(directory)) files[name] = ReadFile(directory + name);
  return files;
}

// A view of 1000 x 600 pixels on position 001 of a fresh data directory,
// started as the program starts; ShowView() shows it and paints it once.
struct ViewTest : ::testing::Test {
  SettingsHome home;
  TempDir data;
  Session session;
  RecordingMessages messages;
  std::unique_ptr<FrameView> view;

  void SetUp() override {
    std::filesystem::create_directories(data / "SDIR001");
    ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
    view = std::make_unique<FrameView>(session);
    view->setMessages(messages);
    view->resize(1000, 600);
  }
  void ShowView() {
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->repaint();
    QApplication::processEvents();  // Dialog Input runs after the first paint
  }
};

// The main window on a position of a copy of the example positions (a
// folder made beforehand, such as an empty SDIR005, stays as it is). The
// settings (look, toolbar, recent list) go to the test's own folder: other
// test programs run at the same time.
struct WindowTest : ::testing::Test {
  SettingsHome home;
  TempDir data;
  Session session;
  RecordingMessages messages;
  std::unique_ptr<MainWindow> frame;
  std::unique_ptr<QSignalSpy> quit;

  void SetUp() override { UseSettingsFolder(QString::fromStdString(home.dir().path())); }
  void TearDown() override {
    frame.reset();
    UseSettingsFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  static void UseSettingsFolder(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  }
  // Starts `s` on position `name` and shows the window with the hub open and
  // the live verdict of the loaded frame in.
  void open(const std::string& name, Session& s) {
    if (!Exists(data / "SDIR001")) CopyExamples(data);
    ASSERT_EQ(StartProgram(s, messages, "." + name + " @" + data.path()), StartResult::Started);
    frame = std::make_unique<MainWindow>(s);
    frame->view()->setMessages(messages);
    quit = std::make_unique<QSignalSpy>(frame.get(), &MainWindow::quitRequested);
    frame->show();
    QApplication::setActiveWindow(frame.get());
    QTRY_VERIFY(frame->inputDialogs()->hub() != nullptr);
    waitForVerdict();
    view()->repaint();
  }
  void open(const std::string& name = "001") { open(name, session); }
  void waitForVerdict() {
    QTRY_VERIFY(!frame->liveChecker()->busy() && frame->liveChecker()->verdict());
    QApplication::processEvents();
  }

  FrameView* view() const { return frame->view(); }
  InputDialogs& input() const { return *frame->inputDialogs(); }
  QString undoItem() const { return frame->action(kCmdEditUndo)->text(); }
  std::string file(const std::string& name) const { return session.paths.file(name); }
  DevicePoint device(float x, float y) const { return view()->mapping().toDevice(x, y); }

  void clickAt(float x, float y) {
    view()->repaint();
    const QPoint p(device(x, y).x, device(x, y).y);
    QTest::mouseMove(view(), p);
    QTest::mouseClick(view(), Qt::LeftButton, {}, p);
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
};

}  // namespace rerore::test
