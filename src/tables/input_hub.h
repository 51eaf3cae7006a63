// The input hub ("Input"): a small modeless window of buttons beside the
// drawing from which every tabular input and generator is reached. The
// modal tables and generators it runs itself; for the title, the elements
// table and the drawing it asks by its signals whoever wired it.
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>
#include <vector>

#include "model/session.h"
#include "model/user_messages.h"

class QLabel;
class QPushButton;

namespace rerore {

class InputHub : public QDialog {
  Q_OBJECT
 public:
  // Without a position the hub sits at (0, 70) in its parent's coordinates.
  InputHub(Session& session, UserMessages& messages, std::optional<QPoint> position,
           QWidget* parent = nullptr);

  QPushButton* button(const QString& label) const;
  // The hub's number: the E-modulus a new material starts with ("%.2f").
  QLabel* numberField() const { return number_; }
  bool materialsEntered() const { return materialsEntered_; }
  bool sectionsEntered() const { return sectionsEntered_; }
  bool titleAskedFor() const { return titleAskedFor_; }

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

 public slots:
  // Shows the marks of the inputs that were entered and the number; also
  // after an input finished elsewhere (the title, the elements table) and
  // after every change of the model.
  void refreshButtons();

 signals:
  void titleRequested();
  void elementsTableRequested();
  // The model changed: the frame must be drawn anew.
  void redrawRequested();
  // A table or generator ended with OK and may have changed the model;
  // `name` says what it was, for the undo history.
  void modelEdited(const QString& name);
  // A row label of a table opened from the hub marked a point.
  void pointMarked();
  // The arc's elements replaced the model's, as an OK of the elements
  // table does.
  void arcGenerated();
  // Escape or the close box: the hub is hidden and waits to be destroyed.
  void closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  Session& session_;
  UserMessages& messages_;
  std::vector<QPushButton*> buttons_;
  QLabel* number_;
  bool materialsEntered_ = false;
  bool sectionsEntered_ = false;
  bool titleAskedFor_ = false;
  bool closed_ = false;
};

}  // namespace rerore
