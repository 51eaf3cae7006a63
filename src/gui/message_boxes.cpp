#include "gui/message_boxes.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>

#include "model/constants.h"

namespace rerore {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A box always carries a caption: the program's name when the message
// brings none (the system would put a bare identifier there).
QString Caption(const std::string& title) {
  return title.empty() ? QString(kApplicationTitle) : FromAnsi(title);
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QString FromAnsi(const std::string& text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (unsigned char c : text)
    result += (c >= 0x80 && c < 0xA0) ? QChar(kHighControls[c - 0x80]) : QChar(c);
  return result;
}

std::string ToAnsi(const QString& text) {
  std::string result;
  for (QChar qc : text) {
    const char16_t u = qc.unicode();
    char c = '?';
    if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
      c = static_cast<char>(u);
    } else {
      for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == u) c = static_cast<char>(0x80 + i);
    }
    result += c;
  }
  return result;
}

QString FromFileName(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToFileName(const QString& path) {
  return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

void MessageBoxes::message(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), Caption(title), FromAnsi(text), QMessageBox::Ok, parent_);
  box.exec();
}

Answer MessageBoxes::ask(const std::string& text, const std::string& title,
                         MessageButtons buttons) {
  QMessageBox::StandardButtons standard = QMessageBox::Ok;
  switch (buttons) {
    case MessageButtons::Ok:
      break;
    case MessageButtons::YesNo:
      standard = QMessageBox::Yes | QMessageBox::No;
      break;
    case MessageButtons::YesNoCancel:
      standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
    case MessageButtons::OkCancel:
      standard = QMessageBox::Ok | QMessageBox::Cancel;
      break;
  }
  QMessageBox box(QMessageBox::Question, Caption(title), FromAnsi(text), standard, parent_);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:
      return Answer::Cancel;
  }
}

}  // namespace rerore
