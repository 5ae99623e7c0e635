// Value texts and row positions of the three heading-block variants.
#include <gtest/gtest.h>

#include "support/example_heading.h"

#include "core/header_fields.h"
#include "render/heading_block.h"
#include "render/primitives.h"
#include "canvas_fixture.h"

namespace vek::testing {
namespace {

class HeadingTest : public CanvasTest {
 protected:
  HeadingTest() {
    canvas.placement.leftMargin = 15;
    canvas.placement.topMargin = 20;
    Record& r = store.test;
    testing::FillExampleHeading(r);
    store.calibration = r;
  }
  double Row(int k) const { return 9 + 4.5 * k; }
};

TEST_F(HeadingTest, ValueTexts) {
  Record& r = store.test;
  EXPECT_EQ(HeadingDateText(r), Sjis("令和 5年12月 1日"));
  EXPECT_EQ(HeadingDepthText(r), Sjis("GL. 12.50ｍ"));
  r.Header(hf::TestDepth) = "";
  EXPECT_EQ(HeadingDepthText(r), Sjis("  ｍ"));
  r.Header(hf::WaterLevelPrefix) = "-";
  r.Header(hf::BoreholeWaterLevel) = "3.2";
  EXPECT_EQ(HeadingWaterLevelText(r), Sjis("-GL. 3.20ｍ"));
  r.Header(hf::BoreholeWaterLevel) = Sjis("不明");
  EXPECT_EQ(HeadingWaterLevelText(r), Sjis("-不明"));
  EXPECT_EQ(PressureOffsetText(r, 1), Sjis("Ｐs=12.3kN/㎡"));
  EXPECT_EQ(PressureOffsetText(r, 6), Sjis("Ｐs=12.345000kN/㎡"));
  EXPECT_EQ(PressureOffsetText(r, 9), Sjis("Ｐs=12.345000kN/㎡"));
  EXPECT_EQ(PressureOffsetText(r, 0), Sjis("Ｐs=12kN/㎡"));
  r.Header(hf::PressureOffset) = "";
  EXPECT_EQ(PressureOffsetText(r, 2), Sjis("Ｐs=  kN/㎡"));
}

TEST_F(HeadingTest, NoCaptionIsPlainUpToSixBytesElseSpread) {
  DrawHeadingBlock(canvas, HeadingVariant::TestGraphPage, store.test);
  const RecordedText plain = OnlyText("Ｎｏ．");
  EXPECT_EQ(plain.x, X(10));
  EXPECT_EQ(plain.y, Y(13.5));

  device.texts.clear();
  store.test.Header(hf::NoCaption) = Sjis("孔番号等");
  DrawHeadingBlock(canvas, HeadingVariant::TestGraphPage, store.test);
  EXPECT_TRUE(device.TextsEqual("孔番号等").empty());
  const RecordedText last = OnlyText("等");
  EXPECT_EQ(last.x, X(28));  // the last of four characters ends at 30 mm
  EXPECT_EQ(OnlyText("B-1").x, X(35));
}

TEST_F(HeadingTest, GraphPageVariant) {
  DrawHeadingBlock(canvas, HeadingVariant::TestGraphPage, store.test);
  EXPECT_EQ(OnlyText("北町地区調査").y, Y(Row(0)));
  EXPECT_EQ(OnlyText("令和 5年12月 1日").x, X(35));
  EXPECT_EQ(OnlyText("粘土").y, Y(Row(3)));
  const RecordedText depth = OnlyText("GL. 12.50ｍ");
  EXPECT_EQ(depth.x, X(118));
  EXPECT_EQ(depth.y, Y(Row(3)));
  const auto sokus = device.TextsEqual("測");  // "測定年月日" at 10 mm, "測定深度" at 94 mm
  ASSERT_EQ(sokus.size(), 2u);
  EXPECT_EQ(sokus[1].x, X(94));
  EXPECT_EQ(sokus[1].y, Y(Row(3)));
  EXPECT_EQ(OnlyText("度").x, X(94 + 3 * 6.0));  // pitch (114 - 94 - 2) / 6 per byte
  EXPECT_EQ(OnlyText("12").y, Y(Row(4)));
  EXPECT_TRUE(device.TextsEqual("山田").empty());
  for (const auto& t : device.texts) EXPECT_LE(t.y, Y(Row(4)));
}

TEST_F(HeadingTest, TablePageVariant) {
  settings.DigitsReading = 1;
  DrawHeadingBlock(canvas, HeadingVariant::TestTablePage, store.test);
  const RecordedText engineer = OnlyText("山田");
  EXPECT_EQ(engineer.x, X(124));
  EXPECT_EQ(engineer.y, Y(Row(2)));
  EXPECT_EQ(OnlyText("担").x, X(100));
  EXPECT_EQ(OnlyText("GL. 12.50ｍ").x, X(124));
  const RecordedText initial = OnlyText("初期スタンドパイプの水位　  5.0ｃｍ");
  EXPECT_EQ(initial.x, X(10));
  EXPECT_EQ(initial.y, Y(Row(4)));
  EXPECT_EQ(OnlyText("挿入後スタンドパイプの水位 12.2ｃｍ").y, Y(Row(5)));
  const RecordedText offset = OnlyText("Ｐs=12kN/㎡");
  EXPECT_EQ(offset.x, X(118));
  EXPECT_EQ(offset.y, Y(Row(5)));
  EXPECT_EQ(OnlyText("0.3").y, Y(Row(6)));
  for (const auto& t : device.texts) EXPECT_EQ(t.align, (TextAlign{HAlign::Left, VAlign::Top, false}));
}

TEST_F(HeadingTest, CalibrationVariantInMetres) {
  settings.LengthUnit = 1;
  settings.DigitsReading = 2;
  store.calibration.Header(hf::StandpipeInitialLevel) = "500";
  DrawHeadingBlock(canvas, HeadingVariant::Calibration, store.calibration);
  EXPECT_EQ(OnlyText("山田").x, X(35));
  EXPECT_EQ(OnlyText("山田").y, Y(Row(3)));
  EXPECT_EQ(OnlyText("担").x, X(10));
  EXPECT_EQ(OnlyText("初期スタンドパイプの水位　 5.00ｍ").y, Y(Row(4)));
  EXPECT_EQ(device.TextsEqual("挿入後スタンドパイプの水位 0.12ｍ").size(), 1u);
  EXPECT_TRUE(device.TextsEqual("0.3").empty());
  EXPECT_TRUE(device.TextsEqual("GL. 12.50ｍ").empty());
}

}  // namespace
}  // namespace vek::testing

