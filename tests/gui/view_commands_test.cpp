// The view's commands and dialogs, driven as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <filesystem>

#include "gui_helpers.h"
#include "model/file_io.h"
#include "support/test_support.h"
#include "view/CZELTWView.h"
#include "view/frame_output.h"
#include "view/page_frame.h"
#include "view/text_dialogs.h"
#include "view/view_messages.h"

namespace rerore {
namespace {

using test::OnNextDialog;

struct ViewCommands : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
  std::unique_ptr<CZELTWView> view;

  void SetUp() override {
    test::UsePosition(session, data.path(), "001");
    std::filesystem::create_directories(data / "SDIR001");
    session.view.extents = {0, 0, 10, 5};
    view = std::make_unique<CZELTWView>(session);
    view->setMessages(messages);
    view->resize(1000, 600);
    view->show();
    QApplication::processEvents();
  }
};

TEST_F(ViewCommands, WithoutAReportBothCommandsSayWhichFileIsMissing) {
  view->runCommand(kCmdFileD1);
  view->runCommand(kCmdDimensions);
  const std::string second = data / "SDIR001/D1";
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_EQ(messages.messages[0].text,
            "Frame not yet stored. No data, file " + second + " is missing.");
  EXPECT_EQ(messages.messages[1].title, "Missing input");
  EXPECT_EQ(messages.messages[1].text, "No data, file " + second + " is missing.");
}

TEST_F(ViewCommands, TheReportOpensInTheTextDialog) {
  test::WriteFile(data / "SDIR001/D1", " Frame Analysis\r\n --------------\r\n");
  QString shown;
  QString title;
  OnNextDialog<CDiaText>([&](CDiaText* dialog) {
    shown = dialog->textField()->toPlainText();
    title = dialog->windowTitle();
    dialog->reject();
  });
  view->runCommand(kCmdFileD1);
  EXPECT_EQ(shown, " Frame Analysis\n --------------\n");
  EXPECT_EQ(title.toStdString(), data / "SDIR001/D1");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ViewCommands, TheTextDialogAloneClosesAtOnceWithoutAReport) {
  CDiaText dialog(session.paths, messages);
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text,
            "No input yet. The file " + (data / "SDIR001/D1") + " is missing.");
}

TEST_F(ViewCommands, TheFontDialogTakesADecimalComma) {
  session.view.textScale = 1.25f;
  OnNextDialog<CDiaFont>([](CDiaFont* dialog) {
    EXPECT_EQ(dialog->sizeField()->text(), "1.25");
    EXPECT_EQ(dialog->sizeField()->selectedText(), "1.25");
    QTest::keyClicks(dialog->sizeField(), "1,5");
    dialog->accept();
  });
  view->runCommand(kCmdFont);
  EXPECT_FLOAT_EQ(session.view.textScale, 1.5f);

  OnNextDialog<CDiaFont>([](CDiaFont* dialog) {
    dialog->sizeField()->setText("3");
    dialog->reject();
  });
  view->runCommand(kCmdFont);
  EXPECT_FLOAT_EQ(session.view.textScale, 1.5f);

  OnNextDialog<CDiaFont>([](CDiaFont* dialog) {
    dialog->sizeField()->setText("big");
    dialog->accept();
  });
  view->runCommand(kCmdFont);
  EXPECT_EQ(session.view.textScale, 0.0f);
}

TEST_F(ViewCommands, TheTitleDialogTakesSixtyCharactersAndTellsTheHub) {
  QSignalSpy hub(view.get(), &CZELTWView::hubMessage);
  OnNextDialog<CDiaTitel>([](CDiaTitel* dialog) {
    dialog->titleField()->clear();
    QTest::keyClicks(dialog->titleField(), QString(61, 'T'));
    dialog->accept();
  });
  view->postMessage(kMsgOpenTitle, 1);
  QTRY_COMPARE(hub.count(), 1);
  EXPECT_EQ(session.model.params.titleText(), std::string(60, 'T'));
  EXPECT_EQ(hub[0][0].toInt(), kMsgInputFinished);
  EXPECT_EQ(hub[0][1].toInt(), 1);
}

