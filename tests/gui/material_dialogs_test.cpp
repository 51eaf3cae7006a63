// The materials, cross-sections and nodes dialogs, typed into as a user
// types, with the model and the files they leave.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "model/position_files.h"
#include "support/test_support.h"
#include "table_test_support.h"
#include "tables/CDiaKnoten.h"
#include "tables/CDiaMaterial.h"
#include "tables/CDiaQuer.h"
#include "tables/CGridCtrl.h"
#include "tables/CInPlaceEdit.h"
#include "tables/table_globals.h"
#include "view/view_messages.h"

namespace rerore {
namespace {

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UsePosition(session, data.path(), "001");
    lastConcreteClass = 0;
  }
  static QPushButton* Button(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == text) return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
  }
  // Shows the dialog and waits for the editor it opens by itself.
  static void Open(TableDialog& dialog) {
    test::ShowActive(dialog);
    QTest::qWait(1);
  }

  test::TempDir data;
  Session session;
  test::RecordingMessages messages;
};

using MaterialDialog = DialogTest;

TEST_F(MaterialDialog, ConcreteClassGivesItsModulusFromTheChosenTable) {
  for (int flag : {0, 1}) {
    session.model.params.modulusTableFlag = static_cast<uint8_t>(flag);
    CDiaMaterial dialog(session, messages);
    EXPECT_EQ(dialog.windowTitle(), "Material");
    Open(dialog);
    ASSERT_TRUE(dialog.grid()->isEditing());
    test::Type("c30/37\r");
    EXPECT_EQ(dialog.grid()->getItemText(1, 1), "C30/37");
    EXPECT_EQ(dialog.grid()->getItemText(1, 2), flag == 0 ? "2.830E+07" : "3.300E+07");
    EXPECT_EQ(dialog.grid()->focusColumn(), 2);
  }
}

TEST_F(MaterialDialog, OkStoresTheRowsAndTheFile) {
  CDiaMaterial dialog(session, messages);
  Open(dialog);
  EXPECT_EQ(dialog.grid()->getItemText(1, 2), "2.670E+07");  // the default material
  test::Type("c30/37\r");
  test::Press(Qt::Key_Down);
  test::Press(Qt::Key_Left);
  test::Type("2");
  test::Press(Qt::Key_Right);
  test::Type("2,1e8\r");
  QTest::mouseClick(Button(dialog, "&OK"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const ModelTables& model = session.model;
  ASSERT_EQ(model.params.materialCount, 2);
  EXPECT_EQ(model.materials[1].number, 0);
  EXPECT_FLOAT_EQ(model.materials[1].modulus, 2.83e7f);
  EXPECT_FLOAT_EQ(model.materials[2].modulus, 2.1e8f);
  Session reread;
  test::UsePosition(reread, data.path(), "001");
  ASSERT_TRUE(ReadMaterialsFile(reread.paths, reread.model));
  EXPECT_EQ(reread.model.params.materialCount, 2);
  EXPECT_FLOAT_EQ(reread.model.materials[2].modulus, 2.1e8f);
}

TEST_F(MaterialDialog, TableEndsAtTwentyMaterials) {
  CDiaMaterial dialog(session, messages);
  Open(dialog);
  QString block;
  for (int i = 1; i <= 25; ++i) block += QString("%1\t3E7\n").arg(i);
  QApplication::clipboard()->setText(block);
  test::Press(Qt::Key_Escape);
  test::Press(Qt::Key_V, Qt::ControlModifier);
  test::Press(Qt::Key_End);
  EXPECT_EQ(dialog.grid()->focusRow(), 20);
  test::Press(Qt::Key_Down);
  EXPECT_EQ(dialog.grid()->focusRow(), 20);
  EXPECT_EQ(dialog.grid()->getItemText(20, 1), "20");
  QTest::mouseClick(Button(dialog, "&OK"), Qt::LeftButton);
  EXPECT_EQ(session.model.params.materialCount, 20);
  EXPECT_EQ(test::ReadFile(session.paths.file("MATR")).size(), 2 + 20 * sizeof(MaterialRecord));
}

TEST_F(MaterialDialog, ReturnOnAButtonGoesBackIntoTheTable) {
  CDiaMaterial dialog(session, messages);
  Open(dialog);
  test::Press(Qt::Key_Escape);
  QPushButton* ok = Button(dialog, "&OK");
  ok->setFocus();
  QTest::keyClick(ok, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.grid()->isEditing());
  EXPECT_EQ(QApplication::focusWidget(), dialog.grid()->inPlaceEdit());
}

TEST_F(MaterialDialog, FilledRowAfterAnEmptyOneKeepsTheDialogOpen) {
  CDiaMaterial dialog(session, messages);
  Open(dialog);
  test::Press(Qt::Key_Escape);
  dialog.grid()->setItemText(3, 1, "3");
  dialog.grid()->setItemText(3, 2, "3E7");
  QTest::mouseClick(Button(dialog, "&OK"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Row 2 is incomplete");
  EXPECT_EQ(dialog.grid()->getItemText(3, 2), "3E7");
  EXPECT_FALSE(test::Exists(session.paths.file("MATR")));
}

using SectionDialog = DialogTest;

TEST_F(SectionDialog, WidthAndHeightCompleteTheSecondSection) {
  CDiaQuer dialog(session, messages);
  EXPECT_EQ(dialog.windowTitle(), "Cross sections");
  Open(dialog);
  EXPECT_EQ(test::RowText(*dialog.grid(), 1), "0.200|0.400|8.000E-02|1.067E-03");
  dialog.grid()->editCell(2, 1);
  test::Type("0,3\r0.5\r");
  EXPECT_EQ(test::RowText(*dialog.grid(), 2), "0.3|0.5|1.5000E-01|3.1250E-03");
  QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(session.model.params.crossSectionCount, 2);
  EXPECT_FLOAT_EQ(session.model.crossSections[2].inertia, 3.125e-3f);
  EXPECT_EQ(test::ReadFile(session.paths.file("CROSS")).size(), 2 + 2 * sizeof(CrossSectionRecord));
}

class NodeDialog : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    std::filesystem::create_directories(session.paths.positionDirectory);
    ModelTables& model = session.model;
    model.params.materialCount = 2;
    model.materials[1].modulus = 2.1e8f;
    model.materials[2].modulus = 3.0e7f;
    WriteMaterialsFile(session.paths, model);
    model.params.crossSectionCount = 2;
    model.crossSections[1].area = 0.08f;
    model.crossSections[2].area = 0.12f;
    model.params.nodeCount = 2;
    model.nodes[1] = {};
    model.nodes[2] = {};
    model.nodes[2].x = 5.0f;
    model.nodes[2].y = 3.0f;
    model.nodes[2].z = -3.0f;
    WriteNodesFile(session.paths, model);
  }
};

TEST_F(NodeDialog, TargetValueToolFindsTheFactor) {
  CDiaKnoten dialog(session, messages);
  EXPECT_EQ(dialog.windowTitle(), "Nodes");
  Open(dialog);
  EXPECT_EQ(dialog.baseStiffnessField()->text(), "2.5200E+07");
  EXPECT_FALSE(dialog.baseStiffnessField()->isEnabled());
  dialog.targetField()->setFocus();
  test::Type("1.0E+06\r");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.factorField()->text(), "0.03968");
  EXPECT_EQ(QApplication::focusWidget(), dialog.factorField());
  EXPECT_EQ(dialog.factorField()->selectedText(), "0.03968");
}

TEST_F(NodeDialog, TargetValueToolWithoutBaseStiffnessSaysWhy) {
  session.model.params.crossSectionCount = 0;
  CDiaKnoten dialog(session, messages);
  Open(dialog);
  dialog.targetField()->setFocus();
  test::Type("1000\r");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text,
            "Base stiffness is 0: enter materials and cross sections first");
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_TRUE(dialog.factorField()->text().isEmpty());
}

