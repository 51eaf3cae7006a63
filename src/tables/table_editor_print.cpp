// Printing the table: the rows up to the dialog's limit, page by page,
// in "Times New Roman" under the dialog's heading and over the footer
// "Page %d of %d".
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "tables/table_editor.h"

namespace rerore {

namespace {

constexpr int kPrintPointSize = 10;
constexpr int kFooterRows = 2;
constexpr double kRowSpacing = 1.5;
constexpr int kTextPadding = 3;

}  // namespace

int TableEditor::firstEmptyRowLimit() const {
  for (int row = firstRow(); row <= lastRow(); ++row)
    if (columns_ > 1 && cell(row, 1).text.isEmpty()) return row + 1;
  return rows_ + 1;
}

void TableEditor::print(QPrinter& printer) {
  QPainter painter(&printer);
  if (!painter.isActive()) return;
  // The painter's origin is the corner of the printable area inside the
  // margins.
  printPages(painter, QRect(0, 0, printer.width(), printer.height()),
             [&printer] { printer.newPage(); });
}

void TableEditor::printPages(QPainter& painter, const QRect& page,
                             const std::function<void()>& newPage) {
  const QFont font("Times New Roman", kPrintPointSize);
  painter.setFont(font);
  const QFontMetrics metrics(font, painter.device());
  const int rowHeight = static_cast<int>(metrics.height() * kRowSpacing);
  const int printed = std::clamp(printRowLimit_ > 0 ? printRowLimit_ : rows_, 0, rows_);
  const int heading = PageHeadingHeight(printHeading_, rowHeight);
  const int perPage = std::max(1, (page.height() - heading) / rowHeight - kFooterRows);
  const int pages = std::max(1, (printed + perPage - 1) / perPage);

  // Screen widths scaled to the paper, and narrowed when they do not fit.
  double scale = static_cast<double>(painter.device()->logicalDpiX()) / logicalDpiX();
  int total = 0;
  for (int c = 0; c < columns_; ++c) total += getColumnWidth(c);
  if (total * scale > page.width()) scale = static_cast<double>(page.width()) / total;

  for (int p = 0; p < pages; ++p) {
    if (p > 0) newPage();
    DrawPageHeading(painter, page, printHeading_, rowHeight);
    const int top = page.top() + heading;
    for (int i = 0; i < perPage && p * perPage + i < printed; ++i) {
      const int row = p * perPage + i;
      double x = page.left();
      for (int c = 0; c < columns_; ++c) {
        const QRect rect(static_cast<int>(x), top + i * rowHeight,
                         static_cast<int>(getColumnWidth(c) * scale), rowHeight);
        painter.drawRect(rect);
        painter.drawText(rect.adjusted(kTextPadding, 0, -kTextPadding, 0),
                         Qt::AlignVCenter | Qt::AlignLeft, cell(row, c).text);
        x += getColumnWidth(c) * scale;
      }
    }
    DrawPageFooter(painter, page, p + 1, pages, rowHeight);
  }
}

}  // namespace rerore
