// The measuring device skips shaping a left-aligned text whose width cannot matter; what it reports
// must still be exactly how far the texts reach, and a drawing measured on its way to another device
// must arrive there unchanged.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "qt/extent_draw_device.h"
#include "qt/qt_draw_device.h"

namespace vek {
namespace {

constexpr int kCell = 100;

void Prepare(DrawDevice& d) {
  d.SelectFont({kCell, 0, "IPAMincho"});
  d.SetTextAlign({HAlign::Left, VAlign::Top, false});
  d.SelectPen({PenStyle::Solid, 2, kBlack});
  d.MoveTo(0, 0);
  d.LineTo(3000, 0);  // reaches 3001
}

double Advance(const char* text) {
  return TextAdvance(FontForCellHeight(QStringLiteral("IPAMincho"), kCell, nullptr), QString::fromLatin1(text), nullptr);
}

TEST(ExtentDrawDevice, LeftAlignedTextsReachExactlyAsFarAsTheirAdvance) {
  ExtentDrawDevice d(600, 600);
  Prepare(d);
  d.TextOut(100, 10, "12.5");                                           // far inside the rule
  d.TextOut(static_cast<int>(3001 - Advance("iiii") - 3), 10, "iiii");  // its bound reaches past, it does not
  EXPECT_DOUBLE_EQ(d.Right(), 3001);
  d.TextOut(2900, 10, "ABCDEFGHIJ");
  EXPECT_DOUBLE_EQ(d.Right(), 2900 + Advance("ABCDEFGHIJ"));
}

TEST(ExtentDrawDevice, MeasuresWhatItHandsOnAndChangesNothingOfIt) {
  auto draw = [](DrawDevice& d) {
    Prepare(d);
    d.TextOut(2900, 10, "ABC");
    d.SetTextAlign({HAlign::Right, VAlign::Bottom, false});
    d.TextOut(1500, 800, "Pe=12.5");
    d.Ellipse(3100, 900, 3300, 1100);
  };
  QImage direct(3400, 1200, QImage::Format_RGB32), measured(3400, 1200, QImage::Format_RGB32);
  direct.fill(Qt::white);
  measured.fill(Qt::white);
  {
    QPainter p(&direct);
    QtDrawDevice d(p, 600, 600);
    draw(d);
  }
  ExtentDrawDevice alone(600, 600);
  draw(alone);
  {
    QPainter p(&measured);
    QtDrawDevice d(p, 600, 600);
    ExtentDrawDevice on(d);
    draw(on);
    EXPECT_DOUBLE_EQ(on.Right(), alone.Right());
    EXPECT_DOUBLE_EQ(on.Bottom(), alone.Bottom());
    EXPECT_DOUBLE_EQ(on.Right(), 3301);  // the ellipse with half its pen
  }
  EXPECT_TRUE(measured == direct);
}

}  // namespace
}  // namespace vek
