// The Qt drawing device on images of printer resolution: pen widths in device pixels, width 0,
// cell-height fonts, alignment against the cell, escapement, unclipped centred text, transparent
// text background and the face substitution. A page of heading, results and data table is drawn
// too; set VEK_SAVE_RENDER to a folder to keep it as PNG for inspection.
#include <gtest/gtest.h>

#include "support/example_heading.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "qt/qt_draw_device.h"
#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/data_table.h"
#include "render/heading_block.h"
#include "render/page_footer.h"
#include "render/primitives.h"
#include "render/results_table.h"

namespace vek {
namespace {

QImage WhitePage(int w, int h, int dpi, QColor fill = Qt::white) {
  QImage image(w, h, QImage::Format_RGB32);
  image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
  image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
  image.fill(fill);
  return image;
}

bool Ink(QRgb p) { return qGray(p) < 128; }

// Bounding box of the dark pixels (null when there are none).
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Ink(image.pixel(x, y))) box = box.united(QRect(x, y, 1, 1));
  return box;
}

int InkRunAtColumn(const QImage& image, int x) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) n += Ink(image.pixel(x, y)) ? 1 : 0;
  return n;
}

struct Sheet {
  SheetSettings settings;
  RecordStore store;
  RecordingMessageSink sink;
  Sheet() {
    for (auto& f : settings.fonts) {
      f.size = 10.5;
      f.face = Sjis("ＭＳ 明朝");
    }
  }
};

TEST(QtDrawDeviceTest, ReadsTheResolutionOfItsDevice) {
  QImage image = WhitePage(10, 10, 600);
  QPainter painter(&image);
  QtDrawDevice device(painter);
  EXPECT_EQ(device.LogicalDpiX(), 600);
  EXPECT_EQ(device.LogicalDpiY(), 600);
}

TEST(QtDrawDeviceTest, HalfMillimetreLineKeepsItsWidthAtAnyResolution) {
  Sheet s;
  double width_mm[2];
  int row[2];
  const int dpis[2] = {300, 600};
  for (int i = 0; i < 2; ++i) {
    const int dpi = dpis[i];
    QImage image = WhitePage(dpi * 2, dpi, dpi);
    {
      QPainter painter(&image);
      QtDrawDevice device(painter);
      SheetCanvas c(device, s.settings, s.store, s.sink);
      PrepareDraw(c);
      c.placement.leftMargin = 0;
      c.placement.topMargin = 0;
      const int px = int(std::lround(0.5 * c.placement.pxPerMmY));  // 6 and 12 px
      DrawLineMm(c, 5, 10, 40, 10, PenStyle::Solid, px, kBlack);
      row[i] = MmToDeviceY(c, 10);
    }
    const int run = InkRunAtColumn(image, dpi);  // 25.4 mm from the left
    width_mm[i] = run * 25.4 / dpi;
    const QRect box = InkBox(image);
    EXPECT_LE(box.top(), row[i]);
    EXPECT_GE(box.bottom(), row[i]);
  }
  EXPECT_NEAR(width_mm[0], 0.5, 0.05);
  EXPECT_NEAR(width_mm[1], 0.5, 0.05);
  EXPECT_NEAR(width_mm[0], width_mm[1], 0.05);
}

TEST(QtDrawDeviceTest, WidthZeroDrawsNothing) {
  QImage image = WhitePage(100, 100, 96);
  {
    QPainter painter(&image);
    QtDrawDevice device(painter);
    DrawLine(device, 10, 10, 90, 90, PenStyle::Solid, 0, kBlack);
    DrawCircle(device, 50, 50, 20, PenStyle::Solid, 0, kBlack);
    device.SelectPen({PenStyle::Solid, 0, kBlack});
    device.MoveTo(0, 50);
    device.LineTo(100, 50);
    device.Ellipse(10, 10, 90, 90);
  }
  EXPECT_TRUE(InkBox(image).isNull());
}

