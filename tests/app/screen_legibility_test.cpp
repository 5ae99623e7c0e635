// The sheet on a ~96-dpi screen at the default zoom: every digit of the sheet's fonts keeps a
// shape of its own ("8" is not "3", "6" is not "5"), since a misread number is worse than none.
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "app_fixture.h"
#include "qt/qt_draw_device.h"
#include "render/page_placement.h"
#include "render/primitives.h"
#include "support/recording_device.h"

namespace vek::testing {
namespace {

// A digit as the view draws it, cropped to its cell: 0 = white ... 255 = full ink.
std::vector<int> Glyph(const FontSpec& font, char digit, int dpi) {
  const int size = font.height * 2;
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtDrawDevice device(painter, dpi, dpi);
    device.SetScreenText(true);
    device.SelectFont(font);
    device.SetTextAlign(TextAlign{HAlign::Left, VAlign::Top, false});
    device.TextOut(2, 2, std::string(1, digit));
  }
  std::vector<int> ink;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) ink.push_back(255 - qGray(image.pixel(x, y)));
  return ink;
}

// How far two glyphs are apart, in pixels of full ink: the summed difference of their ink. At the
// sheet's 1:1 size (digits 6-8 px tall, unhinted) "3" and "8" are 2-3 pixels apart, which is what
// reads as the same digit.
double InkDistance(const std::vector<int>& a, const std::vector<int>& b) {
  long sum = 0;
  for (size_t i = 0; i < a.size(); ++i) sum += std::abs(a[i] - b[i]);
  return sum / 255.0;
}
constexpr double kDistinct = 6.0;

class ScreenLegibilityTest : public FrameTest {};

TEST_F(ScreenLegibilityTest, DigitsOfEverySheetFontAreDistinctAtTheDefaultZoom) {
  ASSERT_TRUE(MakeFrame().StartWithFile(std::filesystem::path(VEK_SAMPLES_DIR) / "test-sample.vdw"));
  frame->resize(1100, 800);  // a window on a small 96-dpi screen: the default zoom stays 1:1 or more
  ShowAndPaint();
  CVekView& view = frame->View();
  ASSERT_EQ(view.logicalDpiY(), 96);
  ASSERT_GE(view.Zoom(), 1.0);
  const int dpi = view.PageDpiY();
  if (const char* shots = std::getenv("VEK_SHOT_DIR")) view.grab().save(QString::fromLocal8Bit(shots) + "/view-default.png");

  // The role fonts as the page draws them at this resolution.
  RecordingDevice probe(dpi, dpi);
  SheetCanvas canvas(probe, settings, store, sink);
  canvas.placement.SetResolution(dpi, dpi);
  const std::string digits = "0123456789";
  for (int role = 1; role <= kRoleFontCount; ++role) {
    ASSERT_TRUE(SelectRoleFont(canvas, role, 0));
    const FontSpec font = canvas.fontSpec;
    std::vector<std::vector<int>> glyphs;
    for (char d : digits) glyphs.push_back(Glyph(font, d, dpi));
    for (size_t a = 0; a < digits.size(); ++a)
      for (size_t b = a + 1; b < digits.size(); ++b)
        EXPECT_GE(InkDistance(glyphs[a], glyphs[b]), kDistinct)
            << "role " << role << " (" << font.height << " px): " << digits[a] << " vs " << digits[b];
  }
}

}  // namespace
}  // namespace vek::testing
