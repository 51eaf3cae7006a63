// The table dialogs and the element editor typed into, with the model and files they leave.
#include <sstream>

#include "commands/element_table.h"
#include "gui_helpers.h"
#include "model/position_files.h"

namespace rerore {
namespace {

class DialogTest : public test::PositionTest {
 protected:
  // The default material and section that start-up gives a fresh position.
  void SetUp() override {
    PositionTest::SetUp();
    SetDefaultMaterial(session.model);
    SetDefaultCrossSection(session.model);
  }
  // Shows the dialog and waits for the editor it opens by itself.
  static void Open(TableDialog& dialog) {
    test::ShowActive(dialog);
    QTest::qWait(1);
  }
};

using MaterialDialog = DialogTest;

// The classes of both tables: see the table logic's tests.
TEST_F(MaterialDialog, ConcreteClassGivesItsModulusFromTheChosenTable) {
  session.model.params.modulusTableFlag = 1;
  MaterialsDialog dialog(session, messages);
  EXPECT_EQ(dialog.windowTitle(), "Material");
  Open(dialog);
  ASSERT_TRUE(dialog.grid()->isEditing());
  EXPECT_EQ(test::RowText(*dialog.grid(), 1), "1|2.670E+07");  // the default material
  test::Type("c30/37\r");
  EXPECT_EQ(test::RowText(*dialog.grid(), 1), "C30/37|3.300E+07");
  test::Click(dialog, "&OK");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FLOAT_EQ(session.model.materials[1].modulus, 3.3e7f);
}

TEST_F(MaterialDialog, TheTableEndsAtTwentyMaterials) {
  MaterialsDialog dialog(session, messages);
  Open(dialog);
  QString block;
  for (int i = 1; i <= 25; ++i) block += QString("%1\t3E7\n").arg(i);
  QApplication::clipboard()->setText(block);
  test::Press(Qt::Key_Escape);
  test::Press(Qt::Key_V, Qt::ControlModifier);
  test::Press(Qt::Key_End);
  test::Press(Qt::Key_Down);
  EXPECT_EQ(dialog.grid()->focusRow(), 20);
  test::Click(dialog, "&OK");
  EXPECT_EQ(session.model.params.materialCount, 20);
}

// Width and height complete A and I; values no bar can have keep the table open.
TEST_F(DialogTest, SectionsCompleteAreaAndInertiaAndRefuseWhatNoBarCanHave) {
  CrossSectionsDialog dialog(session, messages);
  EXPECT_EQ(dialog.windowTitle(), "Cross sections");
  Open(dialog);
  // Without sections, the default section 0.2 x 0.4 shows.
  EXPECT_EQ(test::RowText(*dialog.grid(), 1), "0.200|0.400|8.000E-02|1.067E-03");
  dialog.grid()->editCell(1, 4);
  test::Type("1e39\r");
  test::Click(dialog, "OK");
  EXPECT_TRUE(dialog.isVisible());
  // A and I of a huge rectangle are written as the numbers they are.
  const QString huge = "1" + QString(20, '0');
  dialog.grid()->editCell(1, 1);
  test::Type(huge + "\r" + huge + "\r");
  EXPECT_EQ(test::RowText(*dialog.grid(), 1), huge + "|" + huge + "|1.0000E+40|8.3333E+78");
  test::Click(dialog, "OK");
  EXPECT_TRUE(dialog.isVisible());
  dialog.grid()->editCell(1, 1);
  test::Type("0.2\r0.4\r1e-3\r");
  dialog.grid()->editCell(1, 3);
  test::Type("-0,15\r");
  test::Click(dialog, "OK");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Error: The number 1E39 is too large",
                                      "Error: The number 1.0000E+40 is too large",
                                      "Error: Row 1: the section values must be positive"}));
  EXPECT_EQ(session.model.crossSections[1].area, 0.08f);
  EXPECT_FALSE(test::Exists(session.paths.file("CROSS")));
  dialog.grid()->editCell(2, 1);
  test::Type("0,2\r0.4\r");
  EXPECT_EQ(test::RowText(*dialog.grid(), 2), "0.2|0.4|8.0000E-02|1.0667E-03");
  dialog.grid()->editCell(1, 1);
  test::Type("0.3\r0.5\r");
  test::Click(dialog, "OK");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(session.model.params.crossSectionCount, 2);
  EXPECT_FLOAT_EQ(session.model.crossSections[2].inertia, 1.0667e-3f);
}