TEST(QtDrawDeviceTest, CircleSpansTheRadiusAroundItsCentre) {
  QImage image = WhitePage(200, 200, 96);
  {
    QPainter painter(&image);
    QtDrawDevice device(painter);
    DrawCircle(device, 100, 80, 40, PenStyle::Solid, 1, kBlack);
  }
  const QRect box = InkBox(image);
  EXPECT_NEAR(box.left(), 60, 1);
  EXPECT_NEAR(box.right(), 140, 1);
  EXPECT_NEAR(box.top(), 40, 1);
  EXPECT_NEAR(box.bottom(), 120, 1);
  EXPECT_FALSE(Ink(image.pixel(100, 80)));  // outline only
}

TEST(QtDrawDeviceTest, FontHeightIsTheCellHeight) {
  for (int h : {14, 40, 87}) {
    const QFont f = FontForCellHeight(QStringLiteral("IPAMincho"), h, nullptr);
    const QFontMetricsF m(f);
    EXPECT_NEAR(m.ascent() + m.descent(), h, 1.0) << h;
  }
}

TEST(QtDrawDeviceTest, WindowsJapaneseFacesAreDrawnWithTheIpaFaces) {
  auto sub = [](const char* utf8) { return SubstituteFaceName(QString::fromUtf8(utf8)); };
  EXPECT_EQ(sub("ＭＳ 明朝"), "IPAMincho");
  EXPECT_EQ(sub("ＭＳ　明朝"), "IPAMincho");
  EXPECT_EQ(sub("MS 明朝"), "IPAMincho");
  EXPECT_EQ(sub("ＭＳ Ｐ明朝"), "IPAPMincho");
  EXPECT_EQ(sub("ＭＳ ゴシック"), "IPAGothic");
  EXPECT_EQ(sub("MS Pゴシック"), "IPAPGothic");
  EXPECT_EQ(sub("MS Gothic"), "IPAGothic");
  EXPECT_EQ(sub("Arial"), "Arial");

  QImage image = WhitePage(50, 50, 96);
  QPainter painter(&image);
  QtDrawDevice device(painter);
  ASSERT_TRUE(device.SelectFont({20, 0, Sjis("ＭＳ ゴシック")}));
  EXPECT_EQ(QFontInfo(device.font()).family(), "IPAGothic");
  EXPECT_FALSE(device.SelectFont({0, 0, Sjis("ＭＳ ゴシック")}));
  EXPECT_EQ(QFontInfo(device.font()).family(), "IPAGothic");  // unchanged
}

class TextPlacementTest : public ::testing::Test {
 protected:
  QImage Draw(TextAlign align, int escapement, const char* utf8, QColor fill = Qt::white) {
    QImage image = WhitePage(400, 400, 300, fill);
    QPainter painter(&image);
    QtDrawDevice device(painter);
    device.BeginDraw();
    EXPECT_TRUE(device.SelectFont({60, escapement, Sjis("ＭＳ 明朝")}));
    device.SetTextAlign(align);
    device.TextOut(200, 200, Sjis(utf8));
    return image;
  }
};

TEST_F(TextPlacementTest, TopAndBottomReferToTheCell) {
  const QRect top = InkBox(Draw({HAlign::Left, VAlign::Top, false}, 0, "測定"));
  ASSERT_FALSE(top.isNull());
  EXPECT_GE(top.top(), 200);
  EXPECT_LE(top.bottom(), 260);
  EXPECT_GE(top.left(), 200);

  const QRect bottom = InkBox(Draw({HAlign::Right, VAlign::Bottom, false}, 0, "測定"));
  EXPECT_LE(bottom.bottom(), 200);
  EXPECT_GE(bottom.top(), 140);
  EXPECT_LE(bottom.right(), 200);

  const QRect centre = InkBox(Draw({HAlign::Centre, VAlign::Top, false}, 0, "測定"));
  EXPECT_NEAR((centre.left() + centre.right()) / 2.0, 200, 4);
}

TEST_F(TextPlacementTest, NinetyDegreesReadsUpwardsFromTheReferencePoint) {
  const QRect box = InkBox(Draw({HAlign::Left, VAlign::Top, false}, 900, "半径ｒ"));
  ASSERT_FALSE(box.isNull());
  EXPECT_GE(box.left(), 200);   // glyphs to the right of x ...
  EXPECT_LE(box.right(), 262);  // ... within one cell
  EXPECT_LE(box.bottom(), 200); // ... and above y
  EXPECT_GT(box.height(), box.width());
}

