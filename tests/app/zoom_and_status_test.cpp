// Zoom of the view, "where am I" in the status bar and for screen readers, and the window state
// kept between runs.
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/commands.h"
#include "app_fixture.h"

namespace vek::testing {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

TEST(ZoomSteps, StepThroughTheListAndStopAtItsEnds) {
  EXPECT_DOUBLE_EQ(NextZoomStep(1.0, true), 1.1);
  EXPECT_DOUBLE_EQ(NextZoomStep(1.0, false), 0.9);
  EXPECT_DOUBLE_EQ(NextZoomStep(1.93, true), 2.0);   // a fitted zoom goes to the next step
  EXPECT_DOUBLE_EQ(NextZoomStep(1.93, false), 1.75);
  EXPECT_DOUBLE_EQ(NextZoomStep(4.0, true), 4.0);
  EXPECT_DOUBLE_EQ(NextZoomStep(0.5, false), 0.33);
  EXPECT_DOUBLE_EQ(NextZoomStep(0.25, false), 0.25);
  // Fit width never goes below 1:1; fit page shows the whole page.
  EXPECT_DOUBLE_EQ(FittedZoom(ZoomMode::FitWidth, 500, 400, 15), 1.0);
  EXPECT_DOUBLE_EQ(FittedZoom(ZoomMode::FitWidth, 1677 + 15, 900, 15), 2.0 + 15.0 / 831);
  EXPECT_NEAR(FittedZoom(ZoomMode::FitPage, 1600, 1171, 15), 1.0, 1e-3);
  EXPECT_NEAR(FittedZoom(ZoomMode::FitPage, 1600, 585, 15), 0.5, 0.01);
}

class ZoomTest : public FrameTest {
 protected:
  void StartWithRows(int rows) { ASSERT_TRUE(MakeFrame().StartWithFile(WriteTestFileTo(home / "t.vdw", rows))); }
  CVekView& V() { return frame->View(); }
  // The window shown at this size; the view fills it below the bars.
  void ShowAt(int width, int height) {
    ShowAndPaint();
    frame->resize(width, height);
    QApplication::processEvents();
    QApplication::processEvents();
  }
};

TEST_F(ZoomTest, DefaultFillsTheWidthButNeverShrinksBelowOneToOne) {
  StartWithRows(3);
  EXPECT_EQ(V().ZoomModeInUse(), ZoomMode::FitWidth);
  ShowAt(500, 400);
  EXPECT_DOUBLE_EQ(V().Zoom(), 1.0);
  ShowAt(1720, 900);
  EXPECT_GT(V().Zoom(), 1.9);
  EXPECT_NEAR(V().Zoom() * kScrollWidth, V().maximumViewportSize().width() - V().verticalScrollBar()->sizeHint().width(),
              1.0);
  EXPECT_EQ(V().PageDpiX(), int(std::lround(V().logicalDpiX() * V().Zoom())));
}

TEST_F(ZoomTest, KeysWheelAndMenuChangeTheZoom) {
  StartWithRows(3);
  ShowAt(600, 900);
  EXPECT_TRUE(frame->ZoomInAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Plus)));
  EXPECT_TRUE(frame->ZoomOutAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Minus)));
  EXPECT_TRUE(frame->ActualSizeAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_0)));
  frame->ZoomInAction()->trigger();
  EXPECT_DOUBLE_EQ(V().Zoom(), 1.1);
  EXPECT_EQ(V().ZoomModeInUse(), ZoomMode::Fixed);
  frame->ZoomOutAction()->trigger();
  frame->ZoomOutAction()->trigger();
  EXPECT_DOUBLE_EQ(V().Zoom(), 0.9);
  frame->ActualSizeAction()->trigger();
  EXPECT_DOUBLE_EQ(V().Zoom(), 1.0);

  QWheelEvent up(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                 Qt::NoScrollPhase, false);
  QApplication::sendEvent(V().viewport(), &up);
  EXPECT_DOUBLE_EQ(V().Zoom(), 1.1);
  const int scrolled = V().verticalScrollBar()->value();
  QWheelEvent plain(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(V().viewport(), &plain);
  EXPECT_DOUBLE_EQ(V().Zoom(), 1.1);  // without Ctrl the wheel scrolls
  EXPECT_GT(V().verticalScrollBar()->value(), scrolled);

  frame->ZoomAction(ZoomMode::FitPage)->trigger();
  EXPECT_EQ(V().ZoomModeInUse(), ZoomMode::FitPage);
  EXPECT_LE(V().Zoom() * kScrollHeight, V().maximumViewportSize().height() + 1);
}

