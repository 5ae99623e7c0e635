// The engineer and soil-name lists: reading as the forms read, saving with the duplicate report,
// the previous generation's names and the row commands.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/encoding.h"
#include "core/messages.h"
#include "io/master_list.h"
#include "io/settings_location.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

std::vector<std::string> Rows(std::initializer_list<const char*> names) {
  std::vector<std::string> rows(names.begin(), names.end());
  rows.resize(kMasterListRows);
  return rows;
}

TEST(MasterList, KeepsEveryNameAndPadsToEighty) {
  testing::TempDir dir;
  std::string bytes;
  for (int i = 1; i <= 85; ++i) bytes += "name" + std::to_string(i) + "\r\n";
  WriteFileBytes(dir / "M.mst", bytes);
  size_t loaded = 0;
  auto rows = LoadMasterList(dir / "M.mst", &loaded);
  EXPECT_EQ(loaded, 85u);
  ASSERT_EQ(rows.size(), 85u);
  EXPECT_EQ(rows[84], "name85");
  RecordingMessageSink sink;
  ASSERT_TRUE(SaveMasterList(dir / "M.mst", rows, sink).written);
  EXPECT_EQ(ReadFileBytes(dir / "M.mst"), bytes);  // nothing after the 80th name is lost

  auto none = LoadMasterList(dir / "missing.mst", &loaded);
  EXPECT_EQ(loaded, 0u);
  EXPECT_EQ(none, std::vector<std::string>(80));
}

TEST(MasterList, LinesAreCutAsTheFormsReadThem) {
  testing::TempDir dir;
  const std::string longName(100, 'x');
  WriteFileBytes(dir / "D.mst", Sjis("粘土") + "\r\n\r\n" + longName + "\nlast");
  auto lines = ReadListLines(dir / "D.mst", kMasterFormLineBytes);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], Sjis("粘土"));
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], std::string(78, 'x'));  // cut to the width; the rest is no name of its own
  EXPECT_EQ(lines[3], "last");                // no line end: nothing of the name is lost
  auto narrow = ReadListLines(dir / "D.mst", kCalHeaderLineBytes);
  EXPECT_EQ(narrow[2], std::string(58, 'x'));

  // A double-byte name across the width is cut before the character, never inside it.
  WriteFileBytes(dir / "M.mst", std::string(77, 'a') + Sjis("山田") + "\r\n" + Sjis("鈴木") + "\r\n");
  EXPECT_EQ(ReadListLines(dir / "M.mst", kMasterFormLineBytes),
            (std::vector<std::string>{std::string(77, 'a'), Sjis("鈴木")}));
}

TEST(MasterList, SaveSkipsEmptyRowsAndReportsDuplicates) {
  testing::TempDir dir;
  RecordingMessageSink sink;
  auto rows = Rows({"a", "", "b", "", "c"});
  auto r = SaveMasterList(dir / "M.mst", rows, sink);
  EXPECT_TRUE(r.written);
  EXPECT_EQ(ReadFileBytes(dir / "M.mst"), "a\r\nb\r\nc\r\n");
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(LoadMasterList(dir / "M.mst"), Rows({"a", "b", "c"}));

  const std::string sand = Sjis("砂");
  rows = Rows({"x", sand.c_str(), "y", "z", "w", "v", sand.c_str()});
  r = SaveMasterList(dir / "D.mst", rows, sink);
  EXPECT_EQ(r.duplicates, 1);
  EXPECT_EQ(ReadFileBytes(dir / "D.mst"), "x\r\n" + sand + "\r\ny\r\nz\r\nw\r\nv\r\n" + sand + "\r\n");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "同じデータがあります\r\n 7行目と 2行目 [砂]　\r\n");
}

TEST(MasterList, DuplicateReportListsSixPairsAtMost) {
  std::vector<std::string> rows(10, "same");
  int count = 0;
  const std::string report = Cp932ToUtf8(DuplicateReport(rows, rows.size(), count));
  EXPECT_EQ(count, 45);  // every pair of ten equal rows
  size_t lines = 0;
  for (size_t p = report.find("行目と"); p != std::string::npos; p = report.find("行目と", p + 1)) ++lines;
  EXPECT_EQ(lines, 6u);
  EXPECT_NE(report.find(" 4行目と 3行目"), std::string::npos);  // the sixth pair
}

