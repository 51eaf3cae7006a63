// The messages that the input hub, the table dialogs and the view post to
// one another, with the numbers by which they are known.
#pragma once

#include <QEvent>

class QObject;

namespace rerore {

inline constexpr int kMsgRepaint = 0x406;
inline constexpr int kMsgOpenEchoStructure = 0x449;
inline constexpr int kMsgHubClosed = 0x45B;
inline constexpr int kMsgOpenElements = 0x45D;
inline constexpr int kMsgInputFinished = 0x46B;
inline constexpr int kMsgOpenTitle = 0x46D;
inline constexpr int kMsgElementsEnded = 0x474;
inline constexpr int kMsgOpenElementsAfterParabola = 0x487;
inline constexpr int kMsgPointMarked = 0x7E7;

// wParam of kMsgElementsEnded.
inline constexpr int kEndedWithOk = 1;
inline constexpr int kEndedWithStop = 2;

class DialogMessage : public QEvent {
 public:
  DialogMessage(int message, int wParam) : QEvent(Type()), message_(message), wParam_(wParam) {}
  static QEvent::Type Type();
  int message() const { return message_; }
  int wParam() const { return wParam_; }

 private:
  int message_;
  int wParam_;
};

// Posts the message to the target's event queue; nothing without a target.
void PostDialogMessage(QObject* target, int message, int wParam);

}  // namespace rerore
