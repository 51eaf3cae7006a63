#include "app/toolbar_layout.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QSettings>
#include <QStringList>

namespace rerore {

namespace {

constexpr const char* kToolbarsKey = "Toolbars";
constexpr const char* kImagesGroup = "ToolbarImages";
constexpr const char* kWindowStateKey = "MainWindow/State";
constexpr const char* kUserToolbarPrefix = "UserToolbar";

QString CommandsText(const QList<int>& commands) {
  QStringList numbers;
  for (int id : commands) numbers << QString::number(id);
  return numbers.join(' ');
}

QList<int> CommandsFromText(const QString& text) {
  QList<int> commands;
  for (const QString& number : text.split(' ', Qt::SkipEmptyParts)) {
    bool ok = false;
    const int id = number.toInt(&ok);
    if (ok) commands << id;
  }
  return commands;
}

QMap<int, QByteArray> ReadImages(QSettings& settings) {
  QMap<int, QByteArray> images;
  settings.beginGroup(kImagesGroup);
  for (const QString& key : settings.childKeys()) {
    const QByteArray png = settings.value(key).toByteArray();
    if (!png.isEmpty()) images.insert(key.toInt(), png);
  }
  settings.endGroup();
  return images;
}

}  // namespace

bool HoldsToolbar(const ToolbarLayout& layout, const QString& objectName) {
  for (const ToolbarSetup& toolbar : layout.toolbars)
    if (toolbar.objectName == objectName) return true;
  return false;
}

bool IsStandardToolbar(const ToolbarSetup& toolbar) {
  return toolbar.objectName == kStandardToolbarName;
}

ToolbarLayout ReadToolbarLayout(const QList<int>& standardButtons) {
  QSettings settings;
  ToolbarLayout layout;
  int users = 0;
  const int count = settings.beginReadArray(kToolbarsKey);
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    ToolbarSetup toolbar{settings.value("objectName").toString(),
                         settings.value("title").toString(),
                         CommandsFromText(settings.value("commands").toString())};
    if (toolbar.objectName.isEmpty() || HoldsToolbar(layout, toolbar.objectName)) continue;
    // The standard toolbar always comes first, whatever the file says.
    if (IsStandardToolbar(toolbar))
      layout.toolbars.prepend(toolbar);
    else if (users++ < kMaxUserToolbars)
      layout.toolbars << toolbar;
  }
  settings.endArray();
  if (layout.toolbars.isEmpty() || !IsStandardToolbar(layout.toolbars.first()))
    layout.toolbars.prepend({kStandardToolbarName, kStandardToolbarName, standardButtons});
  layout.toolbars.first().title = kStandardToolbarName;
  layout.images = ReadImages(settings);
  return layout;
}

void WriteToolbarLayout(const ToolbarLayout& layout) {
  QSettings settings;
  settings.remove(kToolbarsKey);
  settings.beginWriteArray(kToolbarsKey, static_cast<int>(layout.toolbars.size()));
  for (int i = 0; i < layout.toolbars.size(); ++i) {
    const ToolbarSetup& toolbar = layout.toolbars[i];
    settings.setArrayIndex(i);
    settings.setValue("objectName", toolbar.objectName);
    settings.setValue("title", toolbar.title);
    settings.setValue("commands", CommandsText(toolbar.commands));
  }
  settings.endArray();
  settings.remove(kImagesGroup);
  settings.beginGroup(kImagesGroup);
  for (auto image = layout.images.cbegin(); image != layout.images.cend(); ++image)
    settings.setValue(QString::number(image.key()), image.value());
  settings.endGroup();
}

QByteArray ReadWindowState() { return QSettings().value(kWindowStateKey).toByteArray(); }

void WriteWindowState(const QByteArray& state) { QSettings().setValue(kWindowStateKey, state); }

QString FreeToolbarObjectName(const ToolbarLayout& layout) {
  for (int number = 1;; ++number) {
    const QString name = kUserToolbarPrefix + QString::number(number);
    if (!HoldsToolbar(layout, name)) return name;
  }
}

QByteArray LoadButtonImage(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return {};
  if (image.width() > kUserImageSide || image.height() > kUserImageSide)
    image =
        image.scaled(kUserImageSide, kUserImageSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

}  // namespace rerore
