#include "gui/dialog_parts.h"

#include <QDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/message_boxes.h"
#include "model/file_io.h"
#include "model/parse_number.h"

namespace rerore {

namespace {

constexpr int kButtonFontPoints = 8;
constexpr size_t kLargestTextFile = 16 * 1024 * 1024;

}  // namespace

QHBoxLayout* OkStopRow(QDialog* dialog) {
  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton(QObject::tr("&OK"), dialog);
  auto* stop = new QPushButton(QObject::tr("&Stop"), dialog);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(stop, &QPushButton::clicked, dialog, &QDialog::reject);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(stop);
  return row;
}

std::optional<float> FieldNumber(const QLineEdit* field, UserMessages& messages) {
  const std::string text = ToAnsi(field->text());
  const std::optional<float> value = parseFiniteNumber(text);
  if (!value) messages.message(TooLargeNumberMessage(text), "Error");
  return value;
}

QLineEdit* OneFieldDialog(QDialog* dialog, const QString& label, const QString& text) {
  auto* layout = new QVBoxLayout(dialog);
  auto* row = new QHBoxLayout;
  auto* field = new QLineEdit(text, dialog);
  auto* caption = new QLabel(label, dialog);
  caption->setBuddy(field);
  row->addWidget(caption);
  row->addWidget(field);
  layout->addLayout(row);
  layout->addLayout(OkStopRow(dialog));
  field->setFocus();
  field->selectAll();
  return field;
}

void UseButtonFont(QDialog* dialog) {
  const QFont font("MS Sans Serif", kButtonFontPoints);
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) button->setFont(font);
}

QFont ReportFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

QPlainTextEdit* TextFileEditor(QDialog* dialog, const std::string& path) {
  auto* text = new QPlainTextEdit(dialog);
  text->setFont(ReportFont());
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  const std::optional<std::string> bytes = ReadTextFile(path);
  text->setPlainText(bytes ? TextFileForEditing(*bytes) : QString());
  return text;
}

QString TextFileForEditing(const std::string& bytes) {
  std::string plain;
  plain.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i)
    if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) plain += bytes[i];
  return FromAnsi(plain);
}

std::string EditedTextForFile(const QString& text) {
  TextOut out;
  out.put(ToAnsi(text));
  return out.bytes();
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  return ReadFilePrefix(path, kLargestTextFile);
}

}  // namespace rerore
