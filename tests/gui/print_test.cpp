// Printed pages: the frame's centred header, the tables' heading and margins, the report.
#include <QDate>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include "gui_helpers.h"
#include "view/frame_output.h"

namespace rerore {
namespace {

using test::OnNextDialog;

bool HavePdfToText() { return !test::RunCommand("command -v pdftotext").out.empty(); }

// The text of a PDF; with -bbox every word with its place in points.
QString PdfText(const std::string& pdf, const std::string& option) {
  const test::CommandResult result = test::RunCommand("pdftotext " + option + " '" + pdf + "' -");
  EXPECT_EQ(result.status, 0) << result.err;
  return QString::fromStdString(result.out);
}

// The print dialog answers with a PDF file, as a user who prints to a file.
void PrintToPdfNext(const std::string& pdf) {
  OnNextDialog<QPrintDialog>([pdf](QPrintDialog* dialog) {
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(QString::fromStdString(pdf));
    dialog->done(QDialog::Accepted);
  });
}

struct PrintedPages : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  Session session;
  test::RecordingMessages messages;

  void SetUp() override {
    test::CopyExamples(data);
    ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
  }
};

// The first dark pixel from `from` in steps of `step` along a line.
int FirstDark(const QImage& image, QPoint from, QPoint step) {
  for (QPoint p = from; image.valid(p); p += step)
    if (test::IsDark(image.pixel(p))) return step.x() != 0 ? p.x() : p.y();
  return -1;
}

TEST_F(PrintedPages, PageHeaderIsCentredBetweenTheFrameSides) {
  session.view.display.pageBorder = true;
  session.model.params.setTitle("Portal of the depot hall, axis B");
  struct Paper {
    int width, height, dpi;
    bool landscape;
  };
  for (const Paper& paper :
       {Paper{1100, 1600, 150, false}, Paper{3300, 2300, 300, true}, Paper{820, 580, 72, true}}) {
    QImage page(paper.width, paper.height, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
      QPainter painter(&page);
      WorldMapping mapping(session.view);
      DrawFramePage(painter, paper.width, paper.height, paper.dpi, paper.landscape, session,
                    mapping, messages);
    }
    const int middle = paper.height / 2;
    const int left = FirstDark(page, {0, middle}, {1, 0});
    const int right = FirstDark(page, {paper.width - 1, middle}, {-1, 0});
    const int top = FirstDark(page, {left + 4, 0}, {0, 1});
    const int rule = FirstDark(page, {left + 4, top + 2}, {0, 1});
    ASSERT_GT(rule, top + 4) << paper.width;
    int inkLeft = paper.width, inkRight = -1;
    for (int y = top + 2; y < rule - 1; ++y)
      for (int x = left + 2; x < right - 1; ++x)
        if (test::IsDark(page.pixel(x, y)))
          inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
    ASSERT_GT(inkRight - inkLeft, (right - left) / 10) << "no header on " << paper.width;
    EXPECT_NEAR(inkLeft - left, right - inkRight, 3) << paper.width << " x " << paper.height;
  }
}

TEST_F(PrintedPages, TableHasItsHeadingInsideMargins) {
  if (!HavePdfToText()) GTEST_SKIP() << "no pdftotext";
  const std::string pdf = data / "elements.pdf";
  const QString before = QDate::currentDate().toString(Qt::ISODate);
  {
    ElementsDialog dialog(session, messages);
    dialog.show();
    PrintToPdfNext(pdf);
    test::Click(dialog, "Print");
  }
  const QString after = QDate::currentDate().toString(Qt::ISODate);
  const QString words = PdfText(pdf, "-bbox");
  for (const QString word : {"Pos.", "001", "elements", "Page"})
    EXPECT_TRUE(words.contains(">" + word + "<")) << word.toStdString();
  EXPECT_TRUE(words.contains(">" + before + "<") || words.contains(">" + after + "<"));
  // 15 mm are 42.5 pt: the heading starts there, not at the paper's edge.
  const QRegularExpression first("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Pos\\.<");
  const QRegularExpressionMatch at = first.match(words);
  ASSERT_TRUE(at.hasMatch());
  EXPECT_GT(at.captured(1).toDouble(), 40.0);
  EXPECT_GT(at.captured(2).toDouble(), 40.0);
  EXPECT_LT(at.captured(1).toDouble(), 60.0);
}

TEST_F(PrintedPages, ReportDialogPrintsTheReportPageByPage) {
  if (!HavePdfToText()) GTEST_SKIP() << "no pdftotext";
  QString report = " Frame Analysis 001\r\n";
  for (int line = 1; line <= 150; ++line) report += QString(" line %1\r\n").arg(line);
  test::WriteFile(data / "SDIR001/D1.TXT", report.toStdString());
  const std::string pdf = data / "report.pdf";
  OnNextDialog<ReportViewer>([&](ReportViewer* dialog) {
    PrintToPdfNext(pdf);
    test::Click(*dialog, "&Print");
    dialog->reject();
  });
  ReportViewer(session.paths, messages).exec();
  const QString printed = PdfText(pdf, "-layout");
  EXPECT_TRUE(printed.contains("Frame Analysis 001"));
  EXPECT_TRUE(printed.contains("line 150"));
  QStringList footers, expected;
  for (const auto& m : QRegularExpression("Page \\d+ of \\d+").globalMatch(printed))
    footers << m.captured();
  for (int page = 1; page <= footers.size(); ++page)
    expected << QString("Page %1 of %2").arg(page).arg(footers.size());
  EXPECT_GE(footers.size(), 2);
  EXPECT_EQ(footers, expected);
}

}  // namespace
}  // namespace rerore
