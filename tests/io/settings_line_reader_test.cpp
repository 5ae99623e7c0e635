#include "io/settings_line_reader.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

TEST(SettingsLineReader, LineEndsAndMissingFiles) {
  TempDir dir;
  auto p = dir / "a.ndx";
  WriteFileBytes(p, "one\r\n\r\ntwo\nthree\rx\r\nlast");
  EXPECT_EQ(ReadSettingsLines(p, 255, 100), (Lines{"one", "", "two", "three\rx", "last"}));
  EXPECT_EQ(ReadSettingsLines(p, 255, 2), (Lines{"one", ""}));
  WriteFileBytes(p, "a\r\n");
  EXPECT_EQ(ReadSettingsLines(p, 255, 100), (Lines{"a"}));
  WriteFileBytes(p, "");
  EXPECT_EQ(ReadSettingsLines(p, 255, 100), Lines{});
  EXPECT_FALSE(ReadSettingsLines(dir / "missing", 255, 100));
  EXPECT_FALSE(ReadSettingsLines(dir.path(), 255, 100));
}

TEST(SettingsLineReader, LongLinesAreCutWithoutShiftingLaterLines) {
  TempDir dir;
  auto p = dir / "a.ndx";
  std::string longLine(300, 'x');
  WriteFileBytes(p, longLine + "\r\nnext\r\n" + std::string(78, 'y') + "\r\n");
  auto lines = ReadSettingsLines(p, 79, 100);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 3u);
  EXPECT_EQ((*lines)[0], std::string(78, 'x'));
  EXPECT_EQ((*lines)[1], "next");
  EXPECT_EQ((*lines)[2], std::string(78, 'y'));

  // A double-byte character across the limit is left out whole.
  std::string text = std::string(77, 'a') + Sjis("表") + "b";
  WriteFileBytes(p, text + "\r\n");
  EXPECT_EQ(ReadSettingsLines(p, 79, 100), (Lines{std::string(77, 'a')}));
  EXPECT_EQ(CutAtCharacterBoundary(Sjis("表表"), 3), Sjis("表"));
  EXPECT_EQ(CutAtCharacterBoundary("abc", 5), "abc");
}

TEST(SettingsLineReader, OneLineTextsLoseOnlyTheirLineEnds) {
  EXPECT_EQ(AsOneLine(Sjis("表\r\n示\n")), Sjis("表示"));
  EXPECT_EQ(AsOneLine("plain"), "plain");
}

}  // namespace
}  // namespace vek
