#include "app/application_look.h"

#include <QApplication>
#include <QSettings>
#include <QStyleFactory>

namespace rerore {

namespace {

constexpr const char* kLookKey = "ApplicationLook";

}  // namespace

QString LookStyleName(int look) {
  const QStringList styles = QStyleFactory::keys();
  if (styles.isEmpty()) return QString();
  const int index = (look - kFirstLookCommand) % static_cast<int>(styles.size());
  return styles.at(index < 0 ? 0 : index);
}

int StoredApplicationLook() { return QSettings().value(kLookKey, kFirstLookCommand).toInt(); }

void ApplyApplicationLook(int look) {
  const QString name = LookStyleName(look);
  if (!name.isEmpty()) QApplication::setStyle(name);
}

void ChooseApplicationLook(int command) {
  if (command < kFirstLookCommand || command > kLastLookCommand) return;
  ApplyApplicationLook(command);
  QSettings().setValue(kLookKey, command);
}

}  // namespace rerore
