// Helpers of the widget tests: acting on a modal dialog once it is open.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace rerore::test {

template <typename Dialog>
struct DialogWaiter {
  std::function<void(Dialog*)> act;
  int tries = 0;
};

template <typename Dialog>
void PollForDialog(std::shared_ptr<DialogWaiter<Dialog>> waiter) {
  constexpr int kTries = 200;
  constexpr int kPauseMs = 10;
  if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
    waiter->act(dialog);
    return;
  }
  if (++waiter->tries > kTries) {
    ADD_FAILURE() << "no dialog opened";
    return;
  }
  QTimer::singleShot(kPauseMs, [waiter] { PollForDialog(waiter); });
}

// Runs `act` on the next modal dialog of type Dialog as soon as it is
// shown (the test's call that opens it blocks meanwhile). Fails the test
// when no such dialog opens within about two seconds.
template <typename Dialog>
void OnNextDialog(std::function<void(Dialog*)> act) {
  auto waiter = std::make_shared<DialogWaiter<Dialog>>();
  waiter->act = std::move(act);
  QTimer::singleShot(0, [waiter] { PollForDialog(waiter); });
}

}  // namespace rerore::test
