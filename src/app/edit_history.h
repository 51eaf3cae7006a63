// The undo history of the user's edits: one step per action (a table's
// OK, a drawn element, a delete, a generator, ...), each holding the whole
// state before and after it (ModelSnapshot: the model with the bytes of the
// position files). Undo and redo put a state back, files included.
//
// Whoever changes the model announces it with record() once the action is
// done; the history keeps the state it last knew, so the step runs from
// that state to the new one. modelChanged() follows every recorded step,
// every undo and every redo: it is the one signal to hear of any change of
// the frame.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <memory>

#include "commands/model_snapshot.h"
#include "model/session.h"

namespace rerore {

// At least this many steps can be undone.
inline constexpr int kUndoSteps = 100;

class EditHistory : public QObject {
  Q_OBJECT
 public:
  explicit EditHistory(Session& session, QObject* parent = nullptr);
  // The stack's last signals (it empties itself) would reach a window that
  // is being destroyed.
  ~EditHistory() override { stack_.blockSignals(true); }
  QUndoStack& stack() { return stack_; }
  // The frame differs from the stored state (the one loaded or stored last).
  bool modified() const { return !stack_.isClean(); }

 public slots:
  // An action has changed the model: a step named `name` ("Delete element
  // 3"), unless nothing changed after all.
  void record(const QString& name);
  // Takes the state as it is now, without a step: after a command that
  // changes the model but is no edit of it (Store, Store as, the defaults
  // of Dialog Input).
  void adopt();
  // Store wrote the position: this is the stored state.
  void markStored();
  // Another position is in work (New, Open): nothing to undo. The frame
  // keeps its change mark unless it was loaded anew.
  void restart(bool loaded);

 signals:
  void modelChanged();
  void modifiedChanged(bool modified);

 private:
  friend class ModelStep;
  using State = std::shared_ptr<const ModelSnapshot>;
  // Undo and redo: the state back on the screen and in the files.
  void restore(const State& state);

  Session& session_;
  QUndoStack stack_;
  State current_;
};

}  // namespace rerore
