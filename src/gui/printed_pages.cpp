#include "gui/printed_pages.h"

#include <QDate>
#include <QFontMetrics>
#include <QMarginsF>
#include <QObject>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "gui/message_boxes.h"
#include "model/user_messages.h"

namespace rerore {

namespace {

constexpr int kHeadingRows = 2;  // the heading's line and the space under its rule
constexpr int kFooterRows = 2;
constexpr int kTextPointSize = 10;

}  // namespace

void UseDocumentMargins(QPrinter& printer) {
  const QMarginsF margins(kDocumentMarginMm, kDocumentMarginMm, kDocumentMarginMm,
                          kDocumentMarginMm);
  printer.setPageMargins(margins, QPageLayout::Millimeter);
}

void PrintWithDialog(QWidget* parent, bool documentMargins, const PrintJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (documentMargins) UseDocumentMargins(printer);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() == QDialog::Accepted) job(printer);
}

void ShowPrintPreview(QWidget* parent, bool documentMargins, const PrintJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (documentMargins) UseDocumentMargins(printer);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QObject::tr("Print preview"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&job](QPrinter* target) { job(*target); });
  preview.exec();
}

PageHeading TableHeading(const std::string& positionName, const QString& tableName) {
  return {"Pos. " + FromAnsi(positionName), tableName, QDate::currentDate().toString(Qt::ISODate)};
}

int PageHeadingHeight(const PageHeading& heading, int rowHeight) {
  return heading.empty() ? 0 : kHeadingRows * rowHeight;
}

int DrawPageHeading(QPainter& painter, const QRect& page, const PageHeading& heading,
                    int rowHeight) {
  if (heading.empty()) return 0;
  const QRect line(page.left(), page.top(), page.width(), rowHeight);
  painter.drawText(line, Qt::AlignVCenter | Qt::AlignLeft, heading.left);
  painter.drawText(line, Qt::AlignVCenter | Qt::AlignHCenter, heading.centre);
  painter.drawText(line, Qt::AlignVCenter | Qt::AlignRight, heading.right);
  painter.drawLine(line.bottomLeft(), line.bottomRight());
  return PageHeadingHeight(heading, rowHeight);
}

void DrawPageFooter(QPainter& painter, const QRect& page, int pageNumber, int pageCount,
                    int rowHeight) {
  const QRect footer(page.left(), page.bottom() - rowHeight, page.width(), rowHeight);
  painter.drawText(footer, Qt::AlignCenter,
                   QString::fromStdString(Format("Page %d of %d", pageNumber, pageCount)));
}

void PrintTextPages(QPainter& painter, const QRect& page, const QStringList& lines, QFont font,
                    const std::function<void()>& newPage) {
  // A font given in pixels would be tiny on a printer's fine raster.
  if (font.pointSizeF() <= 0) font.setPointSize(kTextPointSize);
  int widest = 0;
  for (const QString& line : lines)
    widest = std::max(widest, QFontMetrics(font, painter.device()).horizontalAdvance(line));
  // A report wider than the paper is printed smaller rather than cut off.
  if (widest > page.width()) font.setPointSizeF(font.pointSizeF() * page.width() / widest);
  painter.setFont(font);
  const int lineHeight = QFontMetrics(font, painter.device()).lineSpacing();
  const int perPage = std::max(1, page.height() / lineHeight - kFooterRows);
  const int pages = std::max(1, static_cast<int>((lines.size() + perPage - 1) / perPage));
  const int ascent = QFontMetrics(font, painter.device()).ascent();
  for (int p = 0; p < pages; ++p) {
    if (p > 0) newPage();
    for (int i = 0; i < perPage && p * perPage + i < lines.size(); ++i)
      painter.drawText(QPoint(page.left(), page.top() + i * lineHeight + ascent),
                       lines[p * perPage + i]);
    DrawPageFooter(painter, page, p + 1, pages, lineHeight);
  }
}

}  // namespace rerore
