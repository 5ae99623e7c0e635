#include "settings/logic/format_logic.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "io/settings_sys_format.h"
#include "support/settings_folder.h"

namespace vek {
namespace {

using testing::ChangedLines;
using testing::SettingsFolder;

std::vector<std::string> DigitsOf(const FormatLogic& form) {
  std::vector<std::string> out;
  for (FormatDigits d : {FormatDigits::Reading, FormatDigits::H, FormatDigits::R, FormatDigits::Rm,
                         FormatDigits::Dr}) {
    out.push_back(form.Digits(d));
  }
  return out;
}

using Digits = std::vector<std::string>;

TEST(FormatFormTest, UnitChangeOffersTheDigitsOfTheNewUnit) {
  SheetSettings s;
  s.DigitsReading = 1, s.DigitsH = 1, s.DigitsR = 2, s.DigitsRm = 2, s.DigitsDr = 5;
  FormatLogic form(s);
  RecordingMessageSink sink;
  form.ChooseLengthUnit(1, sink);
  ASSERT_EQ(sink.asked, std::vector<std::string>{"小数以下桁数を標準設定にしますか"});
  EXPECT_EQ(DigitsOf(form), (Digits{"3", "3", "4", "4", "5"}));
  EXPECT_EQ(form.LengthUnit(), 1);

  form.Digits(FormatDigits::Dr) = "6";
  form.ChooseLengthUnit(0, sink);  // back to cm: dr (m) is left alone
  EXPECT_EQ(sink.asked.size(), 2u);
  EXPECT_EQ(DigitsOf(form), (Digits{"1", "1", "2", "2", "6"}));
  EXPECT_EQ(form.LengthUnit(), 0);
}

TEST(FormatFormTest, NoKeepsTheDigitsAndStillChangesTheUnit) {
  FormatLogic form(SheetSettings{});
  RecordingMessageSink sink;
  sink.answers = {false};
  form.ChooseLengthUnit(1, sink);
  EXPECT_EQ(sink.asked.size(), 1u);
  EXPECT_EQ(form.LengthUnit(), 1);
  EXPECT_EQ(DigitsOf(form), (Digits{"1", "1", "2", "2", "4"}));
}

TEST(FormatFormTest, TheQuestionComesOnlyWhenAShownDigitDoesNotSuit) {
  struct Case {
    int unit;
    Digits shown;  // dH, H, r, rm, dr
    bool asks;
  };
  const Case cases[] = {
      {1, {"3", "3", "4", "4", "4"}, false},  {1, {"3", "3", "4", "4", "3"}, true},
      {1, {"3", "2", "4", "4", "5"}, true},   {1, {"3", "3", "4", "3", "6"}, true},
      {0, {"2", "2", "3", "3", "5"}, false},  {0, {"2", "2", "4", "3", "5"}, true},
      {0, {"3", "0", "0", "0", "0"}, true},   {0, {"x", "", "1", "1", "1"}, false},  // texts read as atoi
  };
  for (const Case& c : cases) {
    FormatLogic form(SheetSettings{});
    const FormatDigits order[] = {FormatDigits::Reading, FormatDigits::H, FormatDigits::R, FormatDigits::Rm,
                                  FormatDigits::Dr};
    for (int i = 0; i < 5; ++i) form.Digits(order[i]) = c.shown[i];
    RecordingMessageSink sink;
    form.ChooseLengthUnit(c.unit, sink);
    EXPECT_EQ(sink.asked.size(), c.asks ? 1u : 0u) << c.unit << " " << c.shown[0] << c.shown[1] << c.shown[2]
                                                   << c.shown[3] << c.shown[4];
  }
}

TEST(FormatFormTest, OkRefusesDigitsOutsideZeroToSixAndNamesTheEdit) {
  SettingsFolder folder;
  const std::string before = folder.SysBytes();
  const SheetSettings kept = folder.settings;
  struct Case {
    FormatDigits edit;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {FormatDigits::Dr, "7", "0 から 6 までの整数を入力してください。"},
      {FormatDigits::PoPyPl, "-1", "0 から 6 までの整数を入力してください。"},
      {FormatDigits::Pe, "", "整数を入力してください。"},
      {FormatDigits::K, "2.5", "整数を入力してください。"},
  };
  for (const Case& c : cases) {
    FormatLogic form(folder.settings);
    form.Digits(c.edit) = c.text;
    RecordingMessageSink sink;
    EXPECT_EQ(form.Commit(folder.settings, sink), c.edit);
    EXPECT_EQ(sink.shown, std::vector<std::string>{c.message});
  }
  EXPECT_EQ(FormatSystemSettings(folder.settings), FormatSystemSettings(kept));
  EXPECT_EQ(folder.SysBytes(), before);

  FormatLogic edges(folder.settings);
  edges.Digits(FormatDigits::Dr) = "0";
  edges.Digits(FormatDigits::R) = "6";
  RecordingMessageSink sink;
  EXPECT_EQ(edges.Commit(folder.settings, sink), std::nullopt);
  EXPECT_EQ(folder.settings.DigitsDr, 0);
  EXPECT_EQ(folder.settings.DigitsR, 6);
}

TEST(FormatFormTest, AChangedValueLandsOnItsLineOnly) {
  struct Case {
    void (*change)(FormatLogic&);
    std::vector<int> lines;
  };
  const Case cases[] = {
      {[](FormatLogic& f) { f.Digits(FormatDigits::K) = "5"; }, {17}},
      {[](FormatLogic& f) { f.Text(FormatText::EngineerLabel) = ""; }, {43}},
      {[](FormatLogic& f) { f.Text(FormatText::NoLabel) = Sjis("Ｎｏ．"); }, {1, 42}},
      {[](FormatLogic& f) { f.formulaPosition = 0; }, {15}},
      {[](FormatLogic& f) { f.hidePointLetters = false; }, {20}},
      {[](FormatLogic& f) { f.Text(FormatText::CompanyName) = Sjis("株式会社 東"); }, {39}},
  };
  for (const Case& c : cases) EXPECT_EQ(testing::SysLinesChangedBy(c.change), c.lines);
}

TEST(FormatFormTest, StandardValuesKeepTheCompanyAndTouchOnlyTheForm) {
  SettingsFolder folder;
  const SheetSettings kept = folder.settings;
  FormatLogic form(folder.settings);
  form.SetStandardValues();
  EXPECT_EQ(form.Text(FormatText::CompanyName), Sjis("有限会社 地盤"));
  EXPECT_EQ(form.Text(FormatText::ModulusSymbol), Sjis("Ｅ"));
  EXPECT_EQ(form.LengthUnit(), 0);
  EXPECT_EQ(form.formulaPosition, 1);
  EXPECT_TRUE(form.rotateAxisNames);
  EXPECT_EQ(DigitsOf(form), (Digits{"1", "1", "2", "2", "5"}));
  // Nothing reaches the settings or the file until OK (Cancel discards the form).
  EXPECT_EQ(FormatSystemSettings(folder.settings), FormatSystemSettings(kept));

  RecordingMessageSink sink;
  ASSERT_EQ(form.Commit(folder.settings, sink), std::nullopt);
  EXPECT_EQ(folder.settings.DigitsPe, 1);
  EXPECT_EQ(folder.settings.SystemEngineerLabel, Sjis("試験者"));
}

TEST(FormatFormTest, AnUnwritableSysNdxIsReportedWithItsPath) {
  SettingsFolder folder;
  const auto path = SystemSettingsHostPath(folder.settings);
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // a folder where the file should be
  RecordingMessageSink sink;
  FormatLogic form(folder.settings);
  form.Digits(FormatDigits::K) = "1";
  EXPECT_EQ(form.Commit(folder.settings, sink), std::nullopt);
  EXPECT_EQ(folder.settings.DigitsK, 1);  // kept in memory for this run
  EXPECT_EQ(sink.shown, std::vector<std::string>{"保存できませんでした\n( " + path.string() + " )"});
}

}  // namespace
}  // namespace vek
