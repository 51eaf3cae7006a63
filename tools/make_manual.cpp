// Turns the manual's Markdown chapters into the PDF that F1 opens:
//   make_manual OUT.pdf VERSION CHAPTER.md...
// The chapters are joined in the order given; every chapter (a "# "
// heading) starts on a new page, pictures are scaled to the width of the
// text, the block "@CONTENTS@" becomes the table of contents with page
// numbers, "@VERSION@" the program's version. Every page but the first
// carries a footer with the page number. A picture that cannot be read
// fails the build. Runs without a display (QT_QPA_PLATFORM=offscreen).
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cstdio>
#include <vector>

namespace {

constexpr int kResolution = 300;            // dots per inch of the PDF
constexpr double kScreenResolution = 96.0;  // pictures are sized in these pixels
constexpr double kFooterHeight = 0.35;      // inch
constexpr double kContentsPoints = 9;
constexpr double kMarginMm = 18.0;
constexpr const char* kContentsMark = "@CONTENTS@";
constexpr const char* kVersionMark = "@VERSION@";
constexpr const char* kFontFamily = "DejaVu Sans";
constexpr int kBodyPoints = 10;
constexpr int kFooterPoints = 8;

struct Heading {
  int level;
  QString text;
  int position;  // in the document, to tell the headings after the contents
  int page;
};

bool Fail(const QString& text) {
  std::fprintf(stderr, "make_manual: %s\n", qPrintable(text));
  return false;
}

bool ReadChapters(const QStringList& files, const QString& version, QString& markdown) {
  for (const QString& name : files) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return Fail("cannot read " + name);
    markdown += QString::fromUtf8(file.readAll()).replace(kVersionMark, version) + "\n\n";
  }
  return true;
}

// Loads every picture relative to the base folder and fits it to the text
// width; a picture that cannot be read ends the run.
bool PlacePictures(QTextDocument& doc, const QString& base, double textWidth) {
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextImageFormat image = fragment.charFormat().toImageFormat();
      if (!image.isValid()) continue;
      const QString path = base + "/" + image.name();
      const QImage picture(path);
      if (picture.isNull()) return Fail("cannot read the picture " + path);
      doc.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
      const double width = std::min<double>(picture.width(), textWidth);
      image.setWidth(width);
      image.setHeight(width * picture.height() / picture.width());
      QTextCursor cursor(&doc);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(image);
    }
  }
  return true;
}

// Chapters begin on a new page; headings stay with the text after them.
void BreakPages(QTextDocument& doc) {
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level == 0) continue;
    QTextBlockFormat format = block.blockFormat();
    QTextBlockFormat::PageBreakFlags flags = QTextFormat::PageBreak_Auto;
    if (level == 1 && block != doc.begin()) flags = QTextFormat::PageBreak_AlwaysBefore;
    format.setPageBreakPolicy(flags);
    QTextCursor(block).setBlockFormat(format);
  }
}

std::vector<Heading> Headings(const QTextDocument& doc, double pageHeight) {
  std::vector<Heading> headings;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 1 || level > 2) continue;
    const QRectF box = doc.documentLayout()->blockBoundingRect(block);
    headings.push_back(
        {level, block.text(), block.position(), static_cast<int>(box.top() / pageHeight) + 1});
  }
  return headings;
}

// Replaces the contents mark by a table of the headings after it with
// their pages.
void WriteContents(QTextDocument& doc, const std::vector<Heading>& headings) {
  const QTextCursor mark = doc.find(kContentsMark);
  if (mark.isNull()) return;
  QTextCursor cursor = mark;
  cursor.removeSelectedText();
  std::vector<const Heading*> rows;
  for (const Heading& h : headings)
    if (h.position > cursor.position()) rows.push_back(&h);
  if (rows.empty()) return;
  QTextTableFormat format;
  format.setBorder(0);
  format.setCellPadding(0);
  format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                    QTextLength(QTextLength::PercentageLength, 10)});
  QTextTable* table = cursor.insertTable(static_cast<int>(rows.size()), 2, format);
  for (size_t r = 0; r < rows.size(); ++r) {
    QTextCharFormat text;
    text.setFontWeight(rows[r]->level == 1 ? QFont::Bold : QFont::Normal);
    text.setFontPointSize(kContentsPoints);
    const QString indent = rows[r]->level == 1 ? QString() : QString("      ");
    table->cellAt(static_cast<int>(r), 0)
        .firstCursorPosition()
        .insertText(indent + rows[r]->text, text);
    QTextCursor page = table->cellAt(static_cast<int>(r), 1).firstCursorPosition();
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    page.setBlockFormat(right);
    page.insertText(QString::number(rows[r]->page), text);
  }
}

struct Layout {
  QSizeF page;  // the text area of one page, in PDF dots
  double footer;
};

bool BuildDocument(QTextDocument& doc, QPdfWriter& pdf, const Layout& layout,
                   const QString& markdown, const QString& base,
                   const std::vector<Heading>& contents) {
  doc.setDefaultFont(QFont(kFontFamily, kBodyPoints));
  doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
  if (!PlacePictures(doc, base, layout.page.width() * kScreenResolution / kResolution))
    return false;
  BreakPages(doc);
  WriteContents(doc, contents);
  // Laid out once, on the finished text.
  doc.documentLayout()->setPaintDevice(&pdf);
  doc.setPageSize(layout.page);
  return true;
}

void Paint(QTextDocument& doc, QPdfWriter& pdf, const Layout& layout) {
  QPainter painter(&pdf);
  const double height = layout.page.height();
  const int pages = doc.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) pdf.newPage();
    painter.save();
    painter.translate(0, -page * height);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(QRectF(0, page * height, layout.page.width(), height));
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
    if (page == 0) continue;
    painter.setFont(QFont(kFontFamily, kFooterPoints));
    const QRectF footer(0, height, layout.page.width(), layout.footer);
    painter.drawLine(footer.topLeft(), footer.topRight());
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, "RERORE user manual");
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                     QString("Page %1 of %2").arg(page + 1).arg(pages));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: make_manual OUT.pdf VERSION CHAPTER.md...\n");
    return 1;
  }
  QString markdown;
  if (!ReadChapters(args.mid(3), args[2], markdown)) return 1;
  const QString base = QFileInfo(args[3]).absolutePath();

  QPdfWriter pdf(args[1]);
  pdf.setResolution(kResolution);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                QPageLayout::Millimeter));
  pdf.setTitle("RERORE user manual");
  pdf.setCreator("RERORE");
  const QRect area = pdf.pageLayout().paintRectPixels(kResolution);
  const double footer = kFooterHeight * kResolution;
  const Layout layout{QSizeF(area.width(), area.height() - footer), footer};

  // The contents need the pages of the headings, which the contents
  // themselves may move: lay out until the pages stay.
  std::vector<Heading> contents;
  for (int round = 0; round < 4; ++round) {
    QTextDocument probe;
    if (!BuildDocument(probe, pdf, layout, markdown, base, contents)) return 1;
    const std::vector<Heading> found = Headings(probe, layout.page.height());
    bool same = found.size() == contents.size();
    for (size_t i = 0; same && i < found.size(); ++i) same = found[i].page == contents[i].page;
    contents = found;
    if (same) break;
  }
  QTextDocument doc;
  if (!BuildDocument(doc, pdf, layout, markdown, base, contents)) return 1;
  Paint(doc, pdf, layout);
  std::printf("make_manual: %s, %d pages\n", qPrintable(args[1]), doc.pageCount());
  return 0;
}