TEST_F(TextPlacementTest, TextPaintsNoBackground) {
  const QImage image = Draw({HAlign::Left, VAlign::Top, false}, 0, "測", Qt::red);
  const QRect box = InkBox(image);
  ASSERT_FALSE(box.isNull());
  int red = 0;
  for (int y = 200; y < 260; ++y)
    for (int x = 200; x < 260; ++x) red += image.pixel(x, y) == QColor(Qt::red).rgb() ? 1 : 0;
  EXPECT_GT(red, 0);
}

TEST(QtDrawDeviceTest, UpdateModeContinuesWhereThePreviousTextEnded) {
  QImage image = WhitePage(400, 100, 300);
  QPainter painter(&image);
  QtDrawDevice device(painter);
  ASSERT_TRUE(device.SelectFont({40, 0, Sjis("ＭＳ 明朝")}));
  device.SetTextAlign({HAlign::Left, VAlign::Top, true});
  device.MoveTo(10, 20);
  device.TextOut(999, 999, "MN/");
  const int w = device.TextExtent("MN/").width;
  EXPECT_GT(w, 0);
  EXPECT_EQ(device.CurrentPosition().x, 10 + w);
  EXPECT_EQ(device.CurrentPosition().y, 20);
}

TEST(QtDrawDeviceTest, TextInRectIsCentredAndNotClipped) {
  QImage image = WhitePage(400, 200, 300);
  {
    QPainter painter(&image);
    QtDrawDevice device(painter);
    ASSERT_TRUE(device.SelectFont({40, 0, Sjis("ＭＳ 明朝")}));
    device.TextInRect(180, 80, 220, 120, Sjis("スタンドパイプ"));  // far wider than the box
  }
  const QRect box = InkBox(image);
  EXPECT_LT(box.left(), 150);
  EXPECT_GT(box.right(), 250);
  EXPECT_NEAR((box.left() + box.right()) / 2.0, 200, 4);
  EXPECT_NEAR((box.top() + box.bottom()) / 2.0, 100, 8);
}

TEST(QtDrawDeviceTest, SavedFontComesBack) {
  QImage image = WhitePage(10, 10, 96);
  QPainter painter(&image);
  QtDrawDevice device(painter);
  ASSERT_TRUE(device.SelectFont({20, 0, Sjis("ＭＳ 明朝")}));
  const QFont before = device.font();
  device.SaveFont();
  ASSERT_TRUE(device.SelectFont({50, 900, Sjis("ＭＳ ゴシック")}));
  device.RestoreFont();
  EXPECT_EQ(device.font(), before);
}

