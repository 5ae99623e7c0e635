// PDF and PNG export of the sheets: page counts, paper, page ranges, files and failures.
#include "app/export_command.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <optional>
#include <regex>
#include <string>

#include "app/command_line.h"
#include "app/sheet_fit.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "support/temp_dir.h"

namespace vek::testing {
namespace {

// Page objects of a PDF ("/Type /Page", not the "/Type /Pages" tree node).
int CountPdfPages(const std::string& pdf) {
  static const std::regex page("/Type\\s*/Page(?![a-zA-Z])");
  return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                                        std::sregex_iterator()));
}

class ExportTest : public ::testing::Test {
 protected:
  ExportTest() {
    for (int i = 0; i < kRoleFontCount; ++i) {
      settings.fonts[i].size = i == 4 ? 16.0 : 10.5;
      settings.fonts[i].face = Sjis("ＭＳ 明朝");
    }
    store.currentSheet = kTestSheet;
    store.test.Header(hf::GraphTitle) = Sjis("孔内水平載荷試験");
    store.test.Header(hf::SondeRadius) = "4.0";
    store.test.Header(hf::PeScaleMin) = "0";
    store.test.Header(hf::PeScaleMax) = "1600";
    store.test.Header(hf::PeScaleStep) = "400";
    for (int i = 1; i <= 45; ++i) {
      store.test.Test(i, tf::Pressure) = std::to_string(20 * i);
      store.test.Test(i, tf::Pe) = std::to_string(15 * i);
      store.test.Test(i, tf::R) = std::to_string(4.0 + 0.05 * i);
    }
  }

  ExportPaper A4() const { return *PaperByName("A4"); }

  TempHome home;
  RecordStore store;
  SheetSettings settings;
  ViewState view;
  RecordingMessageSink sink;
};

TEST_F(ExportTest, PaperSizesInWholeMillimetres) {
  const auto a4 = PaperByName("A4");
  ASSERT_TRUE(a4);
  EXPECT_EQ(a4->widthMm, 210);
  EXPECT_EQ(a4->heightMm, 297);
  const auto b4 = PaperByName("B4");
  ASSERT_TRUE(b4);
  EXPECT_EQ(b4->widthMm, 257);
  EXPECT_EQ(b4->heightMm, 364);
  const auto letter = PaperByName("Letter");
  ASSERT_TRUE(letter);
  EXPECT_EQ(letter->widthMm, 215);
  EXPECT_FALSE(PaperByName("A5"));
}

TEST_F(ExportTest, PageRanges) {
  std::string note, error;
  EXPECT_EQ(ResolvePageRange(std::nullopt, 3, note, error), std::make_pair(1, 3));
  EXPECT_EQ(ResolvePageRange(std::make_pair(2, 2), 3, note, error), std::make_pair(2, 2));
  EXPECT_TRUE(note.empty());
  EXPECT_EQ(ResolvePageRange(std::make_pair(2, 9), 3, note, error), std::make_pair(2, 3));
  EXPECT_FALSE(note.empty());
  EXPECT_FALSE(ResolvePageRange(std::make_pair(4, 5), 3, note, error));
  EXPECT_NE(error.find("3 pages"), std::string::npos);
}

TEST_F(ExportTest, PdfHasOnePagePerSheetPageOnThePaper) {
  const auto out = home / "test.pdf";
  // 45 rows: graph page and two table pages.
  ASSERT_TRUE(ExportPdf(out, store, settings, view, sink, {1, 3}, A4()));
  const std::string pdf = ReadFileBytes(out);
  ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_EQ(CountPdfPages(pdf), 3);
  // A4 portrait in points.
  EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);
  EXPECT_EQ(view.paperWidthMm, 210);
  EXPECT_EQ(view.paperHeightMm, 297);
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front();
  // Export leaves the screen page alone.
  EXPECT_EQ(view.currentPage, 1);

  ASSERT_TRUE(ExportPdf(out, store, settings, view, sink, {2, 3}, *PaperByName("A3")));
  const std::string a3 = ReadFileBytes(out);
  EXPECT_EQ(CountPdfPages(a3), 2);
  EXPECT_NE(a3.find("/MediaBox [0 0 842"), std::string::npos) << a3.substr(a3.find("/MediaBox"), 40);
}

TEST_F(ExportTest, PdfIntoAMissingFolderFailsWithoutLeavingAFile) {
  const auto out = home / "no-such-folder" / "x.pdf";
  EXPECT_FALSE(ExportPdf(out, store, settings, view, sink, {1, 1}, A4()));
  EXPECT_FALSE(std::filesystem::exists(home / "no-such-folder"));
}