class NodeDialog : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    ModelTables& model = session.model;
    model.params.materialCount = model.params.crossSectionCount = model.params.nodeCount = 2;
    model.materials[1].modulus = 2.1e8f;
    model.materials[2].modulus = 3.0e7f;
    WriteMaterialsFile(session.paths, model);
    model.materials[1].modulus = 1.0f;  // the base stiffness takes MATR, not memory
    model.crossSections[1].area = 0.08f;
    model.crossSections[2].area = 0.12f;
    model.nodes[1] = model.nodes[2] = {};
    model.nodes[2].x = 5.0f;
    model.nodes[2].y = 3.0f;
    model.nodes[2].z = -3.0f;
    WriteNodesFile(session.paths, model);
  }
};

TEST_F(NodeDialog, TargetValueToolFindsTheFactorOrSaysWhyNot) {
  {
    NodesDialog dialog(session, messages);
    EXPECT_EQ(dialog.windowTitle(), "Nodes");
    Open(dialog);
    EXPECT_EQ(dialog.baseStiffnessField()->text(), "2.5200E+07");
    EXPECT_FALSE(dialog.baseStiffnessField()->isEnabled());
    dialog.targetField()->setFocus();
    test::Type("1.0E+06\r");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.factorField());
    EXPECT_EQ(dialog.factorField()->selectedText(), "0.03968");
  }
  session.model.params.crossSectionCount = 0;
  NodesDialog dialog(session, messages);
  Open(dialog);
  dialog.targetField()->setFocus();
  test::Type("1000\r");
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{
                "Error: Base stiffness is 0: enter materials and cross sections first"});
  EXPECT_TRUE(dialog.factorField()->text().isEmpty());
}

TEST_F(NodeDialog, TypedFactorsBecomeSupportRowsAndCoordinatesCannotBeTyped) {
  NodesDialog dialog(session, messages);
  Open(dialog);
  TableEditor& grid = *dialog.grid();
  EXPECT_EQ(test::RowText(grid, 2), "5.00|3.00|0.000E+00|0.000E+00|0.000E+00");
  // The coordinates follow the elements: they cannot be typed over.
  grid.setFocus();
  grid.setFocusCell(1, 1);
  test::Type("7");
  EXPECT_FALSE(grid.isEditing());
  grid.editCell(1, 3);
  test::Type("1");
  test::Press(Qt::Key_Right);
  test::Type("-1");
  test::Press(Qt::Key_Down);
  test::Type("0.5");
  test::Click(dialog, "OK");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const ModelTables& model = session.model;
  ASSERT_EQ(model.params.supportCount, 2);
  EXPECT_FLOAT_EQ(model.supports[1].factorV, 1.0f);  // the sign goes
  EXPECT_EQ(std::tuple(model.supports[2].node, model.supports[2].givenU, model.supports[2].givenV),
            std::tuple(2, 0, 1));
}

