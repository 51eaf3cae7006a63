// Undo and redo in the real window, with the files, open table, title mark and display.
#include "gui_helpers.h"

namespace rerore {
namespace {

using test::OnNextDialog;

struct Undo : test::WindowTest {
  QUndoStack& steps() { return frame->history()->stack(); }
  // Every file of the position but GEOMETRY, which undo sets to 0.
  std::map<std::string, std::string> files() {
    auto all = test::Files(session.paths.positionDirectory);
    std::erase_if(all, [](const auto& file) { return file.first.rfind("GEOMETRY", 0) == 0; });
    return all;
  }
  void keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(frame.get(), key, modifiers);
    QApplication::processEvents();
  }
  void editTitle(const QString& title) {
    OnNextDialog<TitleDialog>([title](TitleDialog* dialog) {
      dialog->titleField()->setText(title);
      test::Click(*dialog, "&OK");
    });
    view()->editTitle();
  }
  // The open elements table, opened from the hub.
  ElementsDialog* elementsTable() {
    if (!input().elementsTable()) {
      test::Click(*input().hub(), "&Elements");
      QApplication::processEvents();
    }
    return input().elementsTable();
  }
};

TEST_F(Undo, DrawnElementsHaveTheirNodesAndAreUndoneAndRedoneOneByOne) {
  std::filesystem::create_directories(data / "SDIR005");
  open("005");
  draw({{2, 2}, {6, 2}});
  const std::string oneElement = test::ReadFile(file("NODES"));
  draw({{6, 2}, {6, 4}, {2, 4}});
  ASSERT_EQ(session.model.params.elementCount, 3);
  EXPECT_EQ(session.model.params.nodeCount, 4);  // at once, without any table
  EXPECT_EQ(undoItem(), "&Undo Draw element 3\tCtrl+Z");
  const std::string threeElements = test::ReadFile(file("NODES"));

  keys(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(session.model.params.elementCount, 2);
  EXPECT_EQ(session.model.params.nodeCount, 3);
  EXPECT_EQ(frame->action(kCmdEditRedo)->text(), "&Redo Draw element 3\tCtrl+Y");
  keys(Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(session.model.params.elementCount, 1);
  EXPECT_EQ(test::ReadFile(file("NODES")), oneElement);
  keys(Qt::Key_Y, Qt::ControlModifier);
  keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(session.model.params.elementCount, 3);
  EXPECT_EQ(session.model.elements[3].xb, 2.0f);
  EXPECT_EQ(test::ReadFile(file("NODES")), threeElements);
  EXPECT_FALSE(frame->action(kCmdEditRedo)->isEnabled());
}

// The open table shows the frame after the undo; the files are back byte for byte.
TEST_F(Undo, ADeleteIsUndoneWithItsFilesAndTheOpenTable) {
  open();
  ElementsDialog* table = elementsTable();
  ASSERT_NE(table, nullptr);
  const auto before = files();
  OnNextDialog<ElementEditor>([](ElementEditor* editor) {
    OnNextDialog<DeleteElementQuestion>(
        [](DeleteElementQuestion* question) { test::Click(*question, "Delete"); });
    test::Click(*editor, "Delete");
  });
  clickAt(6, 2);  // element 3, the right column
  ASSERT_EQ(session.model.params.elementCount, 2);
  EXPECT_EQ(test::RowText(*table->grid(), 3), "|||||||||");
  EXPECT_NE(files(), before);
  EXPECT_EQ(undoItem(), "&Undo Delete element 3\tCtrl+Z");
  // The keys work in the table's window too, outside its cell editor.
  table->grid()->finishEditing();
  QApplication::setActiveWindow(table);
  table->grid()->setFocus();
  QTest::keyClick(table->grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(session.model.params.elementCount, 3);
  EXPECT_EQ(files(), before);
  EXPECT_EQ(test::ReadFile(file("GEOMETRY")), test::kGeometryZero);
  EXPECT_EQ(test::RowText(*table->grid(), 3), "6.00|4.00|6.00|0.00|1|1|1|1|0|0");
  EXPECT_EQ(undoItem(), "&Undo\tCtrl+Z");
}

TEST_F(Undo, AnArcGeneratedOverTheFrameIsUndoneWithItsFiles) {
  open();
  const auto before = files();
  ASSERT_EQ(before.count("BOGEN.001"), 0u);
  OnNextDialog<ArcDialog>([](ArcDialog* dialog) { test::Click(*dialog, "OK"); });
  input().hub()->button("Arc")->click();
  QApplication::processEvents();
  ASSERT_EQ(session.model.params.elementCount, 48);
  EXPECT_EQ(undoItem(), "&Undo Arc\tCtrl+Z");
  // The keys work in the hub, where the user just was.
  QApplication::setActiveWindow(input().hub());
  QTest::keyClick(input().hub(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(session.model.params.elementCount, 3);
  EXPECT_EQ(session.model.elements[2].xb, 6.0f);
  EXPECT_EQ(files(), before);
  frame->runCommand(kCmdEditRedo);
  EXPECT_EQ(session.model.params.elementCount, 48);
  EXPECT_TRUE(test::Exists(file("BOGEN")));
}

TEST_F(Undo, TheElementsTablesOkIsUndoneAndRedone) {
  open();
  const std::string elementsBefore = test::ReadFile(file("ELEMENTS"));
  ElementsDialog* table = elementsTable();
  table->grid()->setItemText(2, 3, "7.00");
  table->grid()->setItemText(3, 1, "7.00");
  table->onOk();
  QApplication::processEvents();
  ASSERT_EQ(session.model.elements[2].xb, 7.0f);
  EXPECT_EQ(undoItem(), "&Undo Elements table\tCtrl+Z");
  const std::string elementsAfter = test::ReadFile(file("ELEMENTS"));
  frame->runCommand(kCmdEditUndo);
  EXPECT_EQ(session.model.elements[2].xb, 6.0f);
  EXPECT_EQ(test::ReadFile(file("ELEMENTS")), elementsBefore);
  frame->runCommand(kCmdEditRedo);
  EXPECT_EQ(session.model.elements[3].xa, 7.0f);
  EXPECT_EQ(test::ReadFile(file("ELEMENTS")), elementsAfter);
  // In a cell being edited Ctrl+Z belongs to the cell's text.
  table = elementsTable();
  test::ShowActive(*table);
  QTRY_VERIFY(table->grid()->isEditing());
  test::Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(session.model.elements[3].xa, 7.0f);
  EXPECT_FALSE(steps().canRedo());
}

// "*" while changed, and only then New and Open ask to save; 100 steps; Open clears them.
TEST_F(Undo, TheTitleMarksAChangeUntilItIsUndoneAndOnlyThenNewAndOpenAskToSave) {
  open();
  EXPECT_EQ(frame->windowTitle(), "Position 001 ");
  editTitle("Hall 3");
  EXPECT_EQ(frame->windowTitle(), "Position 001* ");
  messages.answers = {Answer::Cancel, Answer::Cancel};
  frame->runCommand(kCmdOpen);  // cancelled before the browser opens
  frame->runCommand(kCmdNew);
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>({"Open: Save changes?", "Erase: Save changes?"}));
  for (int i = 2; i <= kUndoSteps; ++i) {
    session.model.params.setTitle(Format("Version %i", i));
    frame->history()->record(QString("Title %1").arg(i));
  }
  int undone = 0;
  for (; steps().canUndo(); ++undone) frame->runCommand(kCmdEditUndo);
  EXPECT_EQ(undone, kUndoSteps);
  EXPECT_EQ(session.model.params.titleText(), "Portal frame 6 m x 4 m");
  EXPECT_EQ(frame->windowTitle(), "Position 001 ");
  messages.messages.clear();
  messages.answers = {Answer::No};
  frame->runCommand(kCmdNew);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"New frame: New frame ? Erase screen?"});
  frame->runCommand(kCmdEditRedo);
  EXPECT_EQ(frame->windowTitle(), "Position 001* ");
  messages.answers = {Answer::No};
  test::ChooseFile(data / "SDIR002");
  frame->runCommand(kCmdOpen);
  ASSERT_EQ(session.paths.extension, ".002");
  EXPECT_FALSE(steps().canUndo() || steps().canRedo());
  EXPECT_EQ(frame->windowTitle(), "Position 002 ");
}

// Store on a mechanism marks the state clean; the step before it undoes the mechanism too.
TEST_F(Undo, UndoAfterStoreOnAMechanismPutsTheFrameBackWithoutTheMechanism) {
  open("003");
  const std::string elementsBefore = test::ReadFile(file("ELEMENTS"));
  frame->runCommand(kCmdHinge);
  clickAt(0.0f, 0.1f);  // the foot of the left column gets a hinge
  frame->runCommand(kCmdHinge);
  ASSERT_EQ(session.model.elements[1].hingeLeft, 1);
  EXPECT_EQ(undoItem(), "&Undo Hinge of element 1\tCtrl+Z");
  frame->runCommand(kCmdStore);
  ASSERT_EQ(quit->count(), 0);
  ASSERT_TRUE(session.check.mechanismShown());
  EXPECT_EQ(frame->windowTitle(), "Position 003 ");
  frame->runCommand(kCmdEditUndo);
  EXPECT_EQ(session.model.elements[1].hingeLeft, 0);
  EXPECT_FALSE(session.check.mechanismShown());
  EXPECT_EQ(test::ReadFile(file("GEOMETRY")), test::kGeometryZero);
  EXPECT_EQ(test::ReadFile(file("ELEMENTS")), elementsBefore);
  EXPECT_EQ(frame->windowTitle(), "Position 003* ");
  frame->runCommand(kCmdEditRedo);
  EXPECT_EQ(frame->windowTitle(), "Position 003 ");
}

// Store's mechanism (strong red and green) goes with an edit.
TEST_F(Undo, AnEditTakesTheMechanismOffTheScreen) {
  open("003");
  const auto coloured = [this](bool (*is)(QRgb)) {
    view()->repaint();
    return test::CountPixels(view()->framePicture().toImage(), is);
  };
  frame->runCommand(kCmdStore);
  ASSERT_TRUE(session.check.mechanismShown());
  EXPECT_GT(coloured(test::IsRed), 100);
  EXPECT_GT(coloured(test::IsGreen), 100);
  editTitle("Hinged portal, beam to be fixed");
  EXPECT_FALSE(session.check.outcome);
  EXPECT_EQ(coloured(test::IsRed), 0);
}

// A frame only drawn on a new position reaches the echo file at End.
TEST_F(Undo, EndRightAfterDrawingWritesTheDrawnElementsToTheEchoFile) {
  std::filesystem::create_directories(data / "SDIR005");
  open("005");
  draw({{2, 2}, {6, 2}, {6, 6}});
  QTest::keyClick(view(), Qt::Key_X);
  QTRY_COMPARE(quit->count(), 1);
  const std::string echo = test::ReadFile(session.paths.echoFile());
  EXPECT_NE(echo.find("1 2.00 2.00 6.00 2.00"), std::string::npos) << echo;
  EXPECT_NE(echo.find("2 6.00 2.00 6.00 6.00"), std::string::npos) << echo;
}

}  // namespace
}  // namespace rerore
