#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/encoding.h"
#include "io/program_folder.h"
#include "io/settings_files.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::TempHome;
using testing::WriteFileBytes;

// Changes the current directory for the lifetime of the object.
class InDirectory {
 public:
  explicit InDirectory(const fs::path& dir) : old_(fs::current_path()) { fs::current_path(dir); }
  ~InDirectory() { fs::current_path(old_); }

 private:
  fs::path old_;
};

SheetSettings Loaded(RecordingMessageSink& sink) {
  SheetSettings s;
  RecordStore store;
  LoadSettings(s, store, false, sink);
  return s;
}

TEST(ProgramFolderMapping, DrivesAreFoldersBelowTheRoot) {
  TempHome home;
  EXPECT_EQ(DriveRoot(), home.path());
  EXPECT_EQ(MapWindowsPath("D:\\X\\Y"), home.path() / "D" / "X" / "Y");
  EXPECT_EQ(MapWindowsPath("d:\\X\\\\Y\\"), home.path() / "D" / "X" / "Y");
  EXPECT_EQ(MapWindowsPath("\\Kavrion\\Pemo5"), home.path() / "C" / "Kavrion" / "Pemo5");
  // The second byte of "表" is 0x5C, the backslash: it must not split the name.
  EXPECT_EQ(MapWindowsPath(Sjis("E:\\表\\a")), home.path() / "E" / fs::path(u8"表") / "a");
  EXPECT_EQ(LocationFilePath("C:"), home.path() / "C" / "Kavrion" / "Dorix5.whr");
}

