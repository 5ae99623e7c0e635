// Page count, page contents, the current-page rules of the view and the page compositions.
#include "render/page_compose.h"

#include <gtest/gtest.h>

#include "render/primitives.h"
#include "sheet_test_fixture.h"

namespace vek::testing {
namespace {

class PageComposeTest : public SheetTest {
 protected:
  PageComposeTest() {
    settings.FormulaPosition = 1;
    store.currentSheet = kTestSheet;
  }

  void FillTestRows(int n) {
    for (int i = 1; i <= n; ++i) store.test.Test(i, tf::Pressure) = std::to_string(10 * i);
  }

  int Count(int sheet) { return PageCount(store, settings, view, sheet); }

  void DrawPage(int page) {
    view.lastDrawnSheet = store.currentSheet;
    view.currentPage = page;
    DrawCurrentPage(device, store, settings, view, sink);
  }

  // Device y of a page-top-relative position on the graph page (top margin 20).
  static int PageY(double y) { return Px(20 + y); }

  ViewState view;
};

TEST_F(PageComposeTest, TestSheetHasOneTablePagePerStartedFortyRows) {
  const int rows[] = {0, 39, 40, 120};
  const int pages[] = {2, 2, 3, 5};
  for (int i = 0; i < 4; ++i) {
    store.ClearTestRows();
    FillTestRows(rows[i]);
    EXPECT_EQ(Count(kTestSheet), pages[i]) << rows[i] << " rows";
  }
  // The formula on its own page adds one.
  settings.FormulaPosition = kFormulaOwnPage;
  for (int i = 0; i < 4; ++i) {
    store.ClearTestRows();
    FillTestRows(rows[i]);
    EXPECT_EQ(Count(kTestSheet), pages[i] + 1) << rows[i] << " rows";
  }
  // Only the leading filled rows count.
  store.ClearTestRows();
  FillTestRows(45);
  store.test.Test(20, tf::Pressure) = "";
  EXPECT_EQ(Count(kTestSheet), 3);
}

TEST_F(PageComposeTest, CalibrationSheetHasTwoPagesAndPullsTheViewBack) {
  view.currentPage = 2;
  EXPECT_EQ(Count(kCalibrationSheet), 2);
  EXPECT_EQ(view.currentPage, 2);
  view.currentPage = 5;
  EXPECT_EQ(Count(kCalibrationSheet), 2);
  EXPECT_EQ(view.currentPage, 1);
  // The test sheet's count leaves the page alone.
  view.currentPage = 5;
  Count(kTestSheet);
  EXPECT_EQ(view.currentPage, 5);
}

TEST_F(PageComposeTest, PageContentsOfBothSheets) {
  FillTestRows(120);
  settings.FormulaPosition = kFormulaOwnPage;
  EXPECT_EQ(PageLayoutOf(store, settings, kTestSheet, 1).content, PageContent::TestGraph);
  EXPECT_EQ(PageLayoutOf(store, settings, kTestSheet, 2).content, PageContent::TestFormula);
  for (int page = 3; page <= 6; ++page) {
    const PageLayout l = PageLayoutOf(store, settings, kTestSheet, page);
    EXPECT_EQ(l.content, PageContent::TestTable);
    EXPECT_EQ(l.tableIndex, page - 2);
  }
  EXPECT_EQ(PageLayoutOf(store, settings, kTestSheet, 7).content, PageContent::Blank);
  EXPECT_EQ(PageLayoutOf(store, settings, kTestSheet, 0).content, PageContent::Blank);

  settings.FormulaPosition = 1;
  EXPECT_EQ(PageLayoutOf(store, settings, kTestSheet, 2).content, PageContent::TestTable);
  EXPECT_EQ(PageLayoutOf(store, settings, kTestSheet, 2).tableIndex, 1);

  EXPECT_EQ(PageLayoutOf(store, settings, kCalibrationSheet, 1).content, PageContent::CalGraph);
  EXPECT_EQ(PageLayoutOf(store, settings, kCalibrationSheet, 2).content, PageContent::CalTable);
  EXPECT_EQ(PageLayoutOf(store, settings, kCalibrationSheet, 3).content, PageContent::Blank);
}

TEST_F(PageComposeTest, ChangingTheSheetShowsPageOneAtTheNextDraw) {
  store.test.Header(hf::GraphTitle) = Sjis("試験グラフ");
  view.lastDrawnSheet = kCalibrationSheet;
  view.currentPage = 2;
  DrawCurrentPage(device, store, settings, view, sink);
  EXPECT_EQ(view.currentPage, 1);
  EXPECT_EQ(view.lastDrawnSheet, kTestSheet);
  EXPECT_EQ(CountTexts("試験グラフ"), 1u);
}

TEST_F(PageComposeTest, PageBeyondTheSheetIsBlank) {
  DrawPage(9);
  EXPECT_EQ(device.beginDrawCount, 1);
  EXPECT_TRUE(device.texts.empty());
  EXPECT_TRUE(device.lines.empty());
  EXPECT_EQ(view.currentPage, 9);  // stays until a navigation command brings it back
}

TEST_F(PageComposeTest, PrintingAPageLeavesTheScreenPageAlone) {
  FillTestRows(50);
  store.test.Header(hf::TableTitle) = Sjis("データ表題");
  view.lastDrawnSheet = kTestSheet;
  view.currentPage = 1;
  DrawPrintedPage(device, store, settings, view, sink, 3);
  EXPECT_EQ(CountTexts("データ表題"), 1u);
  EXPECT_EQ(view.currentPage, 1);
  EXPECT_FALSE(view.printing);

  // Printed right after a change of sheet: the asked page is drawn, the screen goes to page 1.
  device.texts.clear();
  view.lastDrawnSheet = kCalibrationSheet;
  view.currentPage = 2;
  DrawPrintedPage(device, store, settings, view, sink, 3);
  EXPECT_EQ(CountTexts("データ表題"), 1u);
  EXPECT_EQ(view.currentPage, 1);
  EXPECT_EQ(view.lastDrawnSheet, kTestSheet);
}

TEST_F(PageComposeTest, TestGraphPageComposition) {
  store.test.Header(hf::GraphTitle) = Sjis("孔内水平載荷試験");
  store.test.Header(hf::CompanyName) = Sjis("株式会社 試験");
  store.test.Header(hf::PeScaleMax) = "1600";
  DrawPage(1);
  const double hd = FontMm(1);

  const auto title = device.TextsEqual("孔内水平載荷試験");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].x, Px(15 + 90));
  EXPECT_EQ(title[0].y, PageY(1));
  EXPECT_EQ(title[0].align.horizontal, HAlign::Centre);
  EXPECT_EQ(title[0].font.height, 21);  // 16 pt title font