TEST_F(NodeDialog, TypedFactorsBecomeSupportRows) {
  CDiaKnoten dialog(session, messages);
  Open(dialog);
  CGridCtrl& grid = *dialog.grid();
  EXPECT_EQ(test::RowText(grid, 2), "5.00|3.00|0.000E+00|0.000E+00|0.000E+00");
  // The coordinates follow the elements: they cannot be typed over.
  grid.setFocus();
  grid.setFocusCell(1, 1);
  test::Type("7");
  EXPECT_FALSE(grid.isEditing());
  EXPECT_FALSE(grid.itemToolTip(1, 2).isEmpty());
  grid.editCell(1, 3);
  test::Type("1");
  test::Press(Qt::Key_Right);
  test::Type("-1");
  test::Press(Qt::Key_Down);
  test::Type("0.5");
  QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const ModelTables& model = session.model;
  EXPECT_EQ(model.params.nodeCount, 2);
  ASSERT_EQ(model.params.supportCount, 2);
  EXPECT_EQ(model.supports[1].givenU + model.supports[1].givenV, 2);
  EXPECT_FLOAT_EQ(model.supports[1].factorV, 1.0f);
  EXPECT_EQ(model.supports[2].node, 2);
  EXPECT_EQ(model.supports[2].givenU, 0);
  EXPECT_EQ(model.supports[2].givenV, 1);
  EXPECT_EQ(test::ReadFile(session.paths.file("LKNOTENR")).size(), 2 + 2 * sizeof(SupportRecord));
}

TEST_F(NodeDialog, RowLabelClickMarksTheNodeInTheView) {
  CDiaKnoten dialog(session, messages);
  test::PostedMessages view;
  dialog.setMessageSink(view.sink());
  Open(dialog);
  CGridCtrl& grid = *dialog.grid();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(2, 0).center());
  ASSERT_EQ(view.received.size(), 1u);
  EXPECT_EQ(view.received[0], std::make_pair(kMsgPointMarked, 1));
  EXPECT_TRUE(session.view.markedPoint.set);
  EXPECT_FLOAT_EQ(session.view.markedPoint.x, 5.0f);
  EXPECT_FLOAT_EQ(session.view.markedPoint.y, 3.0f);
}

}  // namespace
}  // namespace rerore
