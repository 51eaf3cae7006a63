// Helpers of the widget tests: modal dialogs, pixel colours, the view and the window.
#pragma once

#include <QAction>
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
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
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

// Runs `act` on the next modal Dialog once it shows (the call that opens it
// blocks meanwhile); fails the test when none opens within about two seconds.
template <typename Dialog>
void OnNextDialog(std::function<void(Dialog*)> act, int tries = 200) {
  QTimer::singleShot(tries == 200 ? 0 : 10, [act = std::move(act), tries] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      act(dialog);
    } else if (tries == 0) {
      ADD_FAILURE() << "no dialog opened";
    } else {
      OnNextDialog<Dialog>(act, tries - 1);
    }
  });
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

// A 1000 x 600 view on position 001 of a fresh data directory; ShowView() paints it.
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

// The main window on a copy of the example positions, with settings of its own.
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
  // Starts `s` on `name`; the window shows with the hub and the live verdict in.
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
  // A chain drawn with the mouse on the grid (mesh 2 m).
  void draw(std::initializer_list<std::pair<float, float>> chain) {
    session.view.grid.on = true;
    frame->runCommand(kCmdGraphicalInput);
    for (const auto& [x, y] : chain) clickAt(x, y);
    frame->runCommand(kCmdGraphicalInput);
    session.view.grid.on = false;
  }
};

}  // namespace rerore::test
