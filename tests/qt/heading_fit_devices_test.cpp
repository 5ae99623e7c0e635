// The header forms say which heading values will print smaller by measuring the sheet with the
// measuring device; the printer and the PDF draw it with the drawing device. Both must find the same
// values too long for their place, also at the lengths where a value just fits.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "qt/extent_draw_device.h"
#include "qt/qt_draw_device.h"
#include "render/page_compose.h"

namespace vek {
namespace {

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(HeadingFitOnDevices, TheMeasuringDeviceFlagsWhatThePdfDrawsSmaller) {
  SheetSettings settings;
  for (RoleFont& font : settings.fonts) font = {11.0, Sjis("ＭＳ 明朝")};  // the factory fonts
  QBuffer sink;
  sink.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&sink);
  pdf.setResolution(600);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  QPainter painter(&pdf);
  QtDrawDevice drawing(painter, 600, 600);

  for (int sheet : {kTestSheet, kCalibrationSheet}) {
    Record record;
    size_t flaggedLengths = 0;
    for (int n = 20; n <= 60; ++n) {
      record.Header(hf::SurveyName) = Repeat(Sjis("北"), n);
      record.Header(hf::Engineer) = Repeat("Ab", n / 2);
      ExtentDrawDevice measuring(600, 600);
      const std::vector<HeadingFields> measured = CondensedHeadingValues(measuring, settings, record, sheet);
      EXPECT_EQ(measured, CondensedHeadingValues(drawing, settings, record, sheet)) << "sheet " << sheet << ", " << n;
      if (!measured.empty()) ++flaggedLengths;
    }
    // The lengths run across the border between fitting and printing smaller.
    EXPECT_GT(flaggedLengths, 0u) << sheet;
    EXPECT_LT(flaggedLengths, 41u) << sheet;
  }
  painter.end();
}

}  // namespace
}  // namespace vek
