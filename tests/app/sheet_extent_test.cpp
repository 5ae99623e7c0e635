// The measured extent of a sheet against the ink of the same page drawn for real: whatever reaches
// furthest right or down on paper (a rule, a rotated label, the company name of the footer) must be
// inside the measurement, and the measurement must not reach much past the ink.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>

#include "app/batch_pipeline.h"
#include "core/messages.h"
#include "qt/extent_draw_device.h"
#include "qt/qt_draw_device.h"
#include "render/page_compose.h"
#include "render/view_state.h"
#include "support/temp_dir.h"

namespace vek::testing {
namespace {

constexpr int kDpi = 100;

// One past the right-most and bottom-most pixel that is not white.
QPoint InkReach(const QImage& image) {
  QPoint reach(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(row[x]) > 250) continue;
      reach.setX(std::max(reach.x(), x + 1));
      reach.setY(y + 1);
    }
  }
  return reach;
}

TEST(SheetExtent, EveryPageOfBothSamplesReachesAsFarAsItsInk) {
  TempHome home;
  for (const char* name : {"test-sample.vdw", "cal-sample.cdw"}) {
    RecordStore store;
    SheetSettings settings;
    NullMessageSink sink;
    ASSERT_EQ(LoadAndProcessForBatch({}, (std::filesystem::path(VEK_SAMPLES_DIR) / name).string(), store, settings, sink), 0);
    ViewState view;
    view.lastDrawnSheet = store.currentSheet;
    const int pages = PageCount(store, settings, view, store.currentSheet);
    ASSERT_GE(pages, 1);
    for (int page = 1; page <= pages; ++page) {
      SCOPED_TRACE(std::string(name) + " page " + std::to_string(page));
      ExtentDrawDevice measured(kDpi, kDpi);
      DrawPrintedPage(measured, store, settings, view, sink, page);

      // A page larger than A4 at this resolution, so that nothing is cut off.
      QImage image(1200, 1600, QImage::Format_RGB32);
      image.fill(Qt::white);
      {
        QPainter painter(&image);
        QtDrawDevice device(painter, kDpi, kDpi);
        DrawPrintedPage(device, store, settings, view, sink, page);
      }
      const QPoint ink = InkReach(image);
      ASSERT_GT(ink.y(), 0);
      // Inside the measurement (a pixel for rounding), and no more than 1.5 mm short of it.
      const double slack = 1.5 * kDpi / 25.4;
      EXPECT_LE(ink.x(), measured.Right() + 1);
      EXPECT_LE(ink.y(), measured.Bottom() + 1);
      EXPECT_GE(ink.x(), measured.Right() - slack);
      EXPECT_GE(ink.y(), measured.Bottom() - slack);
    }
  }
}

}  // namespace
}  // namespace vek::testing
