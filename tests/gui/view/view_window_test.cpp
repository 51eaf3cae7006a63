// The window around the drawing: the View menu's modes and switches, the
// print preview, the recent positions, the status bar while drawing, the
// docked input hub, the pole labels and the titles of the dialogs.
#include "view_window.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <functional>

#include "app/about_dialog.h"
#include "app/toolbar_customize_dialog.h"
#include "gui/message_boxes.h"
#include "gui/store_as_dialog.h"
#include "gui/text_size_dialog.h"
#include "gui/title_dialog.h"
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
#include "view/core/label_placement.h"
#include "view/grid_dialog.h"

namespace rerore {
namespace {

using test::ViewWindow;

QRect ToQt(const DeviceRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Each mode and switch of the view has its menu item and its button, which
// show its state.
TEST_F(ViewWindow, EveryModeAndSwitchIsInTheViewMenuAndOnTheToolbar) {
  open("001");
  const DisplayOptions& d = session.view.display;
  const InputState& input = view()->input().state();
  const std::pair<int, std::function<bool()>> toggles[] = {
      {kCmdHinge, [&] { return input.hingeMode; }}, {kCmdZoom, [&] { return input.zoomMode; }},
      {kCmdAuxLines, [&] { return d.auxLines; }},   {kCmdEndMarks, [&] { return d.endMarks; }},
      {kCmdTidyText, [&] { return d.tidyText; }},   {kCmdLiveCheck, [&] { return d.liveCheck; }},
  };
  QMenu* viewMenu = frame->menuBar()->actions()[2]->menu();
  for (const auto& [id, state] : toggles) {
    int inMenu = 0;
    int onToolbar = 0;
    for (QAction* a : viewMenu->actions()) inMenu += a->data() == id;
    for (QAction* a : frame->standardToolBar()->actions()) onToolbar += a->data() == id;
    EXPECT_EQ(inMenu, 1) << id;
    EXPECT_EQ(onToolbar, 1) << id;
    const bool before = state();
    frame->action(id)->trigger();
    EXPECT_NE(state(), before) << id;
    for (QAction* a : frame->standardToolBar()->actions())
      if (a->data() == id) {
        EXPECT_EQ(a->isChecked(), state()) << id;
      }
    frame->action(id)->trigger();
    EXPECT_EQ(state(), before) << id;
  }
}

// "Aux. lines" draws light dashed lines through the nodes across the view.
TEST_F(ViewWindow, AuxLinesAreDrawnThroughTheNodes) {
  open("001");
  const auto greyOnBeamLevel = [this] {
    view()->repaint();
    const QImage picture = view()->framePicture().toImage();
    const int y = device(0, 4).y;
    int grey = 0;
    for (int x = device(6, 4).x + 20; x < picture.width(); ++x)
      grey += test::IsGrey(picture.pixel(x, y));
    return grey;
  };
  for (int out = 0; out < 3; ++out) QTest::keyClick(view(), Qt::Key_Minus);  // room beside it
  EXPECT_EQ(greyOnBeamLevel(), 0);
  frame->action(kCmdAuxLines)->trigger();
  EXPECT_GT(greyOnBeamLevel(), 50);
}

TEST_F(ViewWindow, PrintPreviewShowsThePage) {
  open("001");
  bool shown = false;
  test::OnNextDialog<QPrintPreviewDialog>([&shown](QPrintPreviewDialog* preview) {
    shown = true;
    EXPECT_EQ(preview->windowTitle(), "Print preview");
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->updatePreview();
    EXPECT_EQ(pages->pageCount(), 1);
    preview->reject();
  });
  frame->runCommand(kCmdPrintPreview);
  EXPECT_TRUE(shown);
}

TEST_F(ViewWindow, TheRecentPositionsSurviveARestart) {
  open("001");
  ASSERT_TRUE(view()->openPositionFolder(data / "SDIR002"));
  EXPECT_EQ(session.paths.positionName, "002");
  frame.reset();  // the program ends

  Session next;
  open("003", next);
  std::vector<std::string> items;
  for (int i = 0; i < kRecentPositions; ++i)
    if (frame->action(kCmdRecentPosition + i)->isVisible())
      items.push_back(frame->action(kCmdRecentPosition + i)->text().toStdString());
  const std::string path = data.path();
  EXPECT_EQ(items,
            (std::vector<std::string>{"&1 003   " + path, "&2 002   " + path, "&3 001   " + path}));
  frame->action(kCmdRecentPosition + 2)->trigger();
  EXPECT_EQ(next.paths.positionName, "001");
  EXPECT_EQ(frame->action(kCmdRecentPosition)->text().toStdString(), "&1 001   " + path);
}

TEST_F(ViewWindow, TheStatusBarShowsThePointerAndTheSnappedPointInMetres) {
  open("001");
  session.view.grid.on = true;  // mesh 2 m, snap radius 0.15 m
  frame->runCommand(kCmdGraphicalInput);
  const DevicePoint p = device(3.95f, 2.1f);
  QTest::mouseMove(view(), QPoint(p.x, p.y));
  QApplication::processEvents();
  EXPECT_TRUE(frame->pane(kCoordinatesPane)->text().startsWith("x = 3.9"))
      << frame->pane(kCoordinatesPane)->text().toStdString();
  EXPECT_EQ(frame->pane(kSnapPane)->text(), "Snap: x = 4.00 m  y = 2.00 m");
  frame->runCommand(kCmdGraphicalInput);
  QTest::mouseMove(view(), QPoint(p.x + 5, p.y));
  QApplication::processEvents();
  EXPECT_EQ(frame->pane(kSnapPane)->text(), "");
}

// The hub stands beside the drawing, not on it, and the frame is fitted
// into what is left; its close box closes the hub.
TEST_F(ViewWindow, TheInputHubIsDockedBesideTheDrawing) {
  open("001");
  InputHub* hub = frame->inputDialogs()->hub();
  QDockWidget* dock = frame->hubDock();
  ASSERT_TRUE(dock->isVisible());
  EXPECT_TRUE(dock->isAncestorOf(hub));
  const QRect hubArea(hub->mapToGlobal(QPoint()), hub->size());
  const QRect viewArea(view()->mapToGlobal(QPoint()), view()->size());
  EXPECT_FALSE(hubArea.intersects(viewArea));
  for (const auto& [x, y] : {std::pair{0.0f, 0.0f}, {6.0f, 4.0f}})
    EXPECT_TRUE(view()->rect().contains(QPoint(device(x, y).x, device(x, y).y)));
  frame->runCommand(kCmdGraphicalInput);
  ASSERT_NE(view()->inputHint(), nullptr);
  EXPECT_TRUE(view()->inputHint()->isVisible());
  dock->close();
  QTRY_COMPARE(frame->inputDialogs()->hub(), nullptr);
  EXPECT_FALSE(dock->isVisible());
  frame->runCommand(kCmdDialogInput);  // opens it again, in its dock
  ASSERT_NE(frame->inputDialogs()->hub(), nullptr);
  EXPECT_TRUE(dock->isVisible());
  EXPECT_TRUE(dock->isAncestorOf(frame->inputDialogs()->hub()));
}

// On the hinged portal the pole of the beam lies at infinity, its dot where
// the foot's pole is: no label may lie under a dot or on another label.
TEST_F(ViewWindow, PoleLabelsCoverNoDotAndNoLabel) {
  open("003");
  frame->runCommand(kCmdStore);  // a mechanism: the window stays
  ASSERT_TRUE(session.check.mechanismShown());
  view()->repaint();
  const std::vector<DeviceRect>& labels = view()->poleLabelBoxes();
  ASSERT_EQ(labels.size(), 2u);
  const int radius = static_cast<int>(std::lround(
      3 * view()->mapping().markRadius() * std::fabs(view()->mapping().transform().scaleX())));
  std::vector<DeviceRect> dots;
  for (int k = 1; k <= session.model.params.elementCount; ++k)
    dots.push_back(
        DotRect(device(session.check.poleTable[k].x, session.check.poleTable[k].y), radius));
  ASSERT_EQ(session.check.poleTable[2].atInfinity, 1);
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_TRUE(view()->rect().contains(ToQt(labels[i]))) << i;
    for (size_t j = i + 1; j < labels.size(); ++j)
      EXPECT_FALSE(Overlaps(labels[i], labels[j])) << i << " and " << j;
    for (const DeviceRect& dot : dots) EXPECT_FALSE(Overlaps(labels[i], dot)) << i;
  }
  // The labels are boxes with a white ground beside their dots.
  const QImage picture = view()->framePicture().toImage();
  const QRect box = ToQt(labels[0]);
  EXPECT_TRUE(test::IsWhite(picture.pixel(box.left() + 1, box.top() + 1)));
}

TEST_F(ViewWindow, EveryDialogAndBoxCarriesAProperTitle) {
  open("001");
  ElementRecord element{};
  const std::function<std::unique_ptr<QDialog>()> dialogs[] = {
      [&] { return std::make_unique<ElementEditor>(element, 1); },
      [&] { return std::make_unique<DeleteElementQuestion>(3); },
      [&] { return std::make_unique<ArcDialog>(ArcFieldTexts{}); },
      [&] { return std::make_unique<ParabolaDialog>(ParabolaFieldTexts{}); },
      [&] { return std::make_unique<GridDialog>(2.0f, 0.15f, messages); },
      [&] { return std::make_unique<StoreAsDialog>("001"); },
      [&] { return std::make_unique<TextSizeDialog>(1.0f, messages); },
      [&] { return std::make_unique<TitleDialog>("Portal"); },
      [&] {
        return std::make_unique<ToolbarCustomizeDialog>(ToolbarLayout{}, QList<CommandEntry>{},
                                                        messages);
      },
      [&] { return std::make_unique<AboutDialog>(); },
      [&] { return std::make_unique<MaterialsDialog>(session, messages); },
      [&] { return std::make_unique<CrossSectionsDialog>(session, messages); },
      [&] { return std::make_unique<NodesDialog>(session, messages); },
      [&] { return std::make_unique<ElementsDialog>(session, messages); },
      [&] { return std::make_unique<ContinuousBeamDialog>(session, messages); },
      [&] { return std::make_unique<FrameGeneratorDialog>(session, messages); },
  };
  for (const auto& make : dialogs) {
    const std::unique_ptr<QDialog> dialog = make();
    const QString title = dialog->windowTitle();
    EXPECT_FALSE(title.trimmed().isEmpty()) << dialog->metaObject()->className();
    EXPECT_FALSE(title.contains("AppID")) << dialog->metaObject()->className();
  }
  const DeleteElementQuestion question(3);
  EXPECT_EQ(question.windowTitle(), "RERORE");
  ASSERT_NE(question.findChild<QLabel*>(), nullptr);
  EXPECT_EQ(question.findChild<QLabel*>()->text(), "Delete element 3?");
  // A message that brings no title gets the program's name.
  QString boxTitle;
  test::OnNextDialog<QMessageBox>([&boxTitle](QMessageBox* box) {
    boxTitle = box->windowTitle();
    box->accept();
  });
  MessageBoxes(frame.get()).message("Nothing to say", "", MessageIcon::None);
  EXPECT_EQ(boxTitle, "RERORE");
}

}  // namespace
}  // namespace rerore
