// The master-list form: every name kept, edits in place, the row commands, the previous
// generation's names, the duplicate report and a list that cannot be written.
#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/messages.h"
#include "forms/logic/master_list_logic.h"
#include "support/program_home.h"

namespace vek {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

class MasterListLogicTest : public ::testing::Test {
 protected:
  std::filesystem::path List(MasterListKind kind) const {
    return home.Folder() / (kind == MasterListKind::Engineers ? "M.mst" : "D.mst");
  }
  testing::ProgramHome home;
  RecordingMessageSink sink;
};

TEST_F(MasterListLogicTest, EightyFiveNamesAreShownAndSavedWhole) {
  std::string bytes;
  for (int i = 1; i <= 85; ++i) bytes += "name" + std::to_string(i) + "\r\n";
  WriteFileBytes(List(MasterListKind::Engineers), bytes);
  MasterListLogic form(home.settings, MasterListKind::Engineers);
  EXPECT_EQ(form.RowCount(), 85);
  EXPECT_EQ(form.Row(85), "name85");
  EXPECT_EQ(form.CurrentRow(), 0u);  // a full list has no free row to offer
  form.SelectRow(85);
  EXPECT_TRUE(form.MoveCurrentUp());
  ASSERT_TRUE(form.Save(sink));
  EXPECT_NE(ReadFileBytes(List(MasterListKind::Engineers)).find("name85\r\nname84\r\n"), std::string::npos);
  EXPECT_EQ(MasterListLogic(home.settings, MasterListKind::Engineers).RowCount(), 85);
}

TEST_F(MasterListLogicTest, OpensWithTheFirstFreeRowCurrent) {
  WriteFileBytes(List(MasterListKind::SoilNames), "a\r\nb\r\n");
  MasterListLogic form(home.settings, MasterListKind::SoilNames);
  EXPECT_EQ(form.RowCount(), 80);
  EXPECT_EQ(form.CurrentRow(), 3u);
  EXPECT_FALSE(form.HasChanges());
  EXPECT_FALSE(form.CanImportOldList());
  EXPECT_EQ(form.ListPath(), List(MasterListKind::SoilNames));
}

TEST_F(MasterListLogicTest, WithoutASoilListTheFormStartsFromTheNamesTheHeaderOffers) {
  // OK on the new list must not take シルト, 粘土 and 砂 away from the header form's combo.
  MasterListLogic soils(home.settings, MasterListKind::SoilNames);
  EXPECT_EQ(soils.Row(1), Sjis("シルト"));
  EXPECT_EQ(soils.Row(3), Sjis("砂"));
  EXPECT_EQ(soils.CurrentRow(), 4u);
  ASSERT_TRUE(soils.Save(sink));
  EXPECT_EQ(ReadFileBytes(List(MasterListKind::SoilNames)).rfind(Sjis("シルト\r\n粘土\r\n砂\r\n"), 0), 0u);
  EXPECT_TRUE(MasterListLogic(home.settings, MasterListKind::Engineers).Row(1).empty());
}

TEST_F(MasterListLogicTest, AnEditInPlaceMarksTheListAndReplacesTheName) {
  WriteFileBytes(List(MasterListKind::Engineers), "a\r\n");
  MasterListLogic form(home.settings, MasterListKind::Engineers);
  EXPECT_FALSE(form.IsCellEditable(81, 1));
  EXPECT_EQ(form.BeginCellEdit(1, 1), "a");
  EXPECT_TRUE(form.HasChanges());  // opening the editor is enough for question 132
  EXPECT_FALSE(form.RowsChanged());
  EXPECT_EQ(form.CurrentRow(), 1u);
  form.SetCellText(1, 1, Sjis("田中"));
  EXPECT_TRUE(form.RowsChanged());
  EXPECT_TRUE(form.Save(sink));
  EXPECT_EQ(ReadFileBytes(List(MasterListKind::Engineers)), Sjis("田中") + "\r\n");
}

TEST_F(MasterListLogicTest, AListThatCannotBeWrittenKeepsTheFormAndItsRows) {
  std::filesystem::create_directories(List(MasterListKind::Engineers));  // a folder in the file's place
  MasterListLogic form(home.settings, MasterListKind::Engineers);
  form.BeginCellEdit(1, 1);
  form.SetCellText(1, 1, "x");
  EXPECT_FALSE(form.Save(sink));
  EXPECT_EQ(sink.shown, std::vector<std::string>{"マスタファイルは\n保存できませんでした"});
  EXPECT_EQ(form.Row(1), "x");
  EXPECT_TRUE(form.HasChanges());
}

TEST_F(MasterListLogicTest, DuplicatesAreReportedAndStillSaved) {
  WriteFileBytes(List(MasterListKind::SoilNames),
                 "a\r\n" + Sjis("粘土") + "\r\nb\r\nc\r\nd\r\ne\r\n" + Sjis("粘土") + "\r\n");
  MasterListLogic form(home.settings, MasterListKind::SoilNames);
  EXPECT_TRUE(form.Save(sink));
  EXPECT_EQ(sink.shown, std::vector<std::string>{"同じデータがあります\r\n 7行目と 2行目 [粘土]　\r\n"});
  EXPECT_EQ(MasterListLogic(home.settings, MasterListKind::SoilNames).Row(7), Sjis("粘土"));
}

TEST_F(MasterListLogicTest, RowCommandsWorkOnTheCurrentRow) {
  WriteFileBytes(List(MasterListKind::Engineers), "a\r\nb\r\nc\r\n");
  MasterListLogic form(home.settings, MasterListKind::Engineers);
  form.SelectRow(3);
  EXPECT_FALSE(form.MoveCurrentDown());  // the last filled row
  EXPECT_FALSE(form.HasChanges());
  EXPECT_TRUE(form.MoveCurrentUp());
  EXPECT_EQ(form.CurrentRow(), 2u);
  EXPECT_EQ(form.Row(2), "c");
  form.SelectRow(1);
  EXPECT_FALSE(form.MoveCurrentUp());
  EXPECT_TRUE(form.DeleteCurrent());
  EXPECT_EQ(form.CurrentRow(), 0u);
  EXPECT_EQ(form.Row(1), "c");
  EXPECT_EQ(form.RowCount(), 80);
  EXPECT_FALSE(form.DeleteCurrent());  // no row current
}

TEST_F(MasterListLogicTest, OldNamesAreInsertedAtTheirLineNumbers) {
  WriteFileBytes(List(MasterListKind::Engineers), "a\r\nb\r\nc\r\n");
  WriteFileBytes(home.OldFolder() / "M.mst", "x,1\r\n\r\nb,2\r\n**,3\r\ny,4\r\n");
  MasterListLogic form(home.settings, MasterListKind::Engineers);
  ASSERT_TRUE(form.CanImportOldList());
  EXPECT_EQ(form.ImportOldList(sink), 2);
  // "x" is line 1, "b" (known) line 2, "**" line 3 is skipped, "y" line 4; the blank line counts not.
  EXPECT_EQ(std::vector<std::string>(form.Rows().begin(), form.Rows().begin() + 5),
            (std::vector<std::string>{"x", "a", "b", "y", "c"}));
  EXPECT_EQ(form.RowCount(), 82);
  EXPECT_TRUE(form.HasChanges());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::OldVersionDataAdded, "2"));

  MasterListLogic again(home.settings, MasterListKind::Engineers);
  WriteFileBytes(home.OldFolder() / "M.mst", "a\r\nc\r\n");
  EXPECT_EQ(again.ImportOldList(sink), 0);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::NoOldVersionData));
  EXPECT_FALSE(again.HasChanges());
}

}  // namespace
}  // namespace vek
