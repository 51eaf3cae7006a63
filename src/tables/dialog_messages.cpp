#include "tables/dialog_messages.h"

#include <QCoreApplication>

namespace rerore {

QEvent::Type DialogMessage::Type() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

void PostDialogMessage(QObject* target, int message, int wParam) {
  if (target != nullptr) QCoreApplication::postEvent(target, new DialogMessage(message, wParam));
}

}  // namespace rerore
