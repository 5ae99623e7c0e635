// The page form measures the paper the sheet goes to: without a printer that is A4, and a footer
// centred on the paper lands in the middle of an A4 export.
#include <QProcess>
#include <QRegularExpression>

#include "app/export_command.h"
#include "settings/logic/sheet_page_logic.h"
#include "app_fixture.h"

namespace vek::testing {
namespace {

struct WordBox {
  double xMinPt = 0;
  double xMaxPt = 0;
};

// Where pdftotext puts the words of page 1 of a PDF, in points from the page's left edge.
std::vector<std::pair<QString, WordBox>> PdfWords(const std::filesystem::path& pdf) {
  QProcess run;
  run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"),
                                          QString::fromStdString(pdf.string()), QStringLiteral("-")});
  run.waitForFinished(30000);
  const QString html = QString::fromUtf8(run.readAllStandardOutput());
  static const QRegularExpression word(
      QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
  std::vector<std::pair<QString, WordBox>> words;
  for (const auto& m : word.globalMatch(html))
    words.push_back({m.captured(3), WordBox{m.captured(1).toDouble(), m.captured(2).toDouble()}});
  return words;
}

class PageFormPaperTest : public FrameTest {};

TEST_F(PageFormPaperTest, WithoutAPrinterTheFormMeasuresA4AndTheCentredFooterIsInTheMiddleOfTheExport) {
  ASSERT_TRUE(MakeFrame().StartWithFile(WriteTestFileTo(home / "t.vdw", 3)));
  Record& test = store.test;
  test.Header(hf::GraphFooterPrefix) = "-";
  test.Header(hf::GraphFooterPage) = "1";
  test.Header(hf::GraphFooterSuffix) = "-";
  // A record without footer distances gets the standard settings: centred, below the company name.
  test.Header(hf::FooterTopMargin).clear();
  test.Header(hf::FooterLeftMargin).clear();

  // The form as the page command opens it, on the paper the view knows.
  SheetPageLogic form(test, kTestSheet, PaperSizeMm{View().paperWidthMm, View().paperHeightMm});
  EXPECT_EQ(form.UsablePaperHeight(), 297 - 16);
  form.Commit(sink);
  EXPECT_EQ(test.Header(hf::FooterHorizontalMode), "1");
  EXPECT_EQ(test.Header(hf::FooterCentreOffset), "105");

  const auto pdf = home / "a4.pdf";
  ASSERT_TRUE(ExportPdf(pdf, store, settings, View(), sink, {1, 1}, *PaperByName("A4")));
  int footers = 0;
  for (const auto& [text, box] : PdfWords(pdf)) {
    if (text != QStringLiteral("-1-")) continue;
    ++footers;
    const double centreMm = (box.xMinPt + box.xMaxPt) / 2 * 25.4 / 72;
    EXPECT_NEAR(centreMm, 210.0 / 2, 0.5);
  }
  EXPECT_EQ(footers, 1);
}

}  // namespace
}  // namespace vek::testing
