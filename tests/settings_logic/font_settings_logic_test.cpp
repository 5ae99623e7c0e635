#include "settings/logic/font_settings_logic.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "support/settings_folder.h"

namespace vek {
namespace {

using testing::SettingsFolder;

TEST(FontSettingsFormTest, HeightsConvertAtTheScreenResolution) {
  EXPECT_EQ(ChooserStartHeight(9.0, 96), 12);
  EXPECT_EQ(ChooserStartHeight(10.5, 96), 14);
  EXPECT_EQ(ChooserStartHeight(11.0, 96), 14);  // 14.67: the integer part
  EXPECT_EQ(ChooserStartHeight(9.0, 120), 15);
  EXPECT_DOUBLE_EQ(PointsFromChooserHeight(-15, 96), 11.25);
  EXPECT_DOUBLE_EQ(PointsFromChooserHeight(12, 96), 9.0);
  EXPECT_DOUBLE_EQ(PointsFromChooserHeight(-13, 120), 7.8);
}

TEST(FontSettingsFormTest, SizeShowsWholePointsThenTheExactSize) {
  EXPECT_EQ(FontSizeText(10.5), " 11     (10.5)");
  EXPECT_EQ(FontSizeText(9.0), "  9     (9.0)");
  EXPECT_EQ(FontSizeText(11.25), " 11     (11.2)");
  EXPECT_EQ(FontSizeText(120.0), " 120     (120.0)");
}

TEST(FontSettingsFormTest, RowsFollowTheFormsOrderOfFontNumbers) {
  SheetSettings s;
  for (int i = 0; i < kRoleFontCount; ++i) s.fonts[i].size = i + 1;
  FontSettingsLogic form(s);
  std::vector<double> sizes;
  for (int row = 0; row < kFontRowCount; ++row) sizes.push_back(form.RowFont(row).size);
  EXPECT_EQ(sizes, (std::vector<double>{5, 1, 2, 3, 4, 6}));
}

TEST(FontSettingsFormTest, AChoiceChangesItsRowAndCountsAsAChange) {
  SheetSettings s;
  FontSettingsLogic form(s);
  EXPECT_FALSE(form.HasChanges());
  form.ApplyChoice(3, {Sjis("ＭＳ ゴシック"), -15, 0x0000ff, true}, 96);  // the graph row: font 3
  EXPECT_EQ(form.ChangeCount(), 1);
  const RoleFont& f = form.RowFont(3);
  EXPECT_DOUBLE_EQ(f.size, 11.25);
  EXPECT_EQ(f.face, Sjis("ＭＳ ゴシック"));
  EXPECT_EQ(f.colour, 0x0000ff);
  EXPECT_EQ(f.underline, 1);
  EXPECT_EQ(s.fonts[2].size, 0.0);  // the settings wait for OK
}

TEST(FontSettingsFormTest, AChosenFontLandsInItsOwnFileOnly) {
  SettingsFolder folder;
  const std::string sys = folder.SysBytes();
  std::vector<std::string> before;
  for (int n = 1; n <= kRoleFontCount; ++n) before.push_back(folder.FontBytes(n));
  FontSettingsLogic form(folder.settings);
  form.ApplyChoice(0, {Sjis("ＭＳ 明朝"), -32, 0x123456, false}, 96);  // titles: Font5.ndx
  RecordingMessageSink sink;
  form.Commit(folder.settings, sink);
  for (int n = 1; n <= kRoleFontCount; ++n) {
    if (n == 5) {
      EXPECT_EQ(folder.FontBytes(n), Sjis("24.0\r\nＭＳ 明朝\r\n1193046\r\n0\r\n"));
    } else {
      EXPECT_EQ(folder.FontBytes(n), before[n - 1]) << n;
    }
  }
  EXPECT_EQ(folder.SysBytes(), sys);
}

TEST(FontSettingsFormTest, AFileThatCannotBeWrittenIsNamedAndTheOthersAreWritten) {
  SettingsFolder folder;
  const auto blocked = FontFileHostPath(folder.settings, 3);
  std::filesystem::remove(blocked);
  std::filesystem::create_directory(blocked);
  std::filesystem::remove(FontFileHostPath(folder.settings, 4));
  FontSettingsLogic form(folder.settings);
  form.ApplyChoice(2, {"Arial", -16, 0, false}, 96);  // font 2
  RecordingMessageSink sink;
  form.Commit(folder.settings, sink);
  EXPECT_EQ(sink.shown, std::vector<std::string>{"保存できませんでした\n( " + blocked.string() + " )"});
  EXPECT_EQ(folder.FontBytes(2), "12.0\r\nArial\r\n0\r\n0\r\n");
  EXPECT_FALSE(folder.FontBytes(4).empty());
  EXPECT_EQ(folder.settings.fonts[1].face, "Arial");
}

}  // namespace
}  // namespace vek
