// The input hub ("Input"): a small modeless window of buttons beside the
// drawing from which every tabular input and generator is reached. It
// talks to the view by posted messages, as the elements table and the
// title dialog belong to the view.
#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>
#include <optional>

#include "model/session.h"
#include "model/user_messages.h"

class QPushButton;

namespace rerore {

class InputHub : public QDialog {
  Q_OBJECT
 public:
  using MessageSink = std::function<void(int message, int wParam)>;

  // `toView` posts to the view. Without a position the hub sits at (0, 70)
  // in its parent's coordinates.
  InputHub(Session& session, UserMessages& messages, MessageSink toView,
           std::optional<QPoint> position, QWidget* parent = nullptr);

  QPushButton* button(const QString& label) const;
  bool materialsEntered() const { return materialsEntered_; }
  bool sectionsEntered() const { return sectionsEntered_; }
  bool titleRequested() const { return titleRequested_; }

  // A message from the view: 0x46B refreshes the buttons.
  void handleMessage(int message, int wParam);

  // The buttons' actions.
  void title();
  void materials();
  void crossSections();
  void continuousBeam();
  void frame();
  void elements();
  void arc();
  void parabola();
  void supports();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void refreshButtons();
  // Posts to the view, when there is one.
  void post(int message, int wParam) const;
  void redrawView();

  Session& session_;
  UserMessages& messages_;
  MessageSink toView_;
  std::vector<QPushButton*> buttons_;
  bool materialsEntered_ = false;
  bool sectionsEntered_ = false;
  bool titleRequested_ = false;
  bool closed_ = false;
};

}  // namespace rerore