class ElementDialogTest : public DialogTest {
 protected:
  // Two materials and two sections for the rows to refer to.
  void SetUp() override {
    DialogTest::SetUp();
    ModelTables& model = session.model;
    model.materials[2] = model.materials[1];
    model.crossSections[2] = model.crossSections[1];
    model.params.materialCount = model.params.crossSectionCount = 2;
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
  std::unique_ptr<ElementsDialog> Open() {
    auto dialog = std::make_unique<ElementsDialog>(session, messages);
    QObject::connect(dialog.get(), &ElementsDialog::ended,
                     [this](bool accepted) { ends.push_back(accepted); });
    DialogTest::Open(*dialog);
    return dialog;
  }

  std::vector<bool> ends;  // the tables' ends, with OK or not
};

TEST_F(ElementDialogTest, StopAndEscapeLeaveTheModel) {
  Accepted({"0 0 5 0 1 1 1 1 0 0"});
  {
    auto dialog = Open();
    EXPECT_EQ(test::RowText(*dialog->grid(), 1), "0.00|0.00|5.00|0.00|1|1|1|1|0|0");
    test::Type("7\r");
    test::Click(*dialog, "&Stop");
  }
  {
    auto dialog = Open();
    test::Press(Qt::Key_Escape);  // closes the editor
    test::Press(Qt::Key_Escape);  // closes the table
    EXPECT_FALSE(dialog->isVisible());
  }
  EXPECT_EQ(ends, std::vector<bool>({false, false}));
  EXPECT_EQ(session.model.elements[1].xa, 0.0f);
}

TEST_F(ElementDialogTest, RearrangeTurnsElementsPointingLeftAndAccepts) {
  Accepted({"5 0 0 0 1 1 1 1 1 0", "0 5 0 0 1 1 1 1 0 0"});
  auto dialog = Open();
  test::Type("9\r");  // an unsaved edit, replaced by the model's rows
  test::Click(*dialog, "Rearrange");
  // The flags stay in their columns; an element pointing down is not turned.
  EXPECT_EQ(test::RowText(*dialog->grid(), 1), "0.00|0.00|5.00|0.00|1|1|1|1|1|0");
  EXPECT_EQ(test::RowText(*dialog->grid(), 2), "0.00|5.00|0.00|0.00|1|1|1|1|0|0");
  EXPECT_FLOAT_EQ(session.model.elements[1].dx, 5.0f);
  EXPECT_EQ(ends, std::vector<bool>{true});
}

// A refused row keeps the table open with what was typed and the model as it was.
TEST_F(ElementDialogTest, ARefusedRowKeepsTheTableOpen) {
  auto dialog = Open();
  test::Type("0\r0\r4\r0\r");
  dialog->grid()->finishEditing();
  dialog->grid()->setItemText(1, 5, "3");
  test::Click(*dialog, "&OK");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(ends.empty());
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: Row 1: material 3 does not exist"});
  EXPECT_EQ(dialog->grid()->getItemText(1, 3), "4");
  EXPECT_EQ(session.model.params.elementCount, 0);
}

class ElementEditorTest : public ElementDialogTest {
 protected:
  void SetUp() override {
    ElementDialogTest::SetUp();
    Accepted({"0 0 0 3 1 1 1 1 0 0", "0 3 4 3 1 1 1 1 0 0", "4 3 4 0 1 2 1 1 0 0"});
  }
  // Delete in element k's editor; `answer` to the question (`noMore`: do not ask again).
  void Delete(int k, bool askExpected, const QString& answer = "Delete", bool noMore = false) {
    test::OnNextDialog<ElementEditor>(
        [](ElementEditor* editor) { test::Click(*editor, "Delete"); });
    bool asked = false;
    if (askExpected)
      test::OnNextDialog<DeleteElementQuestion>([&](DeleteElementQuestion* verify) {
        asked = true;
        EXPECT_EQ(verify->windowTitle(), "RERORE");
        EXPECT_EQ(verify->findChild<QLabel*>()->text(), QString("Delete element %1?").arg(k));
        if (noMore) verify->findChild<QCheckBox*>()->click();
        test::Click(*verify, answer);
      });
    EditElement(session, messages, k, nullptr);
    EXPECT_EQ(asked, askExpected);
  }
};

TEST_F(ElementEditorTest, DeletingAsksEachTimeUntilDoNotAskAgain) {
  Delete(2, true, "Stop");
  EXPECT_EQ(session.model.params.elementCount, 3);
  Delete(2, true);  // element 3 becomes element 2
  ASSERT_EQ(session.model.params.elementCount, 2);
  EXPECT_EQ(session.model.elements[2].crossSection, 2);
  EXPECT_EQ(session.model.elements[2].xa, 4.0f);
  EXPECT_EQ(session.model.params.nodeCount, 4);
  ASSERT_TRUE(ReadElementsFile(session.paths, session.model));
  EXPECT_EQ(session.model.params.elementCount, 2);
  EXPECT_FALSE(session.remembered.skipDeleteQuestion);
  Delete(2, true, "Delete", true);
  EXPECT_TRUE(session.remembered.skipDeleteQuestion);
  Delete(1, false);
  EXPECT_EQ(session.model.params.elementCount, 0);
}

TEST_F(ElementEditorTest, OkStoresTheFlagsAndNumbersWithTheirStiffness) {
  session.model.materials[1].modulus = 2.0e8f;
  session.model.crossSections[2].area = 0.5f;
  test::OnNextDialog<ElementEditor>([](ElementEditor* editor) {
    EXPECT_EQ(editor->windowTitle(), "Element");
    EXPECT_TRUE(editor->box("Tension (T)")->isChecked());
    editor->box("Tension (T)")->click();
    editor->box("Hinge L")->click();
    editor->sectionField()->setFocus();
    editor->sectionField()->selectAll();
    QTest::keyClicks(editor->sectionField(), "2");
    test::Click(*editor, "OK");
  });
  EXPECT_TRUE(EditElement(session, messages, 1, nullptr));
  const ElementRecord& e = session.model.elements[1];
  EXPECT_EQ(std::tuple(e.tension, e.hingeLeft, e.crossSection), std::tuple(0, 1, 2));
  EXPECT_FLOAT_EQ(e.ea, 1.0e8f);
  EXPECT_EQ(session.model.params.elementCount, 3);
}

}  // namespace
}  // namespace rerore
