// The view's side of the tabular input: Dialog Input opens the input hub,
// and the hub's and the elements table's messages open, close and destroy
// them. One lives with each view.
#pragma once

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
  explicit InputDialogs(FrameView& view);
  InputHub* hub() const;
  ElementsDialog* elementsTable() const;

  void dialogInput();
  void hubClosed(int wParam);
  void openElementsTable(int wParam);
  void elementsTableEnded(int wParam);
  void pointMarked(int wParam);

 private:
  FrameView& view_;
  QPointer<InputHub> hub_;
  QPointer<ElementsDialog> elementsTable_;
  // Where the hub stood when it was closed last.
  std::optional<QPoint> hubPosition_;
};

// Registers Dialog Input and the dialog messages with the view.
void ConnectInputDialogs(FrameView& view);

}  // namespace rerore