TEST(MasterList, SaveFailureIsReportedAndWritesNothing) {
  testing::TempDir dir;
  WriteFileBytes(dir / "file", "x");
  RecordingMessageSink sink;
  auto r = SaveMasterList(dir / "file" / "M.mst", Rows({"a", "a"}), sink);
  EXPECT_FALSE(r.written);
  ASSERT_EQ(sink.shown.size(), 1u);  // the failure only, no duplicate report
  EXPECT_EQ(sink.shown[0], "マスタファイルは\n保存できませんでした");
}

TEST(MasterList, PreviousGenerationNamesAreMerged) {
  testing::TempHome home;
  SheetSettings s;
  s.installDrive = "C";
  s.installFolder = "\\Kavrion\\Pemo5";
  EXPECT_EQ(PreviousGenerationFolder("C:\\Kavrion\\Pemo5"), "C:\\Kavrion\\Pemo4");
  const fs::path old = PreviousGenerationListPath(s, MasterListKind::Engineers);
  EXPECT_EQ(old, home / "C/Kavrion/Pemo4/M.mst");
  EXPECT_EQ(MasterListHostPath(s, MasterListKind::SoilNames), home / "C/Kavrion/Pemo5/D.mst");

  RecordingMessageSink sink;
  auto rows = Rows({"a", "b"});
  EXPECT_EQ(MergePreviousGenerationList(rows, old, sink), -1);  // no old list: nothing, no message
  EXPECT_TRUE(sink.shown.empty());

  // Line numbers count the lines not skipped: "new1" is line 2, "new2" line 4.
  WriteFileBytes(old, "a,1\r\nnew1,x\r\n\r\n**,skip\r\nnew2\r\nb\r\n");
  EXPECT_EQ(MergePreviousGenerationList(rows, old, sink), 2);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::OldVersionDataAdded, "2"));
  ASSERT_EQ(rows.size(), 82u);
  EXPECT_EQ(rows[0], "a");
  EXPECT_EQ(rows[1], "new1");
  EXPECT_EQ(rows[2], "b");
  EXPECT_EQ(rows[3], "new2");

  // Everything known already.
  EXPECT_EQ(MergePreviousGenerationList(rows, old, sink), 0);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::NoOldVersionData));

  // A line wider than the reader gives its name only: the rest of its fields is no further name.
  // A last line without a line end is a name like any other.
  WriteFileBytes(old, "wide," + std::string(120, 'z') + ",tail\r\nc");
  EXPECT_EQ(MergePreviousGenerationList(rows, old, sink), 2);
  EXPECT_EQ(rows[0], "wide");
  EXPECT_EQ(rows[1], "c");
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const std::string& r) { return r.rfind("zz", 0) == 0; }), 0);
  EXPECT_EQ(rows.size(), 84u);
}

TEST(MasterList, ImportBeyondEightyRowsIsSavedWhole) {
  testing::TempDir dir;
  std::vector<std::string> rows;
  for (int i = 1; i <= 80; ++i) rows.push_back("n" + std::to_string(i));
  std::string old;
  for (int i = 1; i <= 100; ++i) old += "o" + std::to_string(i) + "\r\n";
  WriteFileBytes(dir / "old.mst", old);
  RecordingMessageSink sink;
  EXPECT_EQ(MergePreviousGenerationList(rows, dir / "old.mst", sink), 100);
  EXPECT_EQ(rows.size(), 180u);
  SaveMasterList(dir / "M.mst", rows, sink);
  EXPECT_EQ(ReadListLines(dir / "M.mst", kMasterFormLineBytes).size(), 180u);
  EXPECT_EQ(LoadMasterList(dir / "M.mst").size(), 180u);
}

TEST(MasterList, RowCommands) {
  auto rows = Rows({"a", "b", "c"});
  EXPECT_FALSE(MoveListRowUp(rows, 1));
  EXPECT_FALSE(MoveListRowDown(rows, 3));  // the last filled row stays
  EXPECT_TRUE(MoveListRowDown(rows, 2));
  EXPECT_EQ(rows[2], "b");
  EXPECT_TRUE(MoveListRowUp(rows, 2));
  EXPECT_EQ(rows[0], "c");
  EXPECT_TRUE(DeleteListRow(rows, 1));
  EXPECT_EQ(rows.size(), 80u);
  EXPECT_EQ(rows[0], "a");
  EXPECT_EQ(LastFilledRow(rows), 2u);
  EXPECT_FALSE(DeleteListRow(rows, 0));
}

}  // namespace
}  // namespace vek