TEST(ProgramFolderMapping, DotDotNeverClimbsAboveTheDriveFolder) {
  TempHome home;
  const struct {
    const char* windows;
    fs::path expected;
  } cases[] = {
      {"C:\\..\\..\\etc", home.path() / "C" / "etc"},
      {"C:\\..", home.path() / "C"},
      {"D:\\a\\..\\..\\..\\b", home.path() / "D" / "b"},
      {"D:\\a\\b\\..\\c", home.path() / "D" / "a" / "c"},
      {"..\\..\\x", home.path() / "C" / "x"},
      {"E:/../../../tmp", home.path() / "E" / "tmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(MapWindowsPath(c.windows), c.expected) << c.windows;
}

// Restores an environment variable when the test ends.
class SavedVariable {
 public:
  explicit SavedVariable(const char* name) : name_(name) {
    if (const char* v = std::getenv(name)) value_ = v;
  }
  ~SavedVariable() {
    if (value_) testing::SetEnvironment(name_, *value_);
    else testing::UnsetEnvironment(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> value_;
};

TEST(ProgramFolderMapping, RootFallsBackToXdgDataHome) {
#ifdef _WIN32
  GTEST_SKIP() << "on Windows the drives are the host's own; only VEK_HOME moves them";
#endif
  TempDir xdg;
  SavedVariable home("VEK_HOME"), data("XDG_DATA_HOME");
  testing::UnsetEnvironment("VEK_HOME");
  testing::SetEnvironment("XDG_DATA_HOME", xdg.path().string());
  EXPECT_EQ(DriveRoot(), xdg.path() / "vek");
}

TEST(ProgramFolderMapping, OnWindowsADriveIsTheDriveItself) {
#ifndef _WIN32
  GTEST_SKIP() << "drive letters are host drives on Windows only";
#else
  SavedVariable home("VEK_HOME");
  testing::UnsetEnvironment("VEK_HOME");
  EXPECT_FALSE(DriveRoot().has_value());
  EXPECT_EQ(MapWindowsPath("C:\\Kavrion\\Pemo5"), fs::path("C:\\Kavrion\\Pemo5"));
  EXPECT_EQ(MapWindowsPath("\\Kavrion\\Pemo5"), fs::path("C:\\Kavrion\\Pemo5"));
  EXPECT_EQ(MapWindowsPath(Sjis("e:\\表\\a")), fs::path(u8"E:\\表\\a"));
  EXPECT_EQ(LocationFilePath("D:"), fs::path("D:\\Kavrion\\Dorix5.whr"));
  // No climbing above the drive root, and a name that looks like a drive stays a name.
  EXPECT_EQ(MapWindowsPath("D:\\a\\..\\..\\..\\b"), fs::path("D:\\b"));
  EXPECT_EQ(MapWindowsPath("C:\\..\\Windows"), fs::path("C:\\Windows"));
  EXPECT_EQ(MapWindowsPath("C:\\x\\D:y").root_name(), fs::path("C:"));
  // The Windows drive is the one the system is on; the current directory names its own drive.
  EXPECT_EQ(WindowsDrive().size(), 2u);
  const fs::path cwd = fs::current_path();
  const auto here = CurrentDirectoryAsWindowsPath();
  ASSERT_TRUE(here.has_value());
  EXPECT_EQ(MapWindowsPath(*here), cwd);
#endif
}

TEST(ProgramFolderDetection, WithoutLocationFileTheDefaultFolderOnTheWindowsDrive) {
  TempHome home;
  RecordingMessageSink sink;
  SheetSettings s = Loaded(sink);
  EXPECT_EQ(s.windowsDrive, "C:");
  EXPECT_EQ(s.installDrive, "C");
  EXPECT_EQ(s.installFolder, "\\Kavrion\\Pemo5");
  EXPECT_EQ(ProgramFolderHostPath(s), home.path() / "C" / "Kavrion" / "Pemo5");
  EXPECT_EQ(FontFileHostPath(s, 3), home.path() / "C" / "Kavrion" / "Pemo5" / "Font3.ndx");
}

TEST(ProgramFolderDetection, LocationFileOnTheWindowsDrive) {
  TempHome home;
  WriteFileBytes(LocationFilePath("C:"), "D:\\X\\Y\r\n");
  fs::path folder = home.path() / "D" / "X" / "Y";
  SheetSettings content;
  content.DigitsR = 5;
  ASSERT_TRUE(SaveSystemSettings(content, folder / "Sys.ndx"));

  RecordingMessageSink sink;
  SheetSettings s = Loaded(sink);
  EXPECT_EQ(ProgramFolder(s), "D:\\X\\Y");
  EXPECT_EQ(ProgramFolderHostPath(s), folder);
  EXPECT_EQ(s.DigitsR, 5);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "ファイルが見つかりません\n( " + (folder / "Font1.ndx").string() + " )");
  EXPECT_EQ(s.engineerListPath, "D:\\X\\Y\\M.mst");
}

TEST(ProgramFolderDetection, UnusableLocationTextsFallBack) {
  // Too short, a folder of one character, no drive letter, and a missing line end (kept whole).
  struct Case {
    const char* content;
    const char* folder;
  } cases[] = {
      {"D:\r\n", "C:\\Kavrion\\Pemo5"},
      {"D:X\r\n", "C:\\Kavrion\\Pemo5"},
      {"1:\\X\r\n", "C:\\Kavrion\\Pemo5"},
      {"", "C:\\Kavrion\\Pemo5"},
      {"E:\\Tools\\Vek", "E:\\Tools\\Vek"},
      {"E:\\A\nF:\\B\n", "E:\\A"},
  };
  for (const Case& c : cases) {
    TempHome home;
    WriteFileBytes(LocationFilePath("C:"), c.content);
    RecordingMessageSink sink;
    EXPECT_EQ(ProgramFolder(Loaded(sink)), c.folder) << c.content;
  }
}

TEST(ProgramFolderDetection, LocationFileOnTheCurrentDirectorysDrive) {
  TempHome home;
  fs::create_directories(home.path() / "E" / "work");
  WriteFileBytes(LocationFilePath("E:"), "F:\\Vek\\Data\r\n");
  {
    InDirectory cd(home.path() / "E" / "work");
    RecordingMessageSink sink;
    EXPECT_EQ(ProgramFolder(Loaded(sink)), "F:\\Vek\\Data");
  }
  // The Windows drive's file wins over the current directory's.
  WriteFileBytes(LocationFilePath("C:"), "G:\\First\r\n");
  {
    InDirectory cd(home.path() / "E" / "work");
    RecordingMessageSink sink;
    EXPECT_EQ(ProgramFolder(Loaded(sink)), "G:\\First");
  }
  // Outside the drive folders the current directory names no drive.
  fs::remove(LocationFilePath("C:"));
  TempDir elsewhere;
  InDirectory cd(elsewhere.path());
  RecordingMessageSink sink;
  EXPECT_EQ(ProgramFolder(Loaded(sink)), "C:\\Kavrion\\Pemo5");
}

TEST(ProgramFolderDetection, ReloadReadsTheNewFolderWithoutDetectingAgain) {
  TempHome home;
  SheetSettings a;
  a.DigitsR = 3;
  a.fonts[0] = {20.0, "Arial", 7, 0};
  a.installDrive = "D";
  a.installFolder = "\\New";
  ASSERT_TRUE(SaveSystemSettings(a, SystemSettingsHostPath(a)));
  ASSERT_TRUE(SaveAllFontFiles(a));

  SheetSettings s;
  RecordStore store;
  RecordingMessageSink sink;
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(ProgramFolder(s), "C:\\Kavrion\\Pemo5");
  EXPECT_EQ(s.DigitsR, 2);
  EXPECT_EQ(sink.shown.size(), 2u);

  // What the setup form does: new location, location file written, reload.
  s.installDrive = "D";
  s.installFolder = "\\New";
  ASSERT_TRUE(WriteLocationFile("D", "\\New"));
  EXPECT_EQ(ReadFileBytes(LocationFilePath("C:")), "D:\\New\r\n");
  LoadSettings(s, store, true, sink);
  EXPECT_EQ(ProgramFolder(s), "D:\\New");
  EXPECT_EQ(s.DigitsR, 3);
  EXPECT_EQ(s.fonts[0].size, 20.0);
  EXPECT_EQ(s.fonts[0].face, "Arial");
  EXPECT_EQ(s.engineerListPath, "D:\\New\\M.mst");
  EXPECT_EQ(sink.shown.size(), 2u);  // everything found

  // Without reload nothing is read again, and the location is not detected again either.
  ASSERT_TRUE(WriteLocationFile("C", "\\Other"));
  a.DigitsR = 4;
  ASSERT_TRUE(SaveSystemSettings(a, SystemSettingsHostPath(a)));
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(s.DigitsR, 3);
  LoadSettings(s, store, true, sink);
  EXPECT_EQ(s.DigitsR, 4);
  EXPECT_EQ(ProgramFolder(s), "D:\\New");

  // A fresh process picks up the location file written above.
  RecordingMessageSink fresh;
  EXPECT_EQ(ProgramFolder(Loaded(fresh)), "C:\\Other");
}

TEST(ProgramFolderDetection, LocationFileWriteFailureKeepsTheOldFile) {
  TempHome home;
  ASSERT_TRUE(WriteLocationFile("D", "\\A"));
  // The Windows drive's folder replaced by a plain file: nothing can be created below it.
  fs::remove_all(home.path() / "C");
  WriteFileBytes(home.path() / "C", "not a folder");
  EXPECT_FALSE(WriteLocationFile("D", "\\B"));
  EXPECT_EQ(ReadFileBytes(home.path() / "C"), "not a folder");
}

}  // namespace
}  // namespace vek
