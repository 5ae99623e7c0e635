#include "settings/logic/lines_logic.h"

#include <gtest/gtest.h>

#include "io/settings_sys_format.h"
#include "support/settings_folder.h"

namespace vek {
namespace {

using testing::ChangedLines;
using testing::SettingsFolder;

TEST(LinesFormTest, AColourGridKeepsItsGapAtZero) {
  SheetSettings s;  // factory: colour grid with a gap of 5
  LinesLogic form(s);
  EXPECT_EQ(form.Text(LinesField::GridGap), "0");
  EXPECT_FALSE(form.DashAndGapEnabled());
  EXPECT_TRUE(form.GridColourEnabled());
  EXPECT_STREQ(form.GridNote(), "実線のみ描画可能　");

  form.ChooseGridStyle(kMonochromeGrid);  // the gap stays 0: solid lines until changed
  EXPECT_EQ(form.Text(LinesField::GridGap), "0");
  EXPECT_TRUE(form.DashAndGapEnabled());
  EXPECT_STREQ(form.GridNote(), "空白部=0で実線を描画");
  form.Text(LinesField::GridGap) = "4";
  form.ChooseGridStyle(kColourGrid);
  RecordingMessageSink sink;
  ASSERT_EQ(form.Commit(s, sink), std::nullopt);
  EXPECT_EQ(s.GridGapLength, 0);
  EXPECT_EQ(s.GridMonochrome, kColourGrid);
}

TEST(LinesFormTest, TooShortLineColoursTakeTheirStandardColours) {
  SheetSettings s;
  s.RLineColour = "0";
  s.DhLineColour = "12";
  s.GridColour = "";
  LinesLogic form(s);
  EXPECT_EQ(form.Text(LinesField::RLineColour), "0x800000");
  EXPECT_EQ(form.Text(LinesField::DhLineColour), "0x006000");
  EXPECT_EQ(form.Text(LinesField::GridColour), "");  // the grid colour is not replaced
  s.DhLineColour = "123";
  EXPECT_EQ(LinesLogic(s).Text(LinesField::DhLineColour), "123");
}

TEST(LinesFormTest, OkRefusesMarginsOutsideTheirRangesAndNonNumbers) {
  struct Case {
    LinesField field;
    const char* text;
    const char* message;  // nullptr: accepted
  };
  const Case cases[] = {
      {LinesField::GraphTop, "220", nullptr},
      {LinesField::GraphTop, "221", "0 から 220 までの整数を入力してください。"},
      {LinesField::FormulaTop, "250", nullptr},
      {LinesField::FormulaTop, "251", "0 から 250 までの整数を入力してください。"},
      {LinesField::TableLeft, "200", nullptr},
      {LinesField::TableLeft, "201", "0 から 200 までの整数を入力してください。"},
      {LinesField::GraphLeft, "-1", "0 から 200 までの整数を入力してください。"},
      {LinesField::TableTop, "2cm", "整数を入力してください。"},
      {LinesField::FrameWidth, "-2", "整数を入力してください。"},
      {LinesField::GridDash, "", "整数を入力してください。"},
      {LinesField::SondeRadius, "4,5", "数字を入力してください。"},
      {LinesField::StandpipeArea, "", "数字を入力してください。"},
      {LinesField::SondeLength, "1e2", nullptr},
      {LinesField::SiFactor, "abc", nullptr},  // a text: taken as typed
  };
  for (const Case& c : cases) {
    SheetSettings s;
    const std::string before = FormatSystemSettings(s);
    LinesLogic form(s);
    form.Text(c.field) = c.text;
    testing::TempHome home;
    s.installDrive = "C", s.installFolder = "\\V";
    RecordingMessageSink sink;
    const auto refused = form.Commit(s, sink);
    if (c.message) {
      EXPECT_EQ(refused, c.field) << c.text;
      EXPECT_EQ(sink.shown, std::vector<std::string>{c.message});
      EXPECT_EQ(FormatSystemSettings(s), before);
    } else {
      EXPECT_EQ(refused, std::nullopt) << c.text;
      EXPECT_TRUE(sink.shown.empty()) << c.text;
    }
  }
}

TEST(LinesFormTest, ProbeDefaultsShowFifteenDigitsAndStoreTheirValue) {
  SheetSettings s;
  s.DefaultSondeRadius = 4.0;
  s.DefaultStandpipeArea = 0.1 + 0.2;  // not exact in binary
  LinesLogic form(s);
  EXPECT_EQ(form.Text(LinesField::SondeRadius), "4");
  EXPECT_EQ(form.Text(LinesField::StandpipeArea), "0.3");
  form.Text(LinesField::SondeLength) = " 62.75 ";
  testing::TempHome home;
  RecordingMessageSink sink;
  ASSERT_EQ(form.Commit(s, sink), std::nullopt);
  EXPECT_EQ(s.DefaultSondeLength, 62.75);
}

TEST(LinesFormTest, AChangedValueLandsOnItsLineOnly) {
  struct Case {
    void (*change)(LinesLogic&);
    std::vector<int> lines;
  };
  const Case cases[] = {
      {[](LinesLogic& f) { f.Text(LinesField::SymbolWidth) = "1"; }, {24}},
      {[](LinesLogic& f) { f.Text(LinesField::SondeRadius) = "4"; }, {30}},
      {[](LinesLogic& f) { f.Text(LinesField::DhLineColour) = "0x0000ff"; }, {48}},
      {[](LinesLogic& f) { f.Text(LinesField::TableLeft) = "15"; }, {54}},
      {[](LinesLogic& f) { f.rLineMode = 0; }, {55}},
      {[](LinesLogic& f) { f.showSiFactor = false; }, {10}},
      {[](LinesLogic& f) { f.ChooseGridStyle(kColourGrid); }, {29, 45}},  // the gap becomes 0 with it
  };
  for (const Case& c : cases) EXPECT_EQ(testing::SysLinesChangedBy(c.change), c.lines);
}

TEST(LinesFormTest, StandardValuesApplyTheColourGridRuleAndTouchOnlyTheForm) {
  SettingsFolder folder;
  const std::string kept = FormatSystemSettings(folder.settings);
  LinesLogic form(folder.settings);
  form.SetStandardValues();
  EXPECT_EQ(FormatSystemSettings(folder.settings), kept);
  EXPECT_EQ(form.GridStyle(), kColourGrid);
  EXPECT_EQ(form.Text(LinesField::GridGap), "0");
  EXPECT_EQ(form.Text(LinesField::GridDash), "5");
  EXPECT_EQ(form.rLineMode, 0);

  RecordingMessageSink sink;
  ASSERT_EQ(form.Commit(folder.settings, sink), std::nullopt);
  const SheetSettings factory;
  for (int SheetSettings::*v : {&SheetSettings::FrameLineWidth, &SheetSettings::SymbolLineWidth,
                                &SheetSettings::GraphTopMargin, &SheetSettings::TableLeftMargin,
                                &SheetSettings::GridDashLength, &SheetSettings::DhLineMode}) {
    EXPECT_EQ(folder.settings.*v, factory.*v);
  }
  EXPECT_EQ(folder.settings.GridGapLength, 0);
  EXPECT_EQ(folder.settings.SiFactor, "100.0");
  EXPECT_EQ(folder.settings.DefaultStandpipeArea, 108.5);
  EXPECT_EQ(folder.settings.RLineColour, "0x800000");
}

}  // namespace
}  // namespace vek
