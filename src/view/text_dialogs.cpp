#include "view/text_dialogs.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "model/file_io.h"
#include "model/parse_number.h"
#include "shell/QtMessages.h"

namespace rerore {

namespace {

constexpr int kTitleChars = 60;
constexpr int kButtonFontPoints = 8;
constexpr size_t kLargestTextFile = 16 * 1024 * 1024;
const QSize kReportSize(900, 600);
const QSize kEchoSize(900, 700);
const QSize kStructureSize(800, 600);

// "&OK" and "&Stop" in a row, OK the default button.
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

// A labelled field over "&OK" and "&Stop"; the field has the focus with
// its text selected, so that typing replaces it.
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

// The text file at `path` (empty when it cannot be read) in a plain editor
// with the report font and without line wrapping.
QPlainTextEdit* TextFileEditor(QDialog* dialog, const std::string& path) {
  auto* text = new QPlainTextEdit(dialog);
  text->setFont(ReportFont());
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  const std::optional<std::string> bytes = ReadFilePrefix(path, kLargestTextFile);
  text->setPlainText(bytes ? TextFileForEditing(*bytes) : QString());
  return text;
}

}  // namespace

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

CDiaSaveAs::CDiaSaveAs(const std::string& name, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Store"));
  field_ = OneFieldDialog(this, tr("Position"), FromAnsi(name));
}

std::string CDiaSaveAs::name() const { return ToAnsi(field_->text()); }

CDiaFont::CDiaFont(float textScale, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Font"));
  size_ = OneFieldDialog(this, tr("Size"),
                         QString::fromLatin1(Format("%.2f", double(textScale)).c_str()));
}

// A comma counts as a point; the number ends where the text stops being
// one (at a second point or comma too).
float CDiaFont::textScale() const { return parseNumber(ToAnsi(size_->text())); }

CDiaTitel::CDiaTitel(const std::string& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Title of project"));
  auto* layout = new QVBoxLayout(this);
  field_ = new QLineEdit(this);
  field_->setMaxLength(kTitleChars);
  field_->setText(FromAnsi(title));
  field_->setMinimumWidth(field_->fontMetrics().averageCharWidth() * kTitleChars);
  layout->addWidget(field_);
  layout->addLayout(OkStopRow(this));
  field_->setFocus();
}

std::string CDiaTitel::title() const { return ToAnsi(field_->text()); }

CDiaText::CDiaText(const PositionPaths& paths, UserMessages& messages, QWidget* parent)
    : QDialog(parent), paths_(paths), messages_(messages) {
  setWindowTitle(tr("Text"));
  auto* layout = new QGridLayout(this);
  text_ = new QTextEdit(this);
  text_->setAcceptRichText(false);
  text_->setFont(ReportFont());
  text_->setLineWrapMode(QTextEdit::NoWrap);
  layout->addWidget(text_, 0, 0, 1, 2);
  layout->addWidget(new QLabel(tr("For your\ninformation"), this), 1, 0);
  layout->addLayout(OkStopRow(this), 1, 1);
  UseButtonFont(this);
  resize(kReportSize);
}

int CDiaText::exec() {
  std::string path = paths_.plainFile("D1.TXT");
  if (!FileReadable(path)) path = paths_.plainFile("D1");
  const std::optional<std::string> bytes = ReadFilePrefix(path, kLargestTextFile);
  if (!bytes) {
    messages_.message(Format("No input yet. The file %s is missing.", path.c_str()), "Error");
    return QDialog::Rejected;
  }
  text_->setPlainText(TextFileForEditing(*bytes));
  setWindowTitle(FromAnsi(path));
  return QDialog::exec();
}

CDiaEcho::CDiaEcho(const std::string& path, QWidget* parent) : QDialog(parent), path_(path) {
  setWindowTitle(FromAnsi(path));
  auto* layout = new QVBoxLayout(this);
  text_ = TextFileEditor(this, path);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] { modified_ = true; });
  layout->addWidget(text_);
  QHBoxLayout* row = OkStopRow(this);
  auto* help = new QPushButton(tr("Help"), this);
  connect(help, &QPushButton::clicked, this, &CDiaEcho::helpRequested);
  row->addWidget(help);
  layout->addLayout(row);
  UseButtonFont(this);
  resize(kEchoSize);
}

void CDiaEcho::accept() {
  if (modified_ && !WriteFileAtomically(path_, EditedTextForFile(text_->toPlainText()))) return;
  QDialog::accept();
}

CDiaEHelp::CDiaEHelp(const std::string& path, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Structure of the echo-files"));
  auto* layout = new QVBoxLayout(this);
  QPlainTextEdit* text = TextFileEditor(this, path);
  text->setReadOnly(true);
  setWindowTitle(FromAnsi(path));
  layout->addWidget(text);
  auto* end = new QPushButton(tr("&Ende"), this);
  connect(end, &QPushButton::clicked, this, [this] {
    emit closed(1);
    hide();
  });
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(end);
  layout->addLayout(row);
  resize(kStructureSize);
}

void CDiaEHelp::closeEvent(QCloseEvent* event) {
  emit closed(2);
  QDialog::closeEvent(event);
}

}  // namespace rerore
