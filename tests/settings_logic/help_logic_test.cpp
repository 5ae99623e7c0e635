#include "settings/logic/help_logic.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "io/help_file.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(HelpFormTest, ListsEveryLineWithoutItsLineEndAndNothingElseLost) {
  TempDir dir;
  const std::string longLine(300, 'x');
  WriteFileBytes(dir / "Help.txt", Sjis("操作\r\n") + "\r\n" + longLine + "\nunix line\nlast");
  RecordingMessageSink sink;
  const auto lines = ReadHelpLines(dir / "Help.txt", sink);
  EXPECT_EQ(lines, (std::vector<std::string>{Sjis("操作"), "", longLine, "unix line", "last"}));
  EXPECT_TRUE(sink.shown.empty());
}

TEST(HelpFormTest, AMissingFileIsNamedAndAnOverlongOneIsCut) {
  TempDir dir;
  RecordingMessageSink sink;
  EXPECT_TRUE(ReadHelpLines(dir / "Help.txt", sink).empty());
  EXPECT_EQ(sink.shown, std::vector<std::string>{NumberedMessage(msg::FileNotFound, (dir / "Help.txt").string())});

  std::string many;
  for (size_t i = 0; i < kMaxHelpLines + 5; ++i) many += "line\r\n";
  WriteFileBytes(dir / "Big.txt", many);
  sink.shown.clear();
  EXPECT_EQ(ReadHelpLines(dir / "Big.txt", sink).size(), kMaxHelpLines);
  EXPECT_EQ(sink.shown, std::vector<std::string>{NumberedMessage(msg::TooMuchData)});
}

TEST(HelpFormTest, OpeningTriesEachWayInTurnAndSaysWhenNoneWorks) {
  TempDir dir;
  WriteFileBytes(dir / "Help.txt", "x\r\n");
  std::vector<std::string> tried;
  auto way = [&](const char* name, bool works) -> HelpOpener {
    return {name, [&tried, name, works](const std::filesystem::path&) {
              tried.push_back(name);
              return works;
            }};
  };
  RecordingMessageSink sink;
  const HelpOpener secondWorks[] = {way("desktop", false), way("editor", true), way("never", true)};
  EXPECT_TRUE(OpenHelpForPrinting(dir / "Help.txt", secondWorks, sink));
  EXPECT_EQ(tried, (std::vector<std::string>{"desktop", "editor"}));
  EXPECT_TRUE(sink.shown.empty());

  const HelpOpener noneWorks[] = {way("desktop", false), way("editor", false)};
  EXPECT_FALSE(OpenHelpForPrinting(dir / "Help.txt", noneWorks, sink));
  // The message names every program that was tried.
  EXPECT_EQ(sink.shown, std::vector<std::string>{"実行できませんでした\n( desktop, editor )"});

  tried.clear();
  sink.shown.clear();
  EXPECT_FALSE(OpenHelpForPrinting(dir / "Missing.txt", secondWorks, sink));
  EXPECT_TRUE(tried.empty());
  EXPECT_EQ(sink.shown, std::vector<std::string>{NumberedMessage(msg::FileNotFound, (dir / "Missing.txt").string())});
}

TEST(HelpFormTest, TheShippedHelpTextIsShiftJisWithCrLfAndLosesNoCharacter) {
  const std::string source = ReadFileBytes(std::filesystem::path(VEK_SOURCE_DIR) / "io" / "help" / "Help.txt");
  ASSERT_FALSE(source.empty());
  const std::string file = FactoryHelpText();
  ASSERT_TRUE(TryUtf8ToCp932(source).has_value()) << "Help.txt holds a character Shift_JIS cannot";
  std::string back = Cp932ToUtf8(file);
  size_t crlf = 0;
  for (size_t i = 0; (i = back.find("\r\n", i)) != std::string::npos; i += 2) ++crlf;
  EXPECT_EQ(crlf, static_cast<size_t>(std::count(back.begin(), back.end(), '\n')));  // no bare LF
  std::erase(back, '\r');
  EXPECT_EQ(back, source);

  TempDir dir;
  ASSERT_TRUE(SaveFactoryHelpFile(dir / "Pemo5" / "Help.txt"));
  RecordingMessageSink sink;
  const auto lines = ReadHelpLines(dir / "Pemo5" / "Help.txt", sink);
  EXPECT_GT(lines.size(), 50u);
  EXPECT_EQ(lines.front(), std::string(62, '='));
}

}  // namespace
}  // namespace vek