namespace vek::testing {
namespace {

// A heading value that would run off the paper or over the next label is drawn smaller so that it
// ends inside its place; a value that fits keeps the heading font.
class CondensedHeadingTest : public HeadingTest {
 protected:
  CondensedHeadingTest() { SelectRoleFont(canvas, 1, 0); }
  int EndOf(const RecordedText& t) const { return t.x + int(t.text.size()) * t.font.height / 2; }
};

TEST_F(CondensedHeadingTest, OverflowingValuesEndInsideTheirPlace) {
  const int heading = canvas.fontSpec.height;
  ASSERT_GT(heading, 0);
  std::string longName;
  for (int i = 0; i < 40; ++i) longName += "北町地区";
  store.test.Header(hf::SurveyName) = Sjis(longName);
  store.test.Header(hf::SoilName) = Sjis("砂まじりシルト質粘土（有機質土を含む）");  // 20 characters
  DrawHeadingBlock(canvas, HeadingVariant::TestGraphPage, store.test);

  const RecordedText name = OnlyText(longName);
  EXPECT_LT(name.font.height, heading);
  EXPECT_EQ(name.x, X(35));
  EXPECT_EQ(name.y, Y(Row(0)));
  EXPECT_LE(EndOf(name), X(205 - 15));  // A4 less its unprintable strip, from the 15 mm margin
  RecordedText oneLarger = name;  // as large as the place allows: a pixel more would not fit
  ++oneLarger.font.height;
  EXPECT_GT(EndOf(oneLarger), X(205 - 15));

  const RecordedText soil = OnlyText("砂まじりシルト質粘土（有機質土を含む）");
  EXPECT_LT(soil.font.height, heading);
  EXPECT_LE(EndOf(soil), X(93));  // before "測定深度" at 94 mm

  // Values that fit keep the heading font, and the font after a condensed value is the heading's.
  EXPECT_EQ(OnlyText("令和 5年12月 1日").font.height, heading);
  EXPECT_EQ(OnlyText("GL. 12.50ｍ").font.height, heading);
  EXPECT_EQ(device.font().height, heading);
  EXPECT_EQ(device.saveDepth(), 0);
}

}  // namespace
}  // namespace vek::testing
