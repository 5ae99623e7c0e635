// The report's own pages: the contents and the summary table run onto further pages without losing
// or repeating a line, and stay inside the page.
#include "render/report_pages.h"

#include <gtest/gtest.h>

#include <map>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "support/recording_device.h"

namespace vek::testing {
namespace {

class ReportPagesTest : public ::testing::Test {
 protected:
  ReportPagesTest() {
    for (auto& f : settings.fonts) {
      f.size = 10.5;
      f.face = Sjis("ＭＳ 明朝");
    }
  }
  // Every text of page `index` drawn by `draw`, with the lowest point reached.
  template <typename Draw>
  std::vector<RecordedText> Page(int index, Draw draw) {
    RecordingDevice device(600, 600);
    SheetCanvas canvas(device, settings, store, sink);
    PrepareDraw(canvas);
    draw(canvas, index);
    for (const RecordedText& t : device.texts) lowest = std::max(lowest, t.inRect ? t.bottom : t.y);
    return device.texts;
  }
  static int Px(double mm) { return static_cast<int>(mm * 600 / 25.4); }

  SheetSettings settings;
  RecordStore store;
  RecordingMessageSink sink;
  int lowest = 0;
};

TEST_F(ReportPagesTest, ContentsOfManyTestsListEachOnceOverSeveralPages) {
  ReportContents contents;
  contents.surveyNames = {Sjis("北浦地区地質調査")};
  for (int i = 1; i <= 150; ++i)
    contents.tests.push_back({"B-1", "-1.00", "", FormatText("t%03d.vdw", i), i + 2});
  contents.calibrations = {{"probe.cdw", CalibrationState::Found, 500}, {"gone.cdw", CalibrationState::Missing, 0}};
  contents.unreadable = {"junk.vdw"};

  const int pages = ContentsPageCount(contents, settings);
  ASSERT_GT(pages, 2);
  std::map<std::string, int> seen;
  int captions = 0;
  for (int p = 0; p < pages; ++p) {
    for (const RecordedText& t : Page(p, [&](SheetCanvas& c, int i) { DrawContentsPage(c, contents, i); })) {
      ++seen[t.text];
      captions += t.text == Sjis("ボーリング");
    }
  }
  for (int i = 1; i <= 150; ++i) EXPECT_EQ(seen[FormatText("t%03d.vdw", i)], 1) << i;
  EXPECT_EQ(seen["probe.cdw"], 1);
  EXPECT_EQ(seen[Sjis("見つかりません")], 1);
  EXPECT_EQ(seen["junk.vdw"], 1);
  // The test list runs over every page: its captions come again on each.
  EXPECT_GE(captions, pages - 1);
  EXPECT_LE(lowest, Px(285.0)) << "inside an A4 page";
}

TEST_F(ReportPagesTest, SummaryTableSharesItsPageWithThePlotOrRunsOntoPagesOfItsOwn) {
  auto rows = [](int n) {
    std::vector<SummaryRow> r(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      r[static_cast<size_t>(i)].boringNo = FormatText("B-%d", i % 4 + 1);
      r[static_cast<size_t>(i)].date = FormatText("D%03d", i);
    }
    return r;
  };
  EXPECT_EQ(SummaryPageCount(20, settings), 1);
  const auto many = rows(200);
  const int pages = SummaryPageCount(many.size(), settings);
  ASSERT_GT(pages, 3);
  std::map<std::string, int> seen;
  for (int p = 0; p < pages; ++p) {
    for (const RecordedText& t : Page(p, [&](SheetCanvas& c, int i) { DrawSummaryReportPage(c, many, i); }))
      ++seen[t.text];
  }
  for (int i = 0; i < 200; ++i) EXPECT_EQ(seen[FormatText("D%03d", i)], 1) << i;
  EXPECT_EQ(seen[Sjis("深度 GL-(m)")], 1) << "the plot on a page of its own";
  EXPECT_LE(lowest, Px(285.0));
}

}  // namespace
}  // namespace vek::testing
