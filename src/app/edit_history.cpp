#include "app/edit_history.h"

#include <QUndoCommand>

namespace rerore {

// One step: the states before and after an action. The action has already
// happened when the step is pushed, so the push does nothing.
class ModelStep : public QUndoCommand {
 public:
  ModelStep(EditHistory& history, const QString& name, EditHistory::State before,
            EditHistory::State after)
      : QUndoCommand(name),
        history_(history),
        before_(std::move(before)),
        after_(std::move(after)) {}

  void undo() override { history_.restore(before_); }
  void redo() override {
    if (pushed_) history_.restore(after_);
    pushed_ = true;
  }

 private:
  EditHistory& history_;
  EditHistory::State before_;
  EditHistory::State after_;
  bool pushed_ = false;
};

EditHistory::EditHistory(Session& session, QObject* parent)
    : QObject(parent),
      session_(session),
      current_(std::make_shared<ModelSnapshot>(TakeSnapshot(session))) {
  stack_.setUndoLimit(kUndoSteps);
  connect(&stack_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit modifiedChanged(!clean); });
}

void EditHistory::record(const QString& name) {
  auto after = std::make_shared<const ModelSnapshot>(TakeSnapshot(session_));
  if (SameFrame(*current_, *after)) return;
  // The verdict and the mechanism on the screen were about the old frame.
  session_.check.outcome.reset();
  State before = std::exchange(current_, after);
  stack_.push(new ModelStep(*this, name, std::move(before), std::move(after)));
  emit modelChanged();
}

void EditHistory::adopt() {
  auto now = std::make_shared<const ModelSnapshot>(TakeSnapshot(session_));
  // An unchanged frame stays shared with the step that ended in it.
  if (!SameFrame(*current_, *now)) current_ = std::move(now);
}

void EditHistory::markStored() {
  adopt();
  stack_.setClean();
}

void EditHistory::restart(bool loaded) {
  const bool wasModified = modified();
  stack_.clear();
  adopt();
  if (wasModified && !loaded) stack_.resetClean();
  emit modelChanged();
}

void EditHistory::restore(const State& state) {
  RestoreSnapshot(session_, *state);
  current_ = state;
  emit modelChanged();
}

}  // namespace rerore