  const auto company = device.TextsEqual("株式会社 試験");
  ASSERT_EQ(company.size(), 1u);
  EXPECT_EQ(company[0].x, Px(15 + 166));
  EXPECT_EQ(company[0].y, PageY(63 + 165 + 3.5 * hd));
  EXPECT_EQ(company[0].align.horizontal, HAlign::Right);
  EXPECT_EQ(company[0].font.height, 14);  // heading font

  // The graph frame 63 mm down, the results table under the heading.
  bool frame_top = false, results_top = false;
  for (const auto& l : device.lines) {
    if (l.y1 == PageY(63 + 5) && l.y2 == l.y1 && l.x1 == Px(15 + 16) && l.x2 == Px(15 + 166)) frame_top = true;
    if (l.y1 == PageY(35) && l.y2 == l.y1 && l.x1 == Px(15 + 5) && l.x2 == Px(15 + 170)) results_top = true;
  }
  EXPECT_TRUE(frame_top);
  EXPECT_TRUE(results_top);
  EXPECT_EQ(CountTexts("静止土圧 Po"), 1u);

  // The device's own font is back and nothing is left remembered.
  EXPECT_EQ(device.font().face, "default");
  EXPECT_EQ(device.saveDepth(), 0);
}

TEST_F(PageComposeTest, FormulaPageHasNoHeadingButTheFormulaAndItsTitle) {
  settings.FormulaPosition = kFormulaOwnPage;
  settings.FormulaLeftMargin = 30;
  settings.FormulaTopMargin = 25;
  store.test.Header(hf::FormulaTitle) = Sjis("計算経過");
  store.test.Header(hf::CompanyName) = Sjis("会社");
  store.test.Header(hf::FormulaPlText) = "Pl = 1200";
  DrawPage(2);
  EXPECT_EQ(CountTexts("会社"), 0u);
  const auto line = device.TextsEqual("Pl = 1200");
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].x, Px(30 + 60));
  EXPECT_EQ(line[0].y, Px(25 + 63 + 20 + 40.0 / 14));
  const auto title = device.TextsEqual("計算経過");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].x, Px(30 + 90));
  EXPECT_EQ(title[0].y, Px(25 + 1));
}