TEST_F(ExportTest, PngOnePerPageOnWhite) {
  const auto dir = home / "png";
  ASSERT_TRUE(ExportPng(dir, store, settings, view, sink, {1, 2}, A4(), 50));
  ASSERT_TRUE(std::filesystem::exists(dir / "page-1.png"));
  ASSERT_TRUE(std::filesystem::exists(dir / "page-2.png"));
  EXPECT_FALSE(std::filesystem::exists(dir / "page-3.png"));
  QImage page1(QString::fromStdString((dir / "page-1.png").string()));
  ASSERT_FALSE(page1.isNull());
  EXPECT_EQ(page1.width(), 413);  // 210 mm at 50 dpi
  EXPECT_EQ(page1.height(), 585);
  EXPECT_EQ(page1.pixelColor(0, 0), QColor(Qt::white));
  // Something was drawn: the graph frame's left edge crosses the middle of the page
  // (left margin 15 mm + 16 mm at 50 dpi = 61 px).
  int dark = 0;
  for (int x = 55; x < 68; ++x)
    if (page1.pixelColor(x, 400).lightness() < 128) ++dark;
  EXPECT_GT(dark, 0);
}

// Measured while drawn, the pages reach exactly as far as the separate measuring pass says, that is
// heard before the first file exists, and the pages come out byte for byte as drawn unmeasured.
TEST_F(ExportTest, PngMeasuredWhileDrawnAsFarAsMeasuredApartAndUnchanged) {
  const auto plain = home / "plain";
  ASSERT_TRUE(ExportPng(plain, store, settings, view, sink, {1, 2}, *PaperByName("B5"), 60));
  const SheetExtent apart = MeasureSheet(store, settings, view, {1, 2}, 60);
  const auto dir = home / "measured";
  std::optional<SheetExtent> heard;
  ASSERT_TRUE(ExportPng(dir, store, settings, view, sink, {1, 2}, *PaperByName("B5"), 60, 1.0, nullptr,
                        [&](const SheetExtent& extent) {
                          heard = extent;
                          EXPECT_FALSE(std::filesystem::exists(dir / "page-1.png"));
                        }));
  ASSERT_TRUE(heard);
  EXPECT_GT(apart.widthMm, 182);  // the A4 sheet is wider than B5: a real extent, not a default
  EXPECT_EQ(heard->widthMm, apart.widthMm);
  EXPECT_EQ(heard->heightMm, apart.heightMm);
  for (const char* page : {"page-1.png", "page-2.png"}) {
    SCOPED_TRACE(page);
    const std::string bytes = ReadFileBytes(dir / page);
    EXPECT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes == ReadFileBytes(plain / page));
  }
}

TEST_F(ExportTest, PngIntoAFileInsteadOfAFolderFails) {
  const auto blocker = home / "file";
  WriteFileBytes(blocker, "x");
  EXPECT_FALSE(ExportPng(blocker, store, settings, view, sink, {1, 1}, A4(), 50));
}

// The whole command on the bundled samples: load, count pages, export.
class ExportCommandTest : public ::testing::Test {
 protected:
  CommandLineOptions Options(CommandLineOptions::Mode mode, const std::string& input,
                             const std::filesystem::path& out) {
    CommandLineOptions o;
    o.mode = mode;
    o.inputs = {std::string(VEK_SAMPLES_DIR) + "/" + input};
    o.output = out.string();
    return o;
  }

  TempHome home;
  RecordingMessageSink sink;
};

TEST_F(ExportCommandTest, SamplesExportEveryPage) {
  const auto test_pdf = home / "test.pdf";
  ASSERT_EQ(RunExportCommand(Options(CommandLineOptions::Mode::ExportPdf, "test-sample.vdw", test_pdf), sink), 0);
  // 24 filled steps with the formula in the graph: graph page and one table page.
  EXPECT_EQ(CountPdfPages(ReadFileBytes(test_pdf)), 2);

  const auto cal_pdf = home / "cal.pdf";
  auto o = Options(CommandLineOptions::Mode::ExportPdf, "cal-sample.cdw", cal_pdf);
  o.paper = "B5";
  ASSERT_EQ(RunExportCommand(o, sink), 0);
  const std::string cal = ReadFileBytes(cal_pdf);
  EXPECT_EQ(CountPdfPages(cal), 2);
  EXPECT_NE(cal.find("/MediaBox [0 0 516"), std::string::npos);  // JIS B5, 182 mm wide

  const auto dir = home / "png";
  o = Options(CommandLineOptions::Mode::ExportPng, "test-sample.vdw", dir);
  o.pages = std::make_pair(2, 2);
  o.dpi = 30;
  ASSERT_EQ(RunExportCommand(o, sink), 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "page-2.png"));
  EXPECT_FALSE(std::filesystem::exists(dir / "page-1.png"));
}

TEST_F(ExportCommandTest, FailuresGiveTheirExitStatus) {
  const auto out = home / "x.pdf";
  // A page range that starts beyond the sheet is a usage error; nothing is written.
  auto o = Options(CommandLineOptions::Mode::ExportPdf, "test-sample.vdw", out);
  o.pages = std::make_pair(3, 4);
  EXPECT_EQ(RunExportCommand(o, sink), 2);
  EXPECT_FALSE(std::filesystem::exists(out));
  // A missing input cannot be read.
  o = Options(CommandLineOptions::Mode::ExportPdf, "no-such-file.vdw", out);
  EXPECT_EQ(RunExportCommand(o, sink), 1);
  // An output that cannot be written.
  o = Options(CommandLineOptions::Mode::ExportPdf, "test-sample.vdw", home / "missing" / "x.pdf");
  EXPECT_EQ(RunExportCommand(o, sink), 1);
}

}  // namespace
}  // namespace vek::testing
