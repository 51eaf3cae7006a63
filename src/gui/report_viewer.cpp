#include "gui/report_viewer.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>

#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"
#include "gui/printed_pages.h"
#include "model/file_io.h"

namespace rerore {

namespace {

const QSize kReportSize(900, 600);

}  // namespace

ReportViewer::ReportViewer(const PositionPaths& paths, UserMessages& messages, QWidget* parent)
    : QDialog(parent), paths_(paths), messages_(messages) {
  setWindowTitle(tr("Text"));
  auto* layout = new QGridLayout(this);
  text_ = new QTextEdit(this);
  text_->setAcceptRichText(false);
  text_->setFont(ReportFont());
  text_->setLineWrapMode(QTextEdit::NoWrap);
  text_->setWhatsThis(
      tr("<b>Dimensions report</b> D1.TXT: the title, the materials, the cross sections, the "
         "elements with their lengths and stiffnesses, the nodes and the stiffness of the "
         "supports, as the last Store or End wrote them."));
  auto* print = new QPushButton(tr("&Print"), this);
  auto* preview = new QPushButton(tr("Pre&view"), this);
  connect(print, &QPushButton::clicked, this, &ReportViewer::print);
  connect(preview, &QPushButton::clicked, this, &ReportViewer::printPreview);
  QHBoxLayout* buttons = OkStopRow(this);
  buttons->insertWidget(0, preview);
  buttons->insertWidget(0, print);
  layout->addWidget(text_, 0, 0, 1, 2);
  layout->addWidget(new QLabel(tr("For your\ninformation"), this), 1, 0);
  layout->addLayout(buttons, 1, 1);
  UseButtonFont(this);
  resize(kReportSize);
}

int ReportViewer::exec() {
  std::string path = paths_.plainFile("D1.TXT");
  if (!FileReadable(path)) path = paths_.plainFile("D1");
  const std::optional<std::string> bytes = ReadTextFile(path);
  if (!bytes) {
    messages_.message(Format("No input yet. The file %s is missing.", path.c_str()), "Error");
    return QDialog::Rejected;
  }
  text_->setPlainText(TextFileForEditing(*bytes));
  setWindowTitle(FromAnsi(path));
  return QDialog::exec();
}

void ReportViewer::print() {
  PrintWithDialog(this, true, [this](QPrinter& printer) { printReport(printer); });
}

void ReportViewer::printPreview() {
  ShowPrintPreview(this, true, [this](QPrinter& printer) { printReport(printer); });
}

void ReportViewer::printReport(QPrinter& printer) {
  QPainter painter(&printer);
  if (!painter.isActive()) return;
  PrintTextPages(painter, QRect(0, 0, printer.width(), printer.height()),
                 text_->toPlainText().split('\n'), ReportFont(), [&printer] { printer.newPage(); });
}

}  // namespace rerore
