// The position commands from the window: the dialogs they show, and how
// the program ends or stays after them.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <filesystem>

#include "gui_helpers.h"
#include "model/startup.h"
#include "shell/CMainFrame.h"
#include "support/test_support.h"
#include "view/CZELTWView.h"
#include "view/text_dialogs.h"
#include "view/view_messages.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;
using test::OnNextDialog;

int32_t GeometryValue(const std::string& path) {
  const std::string bytes = test::ReadFile(path);
  int32_t value = -1;
  if (bytes.size() >= sizeof value) std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }

// The example positions copied to a fresh data directory; the window on
// one of them.
struct PositionWindow : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
  std::unique_ptr<CMainFrame> frame;
  std::unique_ptr<QSignalSpy> quit;

  void open(const std::string& name) {
    fs::copy(std::string(RERORE_SOURCE_DIR) + "/examples/DATA", data.path(),
             fs::copy_options::recursive);
    ASSERT_EQ(StartProgram(session, messages, "." + name + " @" + data.path()),
              StartResult::Started);
    frame = std::make_unique<CMainFrame>(session);
    frame->view()->setMessages(messages);
    quit = std::make_unique<QSignalSpy>(frame.get(), &CMainFrame::quitRequested);
    frame->show();
    QApplication::processEvents();
  }
  CZELTWView* view() { return frame->view(); }
  std::string file(const std::string& name) { return data / ("SDIR001/" + name); }
};

TEST_F(PositionWindow, ClosingTheWindowRunsEndAndWritesTheEchoFile) {
  open("001");
  fs::remove(file("ECHO_G.001.TXT"));
  frame->close();
  QTRY_COMPARE(quit->count(), 1);
  EXPECT_EQ((*quit)[0][0].toInt(), 0);
  EXPECT_TRUE(test::Exists(file("ECHO_G.001.TXT")));
  EXPECT_TRUE(frame->isVisible());  // End decides, not the close box
  EXPECT_FALSE(test::Exists(file("GEOMETRY.001")) && GeometryValue(file("GEOMETRY.001")) == 1);
}

TEST_F(PositionWindow, TheCharacterXEndsTheProgram) {
  open("001");
  fs::remove(file("ECHO_G.001.TXT"));
  QApplication::setActiveWindow(frame.get());
  view()->setFocus();
  QTest::keyClick(view(), Qt::Key_X);
  QTRY_COMPARE(quit->count(), 1);
  EXPECT_TRUE(test::Exists(file("ECHO_G.001.TXT")));
}

TEST_F(PositionWindow, StoreOnASoundFrameWritesGeometryOneAndEnds) {
  open("001");
  frame->runCommand(kCmdStore);
  ASSERT_EQ(quit->count(), 1);
  EXPECT_EQ((*quit)[0][0].toInt(), 0);
  EXPECT_EQ(GeometryValue(file("GEOMETRY.001")), 1);
  EXPECT_EQ(session.check.checkResult, 0);
}

TEST_F(PositionWindow, StoreOnAMechanismStaysAndDrawsThePoles) {
  open("003");
  frame->runCommand(kCmdStore);
  QApplication::processEvents();
  EXPECT_EQ(quit->count(), 0);
  ASSERT_GT(session.check.checkResult, 0);
  EXPECT_NE(GeometryValue(data / "SDIR003/GEOMETRY.003"), 1);
  // The second paint fits the extents widened by the poles.
  view()->redraw();
  view()->repaint();
  const QImage picture = view()->framePicture().toImage();
  int poles = 0;
  for (int i = 1; i <= session.model.params.elementCount; ++i) {
    const Pole& pole = session.check.poleTable[i];
    const DevicePoint p = view()->mapping().toDevice(pole.x, pole.y);
    if (picture.valid(p.x, p.y) && IsRed(picture.pixel(p.x, p.y))) ++poles;
  }
  EXPECT_EQ(poles, session.model.params.elementCount);
}

TEST_F(PositionWindow, NewAsksToEraseWhenNothingChangedElseToSave) {
  open("001");
  messages.answers = {Answer::No};
  frame->runCommand(kCmdNew);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "New frame ? Erase screen?");
  EXPECT_EQ(messages.messages[0].title, "New frame");
  EXPECT_EQ(session.paths.extension, ".001");

  session.model.params.setTitle("changed");
  messages.answers = {Answer::No};
  frame->runCommand(kCmdNew);
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[1].text, "Save changes?");
  EXPECT_EQ(messages.messages[1].title, "Erase");
  EXPECT_EQ(session.paths.extension, ".NEW");
  QApplication::processEvents();
  EXPECT_EQ(frame->windowTitle(), "Position NEW ");
}

TEST_F(PositionWindow, StoreOfAnUnnamedPositionAsksForItsName) {
  open("001");
  messages.answers = {Answer::Yes};
  frame->runCommand(kCmdNew);
  ASSERT_EQ(session.paths.extension, ".NEW");
  OnNextDialog<CDiaSaveAs>([](CDiaSaveAs* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Store");
    EXPECT_EQ(dialog->nameField()->selectedText(), "NEW");
    QTest::keyClicks(dialog->nameField(), " 042 ");
    dialog->accept();
  });
  frame->runCommand(kCmdStore);
  EXPECT_EQ(session.paths.extension, ".042");
  EXPECT_EQ(GeometryValue(data / "SDIR042/GEOMETRY.042"), 1);
  EXPECT_EQ(quit->count(), 1);
}

TEST_F(PositionWindow, OpenRefusesAFolderWithoutAPositionAndAsksAgain) {
  open("001");
  const std::string other = data / "POS7";
  fs::create_directories(other);
  OnNextDialog<QFileDialog>([other](QFileDialog* browser) {
    EXPECT_EQ(browser->windowTitle(), "Pfad + Position");
    browser->selectFile(QString::fromStdString(other));
    static_cast<QDialog*>(browser)->accept();
    OnNextDialog<QFileDialog>([](QFileDialog* again) { again->reject(); });
  });
  frame->runCommand(kCmdOpen);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].title, "No directory with a position!");
  EXPECT_EQ(messages.messages[0].text, other);
  EXPECT_EQ(session.paths.extension, ".001");

  const std::string beam = data / "SDIR002";
  OnNextDialog<QFileDialog>([beam](QFileDialog* browser) {
    browser->selectFile(QString::fromStdString(beam));
    static_cast<QDialog*>(browser)->accept();
  });
  frame->runCommand(kCmdOpen);
  EXPECT_EQ(session.paths.extension, ".002");
  EXPECT_EQ(session.model.params.elementCount, 3);
}

TEST_F(PositionWindow, EchoReloadsTheModelOnlyWhenTheTextWasEdited) {
  open("001");
  session.view.auxLineCount = 5;  // a reload starts the aux lines anew
  OnNextDialog<CDiaEcho>([](CDiaEcho* dialog) { dialog->accept(); });
  frame->runCommand(kCmdEcho);
  EXPECT_EQ(session.view.auxLineCount, 5);
  EXPECT_EQ(session.model.materials[1].modulus, 3.0e7f);

  OnNextDialog<CDiaEcho>([](CDiaEcho* dialog) {
    QPlainTextEdit* text = dialog->textField();
    text->setPlainText(text->toPlainText().replace("30000000.00", "21000000.00"));
    dialog->accept();
  });
  frame->runCommand(kCmdEcho);
  EXPECT_EQ(session.view.auxLineCount, 0);
  EXPECT_EQ(session.model.materials[1].modulus, 2.1e7f);
}

}  // namespace
}  // namespace rerore
