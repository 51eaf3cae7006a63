// Helpers of the widget tests: acting on a modal dialog once it is open,
// colours of drawn pixels, and a view on a fresh position.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "commands/startup.h"
#include "support/test_support.h"
#include "view/frame_view.h"

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

inline bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
inline bool IsGreen(QRgb c) { return qGreen(c) > 90 && qRed(c) < 80 && qBlue(c) < 80; }
inline bool IsDark(QRgb c) { return qGray(c) < 100; }
inline bool IsGrey(QRgb c) { return qRed(c) > 150 && qRed(c) < 230 && qRed(c) == qBlue(c); }
inline bool IsWhite(QRgb c) { return qGray(c) > 245; }

// The colour test holds for a pixel within `reach` of p.
inline bool Near(const QImage& image, DevicePoint p, bool (*test)(QRgb), int reach = 1) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      if (image.valid(p.x + dx, p.y + dy) && test(image.pixel(p.x + dx, p.y + dy))) return true;
  return false;
}

// A view of 1000 x 600 pixels on position 001 of a fresh data directory,
// started as the program starts; ShowView() shows it and paints it once.
struct ViewTest : ::testing::Test {
  SettingsHome home;
  TempDir data;
  Session session;
  RecordingMessages messages;
  std::unique_ptr<FrameView> view;

  void SetUp() override {
    std::filesystem::create_directories(data / "SDIR001");
    ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
    view = std::make_unique<FrameView>(session);
    view->setMessages(messages);
    view->resize(1000, 600);
  }
  void ShowView() {
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->repaint();
    QApplication::processEvents();  // Dialog Input runs after the first paint
  }
};

}  // namespace rerore::test