// A test-sheet table page and the graph-page heading with results, drawn through the Qt device.
TEST(QtDrawDeviceTest, SheetBlocksDrawOnAPage) {
  Sheet s;
  Record& r = s.store.test;
  testing::FillExampleHeading(r);
  r.Header(hf::WaterLevelPrefix) = "-";
  r.Header(hf::BoreholeWaterLevel) = "2.1";
  r.Header(hf::PressureOffset) = "15.2";
  r.Header(hf::Show120Reading) = "1";
  r.Header(hf::ShowDataNo) = "1";
  r.Header(hf::Po) = "42.5";
  r.Header(hf::PyNet) = "310";
  r.Header(hf::PlNet) = "820";
  r.Header(hf::KValue) = "35.2";
  r.Header(hf::EModulus) = "12.8";
  r.Header(hf::MeanRadius) = "4.35";
  r.Header(hf::TableFooterPrefix) = "- ";
  r.Header(hf::TableFooterPage) = "1";
  r.Header(hf::TableFooterSuffix) = " -";
  r.Header(hf::FooterHorizontalMode) = "1";
  r.Header(hf::FooterCentreOffset) = "105";
  r.Header(hf::FooterTopMargin) = "285";
  for (int row = 1; row <= 23; ++row) {
    r.Test(row, tf::Pressure) = std::to_string(row * 20);
    r.Test(row, tf::GasPressure) = "0";
    for (int k = tf::Reading15; k <= tf::Reading120; ++k) r.Test(row, k) = std::to_string(row * 2 + k);
    r.Test(row, tf::DH) = "1";
    r.Test(row, tf::H) = std::to_string(row * 2.5);
    r.Test(row, tf::PG) = "12";
    r.Test(row, tf::PGMinusP) = "-3";
    r.Test(row, tf::Pe) = std::to_string(row * 20 - 12);
    r.Test(row, tf::R) = std::to_string(4.0 + row * 0.05);
  }
  s.settings.ShowSiFactor = 1;

  const int dpi = 150;
  const double ppm = dpi / 25.4;
  QImage table = WhitePage(int(210 * ppm), int(297 * ppm), dpi);
  QImage graph = WhitePage(int(210 * ppm), int(297 * ppm), dpi);
  {
    QPainter painter(&table);
    QtDrawDevice device(painter);
    SheetCanvas c(device, s.settings, s.store, s.sink);
    PrepareDraw(c);
    UseMargins(c, MarginKind::Table);
    ASSERT_TRUE(SelectRoleFont(c, 1));
    DrawHeadingBlock(c, HeadingVariant::TestTablePage, r);
    c.placement.blockOffset = 44;
    DrawPageFooter(c, SheetKind::Test, FooterKind::Table, 1, 190);
    ASSERT_TRUE(SelectRoleFont(c, 2));
    DrawTestDataTable(c, CurrentFontHeightMm(c), 1);
  }
  {
    QPainter painter(&graph);
    QtDrawDevice device(painter);
    SheetCanvas c(device, s.settings, s.store, s.sink);
    PrepareDraw(c);
    ASSERT_TRUE(SelectRoleFont(c, 1));
    DrawHeadingBlock(c, HeadingVariant::TestGraphPage, r);
    DrawResultsTable(c, CurrentFontHeightMm(c));
    SelectRoleFont(c, 4);
    DrawFormulaLines(c, 60, 60, 100);
  }
  EXPECT_TRUE(s.sink.shown.empty());
  if (const char* dir = std::getenv("VEK_SAVE_RENDER")) {
    table.save(QString::fromUtf8(dir) + "/vek_table_page.png");
    graph.save(QString::fromUtf8(dir) + "/vek_graph_page.png");
  }
  // Table frame: left edge at 15 + 5 mm, from 20 + 44 + 5 mm down to 20 + 44 + 190 mm.
  const QRect box = InkBox(table);
  EXPECT_NEAR(box.left(), 20 * ppm, 2);
  EXPECT_NEAR(box.bottom(), 285 * ppm + 20, 25);  // the footer is the lowest ink
  EXPECT_GT(InkRunAtColumn(table, int(20 * ppm)), int(180 * ppm));
  // Results table frame: 5 ... 170 mm right of the 15 mm margin, 35 ... 54 mm below the 20 mm one.
  int frame_row = int((20 + 35) * ppm);
  int ink = 0;
  for (int x = int(25 * ppm); x < int(180 * ppm); ++x)
    for (int dy = -1; dy <= 1; ++dy) ink += Ink(graph.pixel(x, frame_row + dy)) ? 1 : 0;
  EXPECT_GT(ink, int(150 * ppm));
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

// On an anti-aliased image a 1-pixel rule is one dark row (and a vertical one one dark column)
// when lines are pixel-aligned; without that it smears over two grey rows.
TEST(QtDrawDeviceTest, PixelAlignedRulesAreOneDarkPixelWide) {
  auto darkRowsAt = [](bool aligned, bool vertical) {
    QImage image = WhitePage(40, 40, 150);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      QtDrawDevice device(painter, 150, 150);
      device.SetPixelAlignedLines(aligned);
      device.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
      device.MoveTo(vertical ? 20 : 5, vertical ? 5 : 20);
      device.LineTo(vertical ? 20 : 35, vertical ? 35 : 20);
    }
    int dark = 0, grey = 0;
    for (int i = 0; i < 40; ++i) {
      const int g = qGray(vertical ? image.pixel(i, 20) : image.pixel(20, i));
      if (g < 64) ++dark;
      else if (g < 224) ++grey;
    }
    return std::make_pair(dark, grey);
  };
  EXPECT_EQ(darkRowsAt(true, false), std::make_pair(1, 0));
  EXPECT_EQ(darkRowsAt(true, true), std::make_pair(1, 0));
  EXPECT_EQ(darkRowsAt(false, false).first, 0);  // what an unaligned rule looks like: two grey rows
}

}  // namespace
}  // namespace vek
