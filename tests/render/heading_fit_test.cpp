// Which heading values the sheets draw smaller than the heading font: the answer the header forms
// show while the user types, taken from the pages' own heading draws.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/example_heading.h"

#include "core/header_fields.h"
#include "render/heading_block.h"
#include "render/page_compose.h"
#include "sheet_test_fixture.h"

namespace vek::testing {
namespace {

// At 96 dpi the 10.5-point heading font is 14 px high and the recording device gives every byte
// 7 px (1.85 mm). From the 15-mm margins, a value at 35 mm has 155 mm (585 px, 83 bytes) before the
// paper's right edge; the table page's engineer and depth at 124 mm have 66 mm (250 px, 35 bytes);
// the table page's date and water level end before 99 mm (242 px, 34 bytes).
class HeadingFitTest : public SheetTest {
 protected:
  HeadingFitTest() {
    FillExampleHeading(store.test);
    store.calibration = store.test;
  }
  std::vector<HeadingFields> Test() { return CondensedHeadingValues(device, settings, store.test, kTestSheet); }
  std::vector<HeadingFields> Cal() {
    return CondensedHeadingValues(device, settings, store.calibration, kCalibrationSheet);
  }
  static std::string Repeat(const char* utf8, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += utf8;
    return Sjis(s);
  }
};

TEST_F(HeadingFitTest, ValuesThatFitAreNotFlaggedAndALongSurveyNameIsOnce) {
  EXPECT_TRUE(Test().empty());
  EXPECT_TRUE(Cal().empty());

  store.test.Header(hf::SurveyName) = Repeat("北", 41);  // 82 bytes: still fits
  EXPECT_TRUE(Test().empty());
  store.test.Header(hf::SurveyName) = Repeat("北", 42);  // 84 bytes
  // Drawn smaller on the graph page and on the table page, named once.
  EXPECT_EQ(Test(), (std::vector<HeadingFields>{{hf::SurveyName}}));

  // A wider left margin leaves less room before the paper's edge: the table page's margin counts.
  store.test.Header(hf::SurveyName) = Repeat("北", 40);
  EXPECT_TRUE(Test().empty());
  settings.TableLeftMargin = 25;
  EXPECT_EQ(Test(), (std::vector<HeadingFields>{{hf::SurveyName}}));
}

TEST_F(HeadingFitTest, TheTablePagesEngineerHasLessRoomThanTheCalibrations) {
  store.test.Header(hf::Engineer) = Repeat("山", 18);  // 36 bytes
  store.calibration.Header(hf::Engineer) = store.test.Header(hf::Engineer);
  EXPECT_EQ(Test(), (std::vector<HeadingFields>{{hf::Engineer}}));  // at 124 mm on the table page
  EXPECT_TRUE(Cal().empty());                                       // at 35 mm on both pages
  store.test.Header(hf::Engineer) = Repeat("山", 17);
  EXPECT_TRUE(Test().empty());
}

TEST_F(HeadingFitTest, JoinedValuesNameAllTheirFields) {
  // The date "<era> 5年12月 1日" ends before the engineer's label on the table page only.
  store.test.Header(hf::DateEra) = Repeat("令", 12);  // 24 + 12 bytes
  store.test.Header(hf::BoreholeWaterLevel) = Repeat("不", 17);
  store.test.Header(hf::WaterLevelPrefix) = "-";  // 35 bytes with the level
  store.test.Header(hf::TestDepth) = "1e30";   // "GL. 1000…000.00ｍ", 40 bytes at 118 / 124 mm
  // In the order drawn: the graph page's depth, then the table page's date and water level.
  const std::vector<HeadingFields> expected{{hf::TestDepth},
                                            {hf::DateEra, hf::DateYear, hf::DateMonth, hf::DateDay},
                                            {hf::WaterLevelPrefix, hf::BoreholeWaterLevel}};
  EXPECT_EQ(Test(), expected);
  // The calibration sheet prints its date with the whole row to itself.
  store.calibration.Header(hf::DateEra) = store.test.Header(hf::DateEra);
  EXPECT_TRUE(Cal().empty());
}

// The answer is the drawing's own: every page of the sheet drawn as printed shows exactly the
// flagged values in a smaller font.
TEST_F(HeadingFitTest, AgreesWithThePagesAsPrinted) {
  Record& r = store.test;
  r.Header(hf::SurveyName) = Repeat("北", 45);
  r.Header(hf::Engineer) = Repeat("山", 20);
  r.Header(hf::SoilName) = Repeat("砂", 30);  // before "測定深度" at 94 mm on the graph page
  r.Header(hf::NValue) = Repeat("1", 60);
  r.Header(hf::PoissonRatio) = "0.35";
  const std::vector<HeadingFields> flagged = Test();
  EXPECT_EQ(flagged, (std::vector<HeadingFields>{{hf::SurveyName}, {hf::SoilName}, {hf::Engineer}}));

  ViewState view;
  store.currentSheet = kTestSheet;
  device.texts.clear();
  for (int page = 1; page <= PageCount(store, settings, view, kTestSheet); ++page)
    DrawPrintedPage(device, store, settings, view, sink, page);
  const int heading = static_cast<int>(96 * settings.fonts[0].size / 72);
  for (int field : {hf::SurveyName, hf::Engineer, hf::SoilName, hf::NValue, hf::PoissonRatio, hf::BoringNo}) {
    bool smaller = false, drawn = false;
    for (const RecordedText& t : device.texts) {
      if (t.text != r.Header(field)) continue;
      drawn = true;
      smaller = smaller || t.font.height < heading;
    }
    EXPECT_TRUE(drawn) << field;
    const bool isFlagged = std::find(flagged.begin(), flagged.end(), HeadingFields{field}) != flagged.end();
    EXPECT_EQ(smaller, isFlagged) << field;
  }
}

}  // namespace
}  // namespace vek::testing
