// List files of a table: one line per row, the cells separated by ",",
// each line ended by a line feed; the header row comes first once more.
#include <QFile>
#include <QStringList>

#include "gui/message_boxes.h"
#include "model/file_io.h"
#include "tables/table_editor.h"

namespace rerore {

namespace {

constexpr int kListLineLimit = 1024;

}  // namespace

void TableEditor::reportError(const QString& text) {
  MessageBoxes boxes(this);
  UserMessages& messages = messages_ != nullptr ? *messages_ : boxes;
  messages.message(ToAnsi(text), "Error", MessageIcon::Stop);
}

bool TableEditor::saveList(const QString& path) {
  QString text;
  auto addRow = [&](int row) {
    QStringList fields;
    for (int column = 0; column < columns_; ++column) fields << cell(row, column).text;
    text += fields.join(',') + '\n';
  };
  if (rows_ > 0) addRow(0);
  for (int row = 0; row < rows_; ++row) addRow(row);
  // Opening for appending tells whether the file can be made at all
  // without touching what it holds.
  QFile probe(path);
  if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
    reportError(probe.errorString());
    return false;
  }
  probe.close();
  if (!WriteFileAtomically(ToFileName(path), ToAnsi(text))) {
    reportError("Unable to save grid list");
    return false;
  }
  return true;
}

bool TableEditor::loadList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    reportError(file.errorString());
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    reportError("Unable to load grid data");
    return false;
  }
  QStringList lines = FromAnsi(bytes.toStdString()).split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  for (int i = 1; i < lines.size() && i - 1 < rows_; ++i) {
    QString line = lines[i].left(kListLineLimit);
    if (line.endsWith('\r')) line.chop(1);
    const QStringList fields = line.split(',');
    for (int column = 0; column < fields.size() && column < columns_; ++column)
      setItemText(i - 1, column, fields[column]);
  }
  emit changed();
  viewport()->update();
  return true;
}

}  // namespace rerore
