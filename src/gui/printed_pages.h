// What the printed tables and reports share: the margins of the paper, the
// heading over every page (the position, what is printed, the date), the
// footer "Page %d of %d", and plain text laid out page by page.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QPainter;
class QPrinter;
class QWidget;

namespace rerore {

// Margins a reader expects on every side of a printed table or report.
inline constexpr double kDocumentMarginMm = 15.0;

// Sets the document margins; done before the print dialog opens, so that
// the user sees them there and may change them.
void UseDocumentMargins(QPrinter& printer);

// What prints one document on a printer.
using PrintJob = std::function<void(QPrinter&)>;

// The print dialog on a high-resolution printer (with the document margins
// when `documentMargins`), then `job` on the printer the user chose.
void PrintWithDialog(QWidget* parent, bool documentMargins, const PrintJob& job);

// A preview of what `job` puts on the printer's paper.
void ShowPrintPreview(QWidget* parent, bool documentMargins, const PrintJob& job);

// A heading line: `left` at the left edge, `centre` in the middle and
// `right` at the right edge of the page, with a rule below.
struct PageHeading {
  QString left;
  QString centre;
  QString right;
  bool empty() const { return left.isEmpty() && centre.isEmpty() && right.isEmpty(); }
};

// The heading of a printed table: "Pos. <name>", the table's name, today's
// date (ISO, the same in every locale).
PageHeading TableHeading(const std::string& positionName, const QString& tableName);

// The height the heading takes at the top of a page: its line and the
// space under its rule; nothing for an empty heading.
int PageHeadingHeight(const PageHeading& heading, int rowHeight);

// Draws the heading at the top of `page` and returns PageHeadingHeight.
int DrawPageHeading(QPainter& painter, const QRect& page, const PageHeading& heading,
                    int rowHeight);

// "Page %d of %d" centred in the last `rowHeight` of `page`.
void DrawPageFooter(QPainter& painter, const QRect& page, int pageNumber, int pageCount,
                    int rowHeight);

// Prints `lines` page by page in `font`, made smaller when the widest line
// would not fit the width of `page`, with the footer on every page;
// `newPage` starts the next page.
void PrintTextPages(QPainter& painter, const QRect& page, const QStringList& lines, QFont font,
                    const std::function<void()>& newPage);

}  // namespace rerore
