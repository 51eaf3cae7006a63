// The input dialogs beside the view, wired to it: Dialog Input opens the
// input hub, the hub opens the elements table and the title dialog, a
// click on an element opens the element editor, and the ends of the hub
// and of the elements table are seen to here. The main window owns one.
//
// The hub's and the table's signals arrive queued: the dialog that emits
// one has returned before anything is opened, closed or destroyed.
#pragma once

#include <QDockWidget>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

namespace rerore {

class FrameView;
class InputHub;
class ElementsDialog;

class InputDialogs : public QObject {
  Q_OBJECT
 public:
  InputDialogs(FrameView& view, QObject* parent);
  InputHub* hub() const;
  ElementsDialog* elementsTable() const;
  // An open elements table shows the model's rows anew, an open hub its
  // number.
  void refreshOpenDialogs();
  // The hub opens in this dock beside the drawing, instead of as a window
  // of its own; closing the dock closes the hub.
  void setHubDock(QDockWidget* dock);

 signals:
  // A dialog changed the model (the tables, the generators, the element
  // editor); `name` says how, for the undo history. Sent at once, before
  // the queued ends of the dialogs.
  void modelEdited(const QString& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void openHub();
  void hubClosed();
  void openElementsTable();
  // After the table's OK or Stop, and after the arc replaced the elements.
  void elementsTableEnded(bool accepted);
  void editElement(int element);

  FrameView& view_;
  QPointer<InputHub> hub_;
  QPointer<ElementsDialog> elementsTable_;
  QPointer<QDockWidget> hubDock_;
  // Where the hub stood when it was closed last.
  std::optional<QPoint> hubPosition_;
  // A floating dock keeps its own place once it had one.
  bool hubDockPlaced_ = false;
};

// Where the hub opens when nothing else says where: below the window's
// caption, menu and an icon's height, inside its left frame (the places
// the system's metrics give).
QPoint HubStartPoint(const QWidget& window);

}  // namespace rerore
