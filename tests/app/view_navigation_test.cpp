// The view: page buttons and keys, sheet changes, scroll sizes and the drawn page.
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include "app/commands.h"
#include "core/header_fields.h"
#include "app_fixture.h"

namespace vek::testing {
namespace {

class ViewNavigationTest : public FrameTest {
 protected:
  // A shown window with a test of `rows` steps loaded.
  void StartWithRows(int rows) {
    ASSERT_TRUE(MakeFrame().StartWithFile(WriteTestFileTo(home / "t.vdw", rows)));
    ShowAndPaint();
  }
  void Key(int key) { QTest::keyClick(&frame->View(), static_cast<Qt::Key>(key)); }
  int Page() { return View().currentPage; }
};

TEST_F(ViewNavigationTest, ButtonsStayWithinThePagesAndDoNotWrap) {
  StartWithRows(45);  // 3 pages: graph, two table pages
  frame->RunCommand(kCmdPrevPage);
  EXPECT_EQ(Page(), 1);
  frame->RunCommand(kCmdNextPage);
  frame->RunCommand(kCmdNextPage);
  EXPECT_EQ(Page(), 3);
  EXPECT_EQ(PaintsAfter([&] { frame->RunCommand(kCmdNextPage); }), 1);  // redrawn, not moved
  EXPECT_EQ(Page(), 3);
  frame->RunCommand(kCmdGraphPage);
  EXPECT_EQ(Page(), 1);
  frame->RunCommand(kCmdTablePage);
  EXPECT_EQ(Page(), 2);

  // Formula on its own page: one page more, the table starts on page 3.
  settings.FormulaPosition = 2;
  frame->RunCommand(kCmdGraphPage);
  frame->RunCommand(kCmdTablePage);
  EXPECT_EQ(Page(), 3);
  for (int i = 0; i < 5; ++i) frame->RunCommand(kCmdNextPage);
  EXPECT_EQ(Page(), 4);
  // ...but not on the calibration sheet.
  store.currentSheet = kCalibrationSheet;
  frame->RunCommand(kCmdTablePage);
  EXPECT_EQ(Page(), 2);
}

TEST_F(ViewNavigationTest, PageKeysMoveByOnePageToItsTopAndScrollOnTheLastPage) {
  StartWithRows(39);  // 2 pages
  frame->View().resize(400, 300);
  QApplication::processEvents();
  QScrollBar* bar = frame->View().verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);

  bar->setValue(50);
  EXPECT_EQ(PaintsAfter([&] { Key(Qt::Key_PageDown); }), 1);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(bar->value(), 0);  // a new page starts at its top
  Key(Qt::Key_PageDown);       // last page: stays, still redraws and scrolls by a page
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(bar->value(), kPageScrollY);
  Key(Qt::Key_Down);
  EXPECT_EQ(bar->value(), kPageScrollY + kLineScrollY);
  Key(Qt::Key_Up);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(PaintsAfter([&] { Key(Qt::Key_PageUp); }), 1);
  EXPECT_EQ(Page(), 1);
  Key(Qt::Key_Right);  // other keys only scroll
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(frame->View().horizontalScrollBar()->value(), kLineScrollX);
}

TEST_F(ViewNavigationTest, PageBeyondTheCountFirstReturnsToPageOne) {
  StartWithRows(45);
  View().currentPage = 3;
  // Rows deleted: 10 left, so 2 pages.
  for (int i = 11; i <= 45; ++i) store.test.Test(i, 1).clear();
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Page(), 2);
  View().currentPage = 7;
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Page(), 1);
  View().currentPage = 7;
  frame->RunCommand(kCmdNextPage);
  EXPECT_EQ(Page(), 2);
  View().currentPage = 7;
  frame->RunCommand(kCmdPrevPage);
  EXPECT_EQ(Page(), 1);
}

TEST_F(ViewNavigationTest, NavigationIsIgnoredWhilePrinting) {
  StartWithRows(45);
  View().printing = true;
  QScrollBar* bar = frame->View().verticalScrollBar();
  const int scrolled = bar->value();
  Key(Qt::Key_PageDown);
  frame->RunCommand(kCmdNextPage);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(bar->value(), scrolled);  // the key is swallowed
  View().printing = false;
  frame->RunCommand(kCmdNextPage);
  EXPECT_EQ(Page(), 2);
}

