#include "settings/logic/setup_logic.h"

#include <gtest/gtest.h>

#include "io/program_folder.h"
#include "io/settings_sys_format.h"
#include "settings_fixture.h"

namespace vek {
namespace {

using testing::LoadedSettings;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

TEST(SetupFormTest, LeavingTheFolderEditPutsABackslashInFrontAndReportsAnEmptyFolder) {
  struct Case {
    const char* typed;
    const char* after;
    bool reported;
  } cases[] = {
      {"", "\\", true},
      {"\\", "\\", true},
      {"x", "\\x", true},
      {"Data\\Vek", "\\Data\\Vek", false},
      {"\\Data", "\\Data", false},
  };
  for (const Case& c : cases) {
    SheetSettings s;
    RecordStore store;
    SetupLogic form(s, store);
    form.folder = c.typed;
    RecordingMessageSink sink;
    form.FolderLeft(sink);
    EXPECT_EQ(form.folder, c.after) << c.typed;
    EXPECT_EQ(sink.shown, c.reported ? std::vector<std::string>{NumberedMessage(msg::NoData)}
                                     : std::vector<std::string>{})
        << c.typed;
  }
}

TEST(SetupFormTest, StandardTakesTheWindowsDrive) {
  SheetSettings s;
  s.windowsDrive = "D:";
  s.installDrive = "E";
  s.installFolder = "\\Old";
  RecordStore store;
  SetupLogic form(s, store);
  EXPECT_EQ(form.drive, "E");
  EXPECT_EQ(form.folder, "\\Old");
  form.ApplyStandard();
  EXPECT_EQ(form.drive, "D");
  EXPECT_EQ(form.folder, "\\Kavrion\\Pemo5");
  // Dropped without OK: the settings are as they were.
  EXPECT_EQ(s.installDrive, "E");
  EXPECT_EQ(s.installFolder, "\\Old");
}

TEST(SetupFormTest, ABadDriveOrAShortFolderIsRefusedAndNothingIsStored) {
  struct Case {
    const char* drive;
    const char* folder;
    SetupField focus;
  } cases[] = {
      {"", "\\Data", SetupField::Drive},   {"1", "\\Data", SetupField::Drive},
      {":", "\\Data", SetupField::Drive},  {"DE", "\\Data", SetupField::Drive},
      {"D", "\\", SetupField::Folder},     {"D", "", SetupField::Folder},
  };
  for (const Case& c : cases) {
    LoadedSettings t;
    t.Load();
    SetupLogic form(t.settings, t.store);
    form.drive = c.drive;
    form.folder = c.folder;
    EXPECT_EQ(form.Commit(t.sink), c.focus) << c.drive << " " << c.folder;
    EXPECT_EQ(t.sink.shown, std::vector<std::string>{NumberedMessage(msg::BadDriveName)});
    EXPECT_EQ(t.settings.installDrive, "C");
    EXPECT_EQ(t.settings.installFolder, "\\Kavrion\\Pemo5");
    EXPECT_FALSE(std::filesystem::exists(LocationFilePath("C:")));
  }
}

TEST(SetupFormTest, OkRecordsTheLocationAndReloadsTheSettingsOfTheNewFolder) {
  LoadedSettings t;
  t.Load();
  SheetSettings elsewhere = t.settings;
  elsewhere.EnterKeyMode = 0;
  elsewhere.DigitsR = 4;
  WriteFileBytes(t.Folder("D", "Data/Vek") / "Sys.ndx", FormatSystemSettings(elsewhere));
  WriteFileBytes(t.Folder("D", "Data/Vek") / "Font1.ndx", "20.0\r\nIPAGothic\r\n255\r\n0\r\n");

  SetupLogic form(t.settings, t.store);
  form.drive = "d";  // typed in lower case
  form.folder = "Data\\Vek";  // OK by Enter, without leaving the edit first
  EXPECT_EQ(form.Commit(t.sink), SetupField::None);
  EXPECT_TRUE(t.sink.shown.empty());
  EXPECT_EQ(t.settings.installDrive, "D");
  EXPECT_EQ(t.settings.installFolder, "\\Data\\Vek");
  EXPECT_EQ(ReadFileBytes(LocationFilePath("C:")), "D:\\Data\\Vek\r\n");
  EXPECT_EQ(t.settings.EnterKeyMode, 0);
  EXPECT_EQ(t.settings.DigitsR, 4);
  EXPECT_EQ(t.settings.fonts[0].size, 20.0);
  EXPECT_EQ(t.settings.engineerListPath, "D:\\Data\\Vek\\M.mst");
}

TEST(SetupFormTest, OkUnchangedKeepsEverySettingsFileAndValue) {
  LoadedSettings t;
  SheetSettings custom;
  custom.DigitsPe = 3;
  custom.SystemCompanyName = "ACME";
  const std::string sysNdx = FormatSystemSettings(custom);
  WriteFileBytes(t.DefaultFolder() / "Sys.ndx", sysNdx);
  WriteFileBytes(LocationFilePath("C:"), "C:\\Kavrion\\Pemo5\r\n");
  t.Load();
  const std::string loaded = FormatSystemSettings(t.settings);
  SetupLogic form(t.settings, t.store);
  EXPECT_EQ(form.Commit(t.sink), SetupField::None);
  EXPECT_EQ(ReadFileBytes(t.DefaultFolder() / "Sys.ndx"), sysNdx);
  EXPECT_EQ(ReadFileBytes(LocationFilePath("C:")), "C:\\Kavrion\\Pemo5\r\n");
  EXPECT_EQ(FormatSystemSettings(t.settings), loaded);
}

TEST(SetupFormTest, ALocationFileThatCannotBeWrittenIsReportedAndTheNewFolderStillHolds) {
  LoadedSettings t;
  t.Load();
  WriteFileBytes(t.home.path() / "C" / "Kavrion", "a file where the folder should be");
  SetupLogic form(t.settings, t.store);
  form.drive = "E";
  form.folder = "\\Vek";
  EXPECT_EQ(form.Commit(t.sink), SetupField::None);
  ASSERT_FALSE(t.sink.shown.empty());
  EXPECT_EQ(t.sink.shown[0], NumberedMessage(msg::BadFolderOrDrive));
  // The reload looked in the new folder (and found no Sys.ndx there).
  EXPECT_EQ(t.sink.shown[1], NumberedMessage(msg::FileNotFound, (t.Folder("E", "Vek") / "Sys.ndx").string()));
  EXPECT_EQ(ProgramFolder(t.settings), "E:\\Vek");
}

}  // namespace
}  // namespace vek