// At 1366 x 768 the window's view is about 1170 x 520 pixels: the whole page is below half size,
// centred, without scroll bars; Ctrl+- goes on below 1:1.
TEST_F(ZoomTest, WholePageIsCentredWithoutScrollBarsAndCtrlMinusGoesBelowOneToOne) {
  StartWithRows(3);
  ShowAt(1174, 614);
  frame->ZoomAction(ZoomMode::FitPage)->trigger();
  QApplication::processEvents();
  const QSize area = V().viewport()->size();
  const QSize page(int(std::lround(kScrollWidth * V().Zoom())), int(std::lround(kScrollHeight * V().Zoom())));
  EXPECT_LT(V().Zoom(), 0.5);
  EXPECT_LE(page.height(), area.height());
  EXPECT_GE(page.height(), area.height() - 2);
  EXPECT_EQ(V().verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(V().horizontalScrollBar()->maximum(), 0);
  EXPECT_FALSE(V().verticalScrollBar()->isVisible());
  EXPECT_FALSE(V().horizontalScrollBar()->isVisible());
  EXPECT_EQ(V().PageOrigin().x(), (area.width() - page.width()) / 2);
  EXPECT_GT(V().PageOrigin().x(), 100);

  V().SetZoomMode(ZoomMode::FitWidth);
  V().SetZoom(1.0);
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  for (double expected : {0.9, 0.75, 0.67, 0.5}) {
    QTest::keyClick(&V(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(V().Zoom(), expected);
  }
}

// The page rules hold at every zoom: the scroll sizes grow with the page, the page keys move by
// one page, and a new page starts at its top.
TEST_F(ZoomTest, PageRulesAtOneAndTwoTimes) {
  StartWithRows(45);  // 3 pages
  ShowAt(600, 500);
  for (double zoom : {1.0, 2.0}) {
    V().SetZoom(zoom);
    frame->RunCommand(kCmdGraphPage);
    const QSize area = V().viewport()->size();
    QScrollBar* bar = V().verticalScrollBar();
    EXPECT_EQ(V().horizontalScrollBar()->maximum(), int(std::lround(kScrollWidth * zoom)) - area.width()) << zoom;
    EXPECT_EQ(bar->maximum(), int(std::lround(kScrollHeight * zoom)) - area.height()) << zoom;
    EXPECT_EQ(bar->pageStep(), int(std::lround(kPageScrollY * zoom))) << zoom;
    EXPECT_EQ(bar->singleStep(), int(std::lround(kLineScrollY * zoom))) << zoom;

    bar->setValue(bar->maximum());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(&V(), &down);
    EXPECT_EQ(View().currentPage, 2) << zoom;
    EXPECT_EQ(bar->value(), 0) << zoom;
    bar->setValue(40);
    frame->RunCommand(kCmdNextPage);
    EXPECT_EQ(View().currentPage, 3) << zoom;
    EXPECT_EQ(bar->value(), 0) << zoom;
    bar->setValue(40);
    frame->RunCommand(kCmdNextPage);  // the last page stays where it is
    EXPECT_EQ(bar->value(), 40) << zoom;
    frame->RunCommand(kCmdTablePage);
    EXPECT_EQ(View().currentPage, 2) << zoom;
    EXPECT_EQ(bar->value(), 0) << zoom;
  }
}

TEST_F(ZoomTest, StatusBarAndScreenReadersSayPageAndZoom) {
  StartWithRows(45);
  ShowAt(600, 500);
  V().SetZoom(1.5);
  frame->RunCommand(kCmdNextPage);
  QApplication::processEvents();
  V().viewport()->repaint();
  EXPECT_EQ(frame->WhereText(), U("ページ 2 / 3    倍率 150%"));
  EXPECT_EQ(V().accessibleDescription(), U("ページ 2 / 3    倍率 150%"));
  EXPECT_FALSE(V().accessibleName().isEmpty());
}

TEST_F(ZoomTest, ZoomAndWindowGeometryComeBackInTheNextRun) {
  StartWithRows(3);
  ShowAndPaint();
  frame->resize(700, 500);
  frame->move(40, 30);
  V().SetZoom(1.75);
  frame->close();
  MakeFrame();
  EXPECT_EQ(V().ZoomModeInUse(), ZoomMode::Fixed);
  EXPECT_DOUBLE_EQ(V().Zoom(), 1.75);
  EXPECT_EQ(frame->size(), QSize(700, 500));

  frame->ZoomAction(ZoomMode::FitWidth)->trigger();
  frame->close();
  MakeFrame();
  EXPECT_EQ(V().ZoomModeInUse(), ZoomMode::FitWidth);
}

}  // namespace
}  // namespace vek::testing