TEST_F(ViewNavigationTest, SheetChangeShowsPageOneOfTheOtherSheet) {
  StartWithRows(45);
  frame->RegisterFormCommand(kCmdCalHeader, [](QWidget*) { return FormOutcome{}; });
  frame->RunCommand(kCmdNextPage);
  frame->RunCommand(kCmdNextPage);
  ASSERT_EQ(Page(), 3);
  frame->RunCommand(kCmdCalHeader);
  frame->View().viewport()->repaint();
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(View().lastDrawnSheet, kCalibrationSheet);
  frame->RunCommand(kCmdNextPage);
  EXPECT_EQ(Page(), 2);
  // Back to the test sheet through a loaded file: page 1 again.
  ASSERT_TRUE(frame->OpenDocumentFile(home / "t.vdw"));
  frame->View().viewport()->repaint();
  EXPECT_EQ(Page(), 1);
}

TEST_F(ViewNavigationTest, ScrollAreaIsOnePageOfDeviceUnits) {
  StartWithRows(5);
  CVekView& view = frame->View();
  view.resize(500, 400);
  QApplication::processEvents();
  const QSize area = view.viewport()->size();
  EXPECT_EQ(view.horizontalScrollBar()->maximum(), kScrollWidth - area.width());
  EXPECT_EQ(view.verticalScrollBar()->maximum(), kScrollHeight - area.height());
  EXPECT_EQ(view.horizontalScrollBar()->singleStep(), 25);
  EXPECT_EQ(view.verticalScrollBar()->singleStep(), 36);
  EXPECT_EQ(view.horizontalScrollBar()->pageStep(), 103);
  EXPECT_EQ(view.verticalScrollBar()->pageStep(), 146);
}

// The page appears on white; the graph page and a table page differ, and a page beyond the count is
// blank. Set VEK_SCREENSHOT_DIR to keep the window grabs.
TEST_F(ViewNavigationTest, DrawsThePageOnWhite) {
  StartWithRows(25);
  frame->View().resize(900, 1200);
  QApplication::processEvents();
  auto grab = [&](const char* name) {
    frame->View().viewport()->repaint();
    QImage image = frame->View().viewport()->grab().toImage();
    if (const char* dir = std::getenv("VEK_SCREENSHOT_DIR"))
      frame->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    return image.convertToFormat(QImage::Format_RGB32);
  };
  auto inkShare = [](const QImage& image) {
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != qRgb(255, 255, 255);
    return double(ink) / (double(image.width()) * image.height());
  };
  const QImage graph = grab("graph-page");
  EXPECT_EQ(graph.pixel(graph.width() - 1, graph.height() - 1), qRgb(255, 255, 255));
  EXPECT_GT(inkShare(graph), 0.005);
  frame->RunCommand(kCmdTablePage);
  const QImage table = grab("table-page");
  EXPECT_GT(inkShare(table), 0.005);
  EXPECT_NE(graph, table);
  View().currentPage = 9;
  EXPECT_EQ(inkShare(grab("blank")), 0.0);
}

// The bundled sample in the window as the user sees it: a graph page with the measured points and
// its table page. VEK_SCREENSHOT_DIR keeps the grabs of the whole window.
TEST_F(ViewNavigationTest, BundledSampleShowsGraphAndTablePages) {
  const std::filesystem::path sample = std::filesystem::path(VEK_SAMPLES_DIR) / "test-sample.vdw";
  ASSERT_TRUE(MakeFrame().StartWithFile(sample));
  ShowAndPaint();
  ASSERT_GT(store.CountDataRows(tf::Pressure), 0);
  ASSERT_FALSE(store.test.Test(1, tf::Pe).empty());
  auto grab = [&](const char* name) {
    frame->View().viewport()->repaint();
    if (const char* dir = std::getenv("VEK_SCREENSHOT_DIR"))
      frame->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    return frame->View().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  };
  const QImage graph = grab("sample-graph-page");
  frame->RunCommand(kCmdTablePage);
  const QImage table = grab("sample-table-page");
  EXPECT_EQ(Page(), 2);
  EXPECT_NE(graph, table);
  // Scrolled to the end, the bottom of the page is reached.
  frame->View().verticalScrollBar()->setValue(frame->View().verticalScrollBar()->maximum());
  grab("sample-table-page-bottom");
}

}  // namespace
}  // namespace vek::testing
