// The elements table, the element editor and its delete question, driven
// from the keyboard and the mouse.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <sstream>

#include "gui_helpers.h"
#include "model/position_files.h"
#include "support/test_support.h"
#include "table_test_support.h"
#include "tables/CDiaElemente.h"
#include "tables/CDiaModElm.h"
#include "tables/CGridCtrl.h"
#include "tables/core/element_table.h"
#include "tables/table_globals.h"
#include "view/view_messages.h"

namespace rerore {
namespace {

QPushButton* Button(QWidget& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

class ElementDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UsePosition(session, data.path(), "001");
    std::filesystem::create_directories(session.paths.positionDirectory);
  }
  // Accepts rows through the table logic, as a former OK left them.
  void Accepted(std::vector<std::string> rows) {
    CellTable cells(kElementTableRows, kElementTableColumns);
    for (size_t r = 0; r < rows.size(); ++r) {
      std::istringstream in(rows[r]);
      for (int c = 1; c <= 10; ++c) in >> cells.at(static_cast<int>(r) + 1, c);
    }
    ASSERT_TRUE(AcceptElementTable(session, cells, messages));
  }
  std::unique_ptr<CDiaElemente> Open() {
    auto dialog = std::make_unique<CDiaElemente>(session, messages);
    dialog->setMessageSink(view.sink());
    test::ShowActive(*dialog);
    QTest::qWait(1);
    return dialog;
  }

  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
  test::PostedMessages view;
};

TEST_F(ElementDialogTest, FrameTypedPointAfterPointIsStoredOnOk) {
  auto dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), "Frame elements");
  ASSERT_TRUE(dialog->grid()->isEditing());
  test::Type("0\r0\r0\r3\r");  // the left column, with the usual flags
  test::Type("0\r3\r4\r3\r");  // the beam
  test::Type("4\r3\r4\r0\r");  // the right column
  QTest::mouseClick(Button(*dialog, "&OK"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_EQ(view.received.size(), 1u);
  EXPECT_EQ(view.received[0], std::make_pair(kMsgElementsTableEnded, kEndedWithOk));
  const ModelTables& model = session.model;
  ASSERT_EQ(model.params.elementCount, 3);
  EXPECT_EQ(model.elements[3].xb, 4.0f);
  EXPECT_EQ(model.elements[3].tension, 1);
  EXPECT_EQ(model.params.nodeCount, 4);
  EXPECT_EQ(model.params.geometryEntered, 1);
  EXPECT_TRUE(test::Exists(session.paths.file("NODES")));
  EXPECT_TRUE(test::Exists(session.paths.file("GEOMETRY")));
}

TEST_F(ElementDialogTest, StopAndEscapeLeaveTheModel) {
  Accepted({"0 0 5 0 1 1 1 1 0 0"});
  {
    auto dialog = Open();
    EXPECT_EQ(test::RowText(*dialog->grid(), 1), "0.00|0.00|5.00|0.00|1|1|1|1|0|0");
    test::Type("7\r");
    QTest::mouseClick(Button(*dialog, "&Stop"), Qt::LeftButton);
  }
  {
    auto dialog = Open();
    test::Press(Qt::Key_Escape);  // closes the editor
    test::Press(Qt::Key_Escape);  // closes the table
    EXPECT_FALSE(dialog->isVisible());
  }
  ASSERT_EQ(view.received.size(), 2u);
  EXPECT_EQ(view.received[0], std::make_pair(kMsgElementsTableEnded, kEndedWithStop));
  EXPECT_EQ(view.received[1], std::make_pair(kMsgElementsTableEnded, kEndedWithStop));
  EXPECT_EQ(session.model.elements[1].xa, 0.0f);
}

TEST_F(ElementDialogTest, RearrangeTurnsTheAcceptedElementsAndAccepts) {
  Accepted({"5 0 0 0 1 1 1 1 0 0", "0 5 0 0 1 1 1 1 0 0"});
  auto dialog = Open();
  test::Type("9\r");  // an unsaved edit, replaced by the model's rows
  QTest::mouseClick(Button(*dialog, "Rearrange"), Qt::LeftButton);
  EXPECT_EQ(test::RowText(*dialog->grid(), 1), "0.00|0.00|5.00|0.00|1|1|1|1|0|0");
  EXPECT_EQ(test::RowText(*dialog->grid(), 2), "0.00|5.00|0.00|0.00|1|1|1|1|0|0");
  EXPECT_EQ(session.model.elements[1].xb, 5.0f);
  ASSERT_EQ(view.received.size(), 1u);
  EXPECT_EQ(view.received[0].second, kEndedWithOk);
}

TEST_F(ElementDialogTest, IncompleteRowBeforeAFilledOneKeepsTheTableOpen) {
  auto dialog = Open();
  test::Type("0\r0\r4\r");
  dialog->grid()->finishEditing();
  dialog->grid()->setItemText(3, 1, "1");
  QTest::mouseClick(Button(*dialog, "&OK"), Qt::LeftButton);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(view.received.empty());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Row 1 is incomplete");
  EXPECT_EQ(dialog->grid()->getItemText(1, 3), "4");
}

TEST_F(ElementDialogTest, ListFileButtonsCarryTheTable) {
  Accepted({"0 0 5 0 1 1 1 1 0 0", "5 0 5 3 2 1 1 1 0 1"});
  const std::string path = data / "Elements.001";
  QString suggested;
  auto dialog = Open();
  dialog->setFileChooser([&](bool save, const QString& name, const QString& filter) {
    suggested = name + (save ? "" : " " + filter);
    return QString::fromStdString(path);
  });
  dialog->findChildren<QToolButton*>()[0]->click();
  EXPECT_EQ(suggested, "Elements.001");
  QTest::mouseClick(Button(*dialog, "&Stop"), Qt::LeftButton);

  session.model.params.elementCount = 0;
  auto other = Open();
  other->setFileChooser([&](bool save, const QString& name, const QString& filter) {
    suggested = name + (save ? "" : " " + filter);
    return QString::fromStdString(path);
  });
  tableChanged = false;
  other->findChildren<QToolButton*>()[1]->click();
  EXPECT_EQ(suggested, "Elements.001 Elements* (Elements*.*)");
  EXPECT_TRUE(tableChanged);
  EXPECT_EQ(test::RowText(*other->grid(), 2), "5.00|0.00|5.00|3.00|2|1|1|1|0|1");
  EXPECT_EQ(other->grid()->getItemText(0, 1), "xa [m]");
}

class ElementEditorTest : public ElementDialogTest {
 protected:
  void SetUp() override {
    ElementDialogTest::SetUp();
    skipDeleteQuestion = false;
    Accepted({"0 0 0 3 1 1 1 1 0 0", "0 3 4 3 1 1 1 1 0 0", "4 3 4 0 1 2 1 1 0 0"});
  }
  void TearDown() override { skipDeleteQuestion = false; }
  // Clicks Delete in the editor of element k and answers the question.
  void Delete(int k, bool askExpected, bool doNotAskAgain) {
    test::OnNextDialog<CDiaModElm>(
        [](CDiaModElm* editor) { QTest::mouseClick(Button(*editor, "Delete"), Qt::LeftButton); });
    bool asked = false;
    if (askExpected)
      test::OnNextDialog<CDiaVerify>([&asked, doNotAskAgain](CDiaVerify* verify) {
        asked = true;
        EXPECT_TRUE(verify->windowTitle().isEmpty());
        if (doNotAskAgain) verify->findChild<QCheckBox*>()->click();
        QTest::mouseClick(Button(*verify, "Delete"), Qt::LeftButton);
      });
    EXPECT_TRUE(EditElement(session, messages, k, nullptr));
    EXPECT_EQ(asked, askExpected);
  }
};

TEST_F(ElementEditorTest, DeletingElementTwoMakesTheThirdElementTwo) {
  Delete(2, true, false);
  ASSERT_EQ(session.model.params.elementCount, 2);
  EXPECT_EQ(session.model.elements[2].crossSection, 2);
  EXPECT_EQ(session.model.elements[2].xa, 4.0f);
  EXPECT_FALSE(skipDeleteQuestion);
  Delete(2, true, false);  // asked again
  EXPECT_EQ(session.model.params.elementCount, 1);
}

TEST_F(ElementEditorTest, DoNotAskAgainSkipsTheNextQuestion) {
  Delete(3, true, true);
  EXPECT_TRUE(skipDeleteQuestion);
  Delete(1, false, false);
  ASSERT_EQ(session.model.params.elementCount, 1);
  EXPECT_EQ(session.model.elements[1].xa, 0.0f);
  EXPECT_EQ(session.model.elements[1].ya, 3.0f);
}

TEST_F(ElementEditorTest, StopInTheQuestionKeepsTheElement) {
  test::OnNextDialog<CDiaModElm>(
      [](CDiaModElm* editor) { QTest::mouseClick(Button(*editor, "Delete"), Qt::LeftButton); });
  test::OnNextDialog<CDiaVerify>(
      [](CDiaVerify* verify) { QTest::mouseClick(Button(*verify, "Stop"), Qt::LeftButton); });
  EditElement(session, messages, 2, nullptr);
  EXPECT_EQ(session.model.params.elementCount, 3);
}

TEST_F(ElementEditorTest, OkStoresTheFlagsAndNumbers) {
  test::OnNextDialog<CDiaModElm>([](CDiaModElm* editor) {
    EXPECT_EQ(editor->windowTitle(), "Element");
    EXPECT_TRUE(editor->box("Tension (T)")->isChecked());
    editor->box("Tension (T)")->click();
    editor->box("Hinge L")->click();
    editor->sectionField()->setFocus();
    editor->sectionField()->selectAll();
    QTest::keyClicks(editor->sectionField(), "2");
    QTest::mouseClick(Button(*editor, "OK"), Qt::LeftButton);
  });
  EXPECT_TRUE(EditElement(session, messages, 1, nullptr));
  const ElementRecord& e = session.model.elements[1];
  EXPECT_EQ(e.tension, 0);
  EXPECT_EQ(e.hingeLeft, 1);
  EXPECT_EQ(e.crossSection, 2);
  EXPECT_EQ(session.model.params.elementCount, 3);
}

}  // namespace
}  // namespace rerore