TEST_F(ViewCommands, TheEchoDialogWritesOnlyWhatWasEdited) {
  const std::string path = session.paths.temporaryEchoFile();
  const std::string original = "TITLE\r\nPortal\r\nMATERIAL\r\n1\r\n";
  test::WriteFile(path, original);
  const auto before = std::filesystem::last_write_time(path);
  {
    CDiaEcho dialog(path);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  EXPECT_EQ(test::ReadFile(path), original);
  EXPECT_EQ(std::filesystem::last_write_time(path), before);

  CDiaEcho dialog(path);
  QTextCursor cursor = dialog.textField()->textCursor();
  cursor.movePosition(QTextCursor::Down);
  cursor.movePosition(QTextCursor::EndOfLine);
  dialog.textField()->setTextCursor(cursor);
  QTest::keyClicks(dialog.textField(), " frame");
  dialog.accept();
  EXPECT_EQ(test::ReadFile(path), "TITLE\r\nPortal frame\r\nMATERIAL\r\n1\r\n");
}

TEST_F(ViewCommands, AnEchoFileThatCannotBeWrittenKeepsTheDialogOpen) {
  const std::string path = data / "missing-directory/ECHO_G.TMP.TXT";
  CDiaEcho dialog(path);
  dialog.show();
  QTest::keyClicks(dialog.textField(), "x");
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(ViewCommands, ADragZoomsAndEscapeLeavesTheZoom) {
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_FALSE(view->mapping().zoomed());
  QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(view.get(), QPoint(315, 310));
  QTest::mouseMove(view.get(), QPoint(330, 300));
  QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(330, 330));
  ASSERT_TRUE(view->mapping().zoomed());
  const WorldRect zoom = view->mapping().zoomWindow();
  EXPECT_LT(zoom.x1, zoom.x2);
  EXPECT_LT(zoom.y1, zoom.y2);
  QTest::keyClick(view.get(), Qt::Key_Escape);
  EXPECT_FALSE(view->mapping().zoomed());
}

TEST_F(ViewCommands, CtrlAndTheKeypadZoomOutAndBackIn) {
  QTest::keyClick(view.get(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_FLOAT_EQ(session.view.zoomFactor, 1.2f);
  QTest::keyClick(view.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(session.view.zoomFactor, 1.0f);
  QTest::keyClick(view.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(session.view.zoomFactor, 1.0f);
  QTest::keyClick(view.get(), Qt::Key_Minus, Qt::ControlModifier);  // not the keypad's
  EXPECT_EQ(session.view.zoomFactor, 1.0f);
}

TEST_F(ViewCommands, TidyTextKeepsItsWishAcrossTheSetAside) {
  DisplayOptions& d = session.view.display;
  view->runCommand(kCmdTidyText);
  EXPECT_TRUE(d.tidyText);
  EXPECT_TRUE(d.tidyTextWanted);
  view->runCommand(kCmdSetAside);  // puts the wish aside
  EXPECT_FALSE(d.tidyTextWanted);
  view->runCommand(kCmdSetAside);
  EXPECT_TRUE(d.tidyTextWanted);
  view->runCommand(kCmdTidyText);
  EXPECT_FALSE(d.tidyText);
  EXPECT_FALSE(d.tidyTextWanted);
  // A suppressed wish survives switching tidy labels off.
  d.tidyText = true;
  d.tidyTextSuppressed = true;
  view->runCommand(kCmdTidyText);
  EXPECT_TRUE(d.tidyTextWanted);
  ASSERT_TRUE(view->commandChecked(kCmdEndMarks).has_value());
  view->runCommand(kCmdEndMarks);
  EXPECT_FALSE(d.endMarks);
  EXPECT_FALSE(*view->commandChecked(kCmdEndMarks));
}

TEST_F(ViewCommands, AWideFrameIsPrintedLandscape) {
  session.view.extents = {0, 0, 20, 5};
  session.model.params.setTitle("Hall");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(data / "page.pdf"));
  printer.setPageOrientation(QPageLayout::Portrait);
  view->printPage(printer);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_GT(std::filesystem::file_size(data / "page.pdf"), 1000u);
  EXPECT_EQ(PageHeader(session), "Pos. 001  Hall");
}

}  // namespace
}  // namespace rerore