TEST_F(PageComposeTest, TablePagesCarryTheirOwnMarginsFooterAndRows) {
  settings.TableLeftMargin = 25;
  settings.TableTopMargin = 10;
  FillTestRows(45);
  store.test.Header(hf::TableTitle) = Sjis("データ");
  store.test.Header(hf::CompanyName) = Sjis("会社");
  store.test.Header(hf::TableFooterPrefix) = "(";
  store.test.Header(hf::TableFooterPage) = "1";
  store.test.Header(hf::TableFooterSuffix) = ")";
  DrawPage(3);  // second table page
  const double hd = FontMm(1);
  EXPECT_EQ(CountTexts("(2)"), 1u);
  const auto company = device.TextsEqual("会社");
  ASSERT_EQ(company.size(), 1u);
  EXPECT_EQ(company[0].x, Px(25 + 175));
  EXPECT_EQ(company[0].y, Px(10 + 44 + 190 + 1.5 * hd));
  const auto title = device.TextsEqual("データ");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].x, Px(25 + 90));
  // Rows 41 ... 45 on this page: "450" is there, "400" (row 40) is not.
  EXPECT_EQ(CountTexts(" 450"), 1u);
  EXPECT_EQ(CountTexts(" 400"), 0u);
}

TEST_F(PageComposeTest, CalibrationPages) {
  store.currentSheet = kCalibrationSheet;
  store.calibration.Header(hf::GraphTitle) = Sjis("キャリブレーション");
  store.calibration.Header(hf::TableTitle) = Sjis("キャリブレーション表");
  store.calibration.Header(hf::CompanyName) = Sjis("会社");
  store.test.Header(hf::CompanyName) = Sjis("別の会社");
  store.calibration.Cal(1, cf::Pressure) = "150";
  store.calibration.Cal(1, cf::H) = "40";
  const double hd = FontMm(1);

  DrawPage(1);
  EXPECT_EQ(CountTexts("キャリブレーション"), 1u);
  EXPECT_EQ(CountTexts("別の会社"), 0u);
  auto company = device.TextsEqual("会社");
  ASSERT_EQ(company.size(), 1u);
  EXPECT_EQ(company[0].y, PageY(46 + 165 + 3.5 * hd));
  ASSERT_EQ(device.ellipses.size(), 1u);
  EXPECT_EQ((device.ellipses[0].top + device.ellipses[0].bottom) / 2, PageY(46 + 85));

  device.texts.clear();
  DrawPage(2);
  EXPECT_EQ(CountTexts("キャリブレーション表"), 1u);
  company = device.TextsEqual("会社");
  ASSERT_EQ(company.size(), 1u);
  EXPECT_EQ(company[0].x, Px(15 + 175));
  EXPECT_EQ(company[0].y, PageY(45 + 190 + 1.5 * hd));
  EXPECT_EQ(CountTexts(" 150"), 1u);
}

TEST_F(PageComposeTest, NavigationStaysWithinTheSheet) {
  FillTestRows(10);  // two pages
  view.currentPage = 1;
  GoToNextPage(store, settings, view);
  EXPECT_EQ(view.currentPage, 2);
  GoToNextPage(store, settings, view);
  EXPECT_EQ(view.currentPage, 2);  // no wrap
  GoToPreviousPage(store, settings, view);
  GoToPreviousPage(store, settings, view);
  EXPECT_EQ(view.currentPage, 1);

  view.currentPage = 7;  // beyond the sheet, e.g. after rows were deleted
  GoToNextPage(store, settings, view);
  EXPECT_EQ(view.currentPage, 2);
  view.currentPage = 7;
  GoToPreviousPage(store, settings, view);
  EXPECT_EQ(view.currentPage, 1);

  view.printing = true;
  GoToNextPage(store, settings, view);
  EXPECT_EQ(view.currentPage, 1);
  view.printing = false;

  GoToTablePage(store, settings, view);
  EXPECT_EQ(view.currentPage, 2);
  settings.FormulaPosition = kFormulaOwnPage;
  GoToTablePage(store, settings, view);
  EXPECT_EQ(view.currentPage, 3);
  store.currentSheet = kCalibrationSheet;
  GoToTablePage(store, settings, view);
  EXPECT_EQ(view.currentPage, 2);
  GoToGraphPage(view);
  EXPECT_EQ(view.currentPage, 1);
}

}  // namespace
}  // namespace vek::testing
