#include "io/settings_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "io/settings_sys_format.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempHome;
using testing::WriteFileBytes;

// Settings whose program folder is the default one, without touching the disk.
SheetSettings AtDefaultFolder() {
  SheetSettings s;
  s.windowsDrive = "C:";
  s.installDrive = "C";
  s.installFolder = "\\Kavrion\\Pemo5";
  s.locationCounter = 1;
  return s;
}

// Sys.ndx lines from a list, each ended by CR LF.
std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// `bytes` of a settings file with line `n` (from 0) replaced by `text`.
std::string EditLine(const std::string& bytes, int n, const std::string& text) {
  size_t start = 0;
  for (int i = 0; i < n; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.substr(0, start) + text + bytes.substr(bytes.find("\r\n", start));
}

// A Sys.ndx of the current version as written for `s`, with line `n` replaced.
std::string WithLine(const SheetSettings& s, int n, const std::string& text) {
  return EditLine(FormatSystemSettings(s), n, text);
}

// A settings object with every Sys.ndx value away from its factory value.
SheetSettings Unusual() {
  SheetSettings s = AtDefaultFolder();
  s.SystemNoLabel = Sjis("試験番号");
  s.LengthUnit = 1;
  s.SystemTableTitle = Sjis("測定表");
  s.DigitsPressure = 3;
  s.DigitsReading = 4;
  s.DigitsH = 5;
  s.DigitsPe = 6;
  s.DigitsR = 7;
  s.ShowSiFactor = 1;
  s.SystemGraphTitle = Sjis("グラフ");
  s.ModulusHeading = Sjis("弾性係数");
  s.ModulusSymbol = "G";
  s.RotateAxisNames = 0;
  s.FormulaPosition = 2;
  s.DigitsPoPyPl = 8;
  s.DigitsK = 9;
  s.DigitsE = 10;
  s.DigitsRm = 11;
  s.HidePointLetters = 1;
  s.DigitsDr = 12;
  s.SymbolLineWidth = 13;
  s.FrameLineWidth = 14;
  s.RuleLineWidth = 15;
  s.GridLineWidth = 16;
  s.GridDashLength = 17;
  s.GridGapLength = 0;
  s.DefaultSondeRadius = 3.25;
  s.DefaultSondeLength = 45.5;
  s.DefaultStandpipeArea = 12.125;
  s.SiFactor = "98.0665";
  s.GraphTopMargin = 30;
  s.GraphLeftMargin = 25;
  s.RLineWidth = 3;
  s.DhLineWidth = 4;
  s.SystemCompanyName = Sjis("有限会社 地盤");
  s.ContactLabel = "FAX";
  s.SystemSurveyNameLabel = Sjis("件名");
  s.SystemEngineerLabel = Sjis("担当");
  s.SystemFormulaTitle = Sjis("式");
  s.GridMonochrome = 1;
  s.GridColour = "0x0000ff";
  s.RLineColour = "0x00ff00";
  s.DhLineColour = "0xff0000";
  s.FormulaTopMargin = 31;
  s.FormulaLeftMargin = 32;
  s.TableTopMargin = 33;
  s.TableLeftMargin = 34;
  s.RLineMode = 2;
  s.DhLineMode = 1;
  s.EnterKeyMode = 0;
  return s;
}

// The Sys.ndx part of two settings objects is equal when it formats to the same bytes.
void ExpectSameSystemValues(const SheetSettings& a, const SheetSettings& b) {
  EXPECT_EQ(FormatSystemSettings(a), FormatSystemSettings(b));
}

TEST(SystemSettingsFile, FactoryValuesRoundTripAndWriteTheSameBytesTwice) {
  TempHome home;
  SheetSettings written = AtDefaultFolder();
  fs::path path = SystemSettingsHostPath(written);
  EXPECT_EQ(path, home.path() / "C" / "Kavrion" / "Pemo5" / "Sys.ndx");
  ASSERT_FALSE(fs::exists(path.parent_path()));
  ASSERT_TRUE(SaveSystemSettings(written, path));  // creates the program folder
  std::string first = ReadFileBytes(path);

  SheetSettings read = AtDefaultFolder();
  read.SiFactor = "1";  // must be overwritten by the file
  read.DigitsR = 9;
  RecordStore store;
  RecordingMessageSink sink;
  LoadSettings(read, store, false, sink);
  ASSERT_EQ(sink.shown.size(), 1u);  // only Font1.ndx is missing
  EXPECT_NE(sink.shown[0].find("Font1.ndx"), std::string::npos);
  ExpectSameSystemValues(read, SheetSettings{});
  EXPECT_EQ(read.DefaultSondeRadius, 4.0);
  EXPECT_EQ(read.DefaultStandpipeArea, 108.5);
  EXPECT_EQ(read.SystemTableTitle, Sjis("　"));
  EXPECT_EQ(read.SystemCompanyName, Sjis("株式会社 "));

  ASSERT_TRUE(SaveSystemSettings(read, path));
  EXPECT_EQ(ReadFileBytes(path), first);
}

TEST(SystemSettingsFile, LayoutOfTheWrittenFile) {
  SheetSettings s = Unusual();
  std::string bytes = FormatSystemSettings(s);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  EXPECT_EQ(start, bytes.size());  // ends with CR LF, no bare LF anywhere
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
  ASSERT_EQ(lines.size(), 81u);
  EXPECT_EQ(lines[0], "304");
  EXPECT_EQ(lines[1], Sjis("試験番号"));
  EXPECT_EQ(lines[42], lines[1]);
  EXPECT_EQ(lines[30], "3.2500");
  EXPECT_EQ(lines[31], "45.5000");
  EXPECT_EQ(lines[32], "12.1250");
  EXPECT_EQ(lines[33], "98.0665");
  EXPECT_EQ(lines[60], "0");
  for (int unused : {9, 22, 23, 38, 49, 50, 57, 58, 59, 61, 70, 80}) EXPECT_EQ(lines[unused], "") << unused;

  // A text holding a line end is written on one line, so the values after it keep their lines.
  s.SystemCompanyName = "A\r\nB";
  std::string fixed = FormatSystemSettings(s);
  EXPECT_EQ(fixed.size(), bytes.size() - Sjis("有限会社 地盤").size() + 2);
}

TEST(SystemSettingsFile, EveryValueSurvivesWriteAndRead) {
  TempHome home;
  SheetSettings written = Unusual();
  ASSERT_TRUE(SaveSystemSettings(written, SystemSettingsHostPath(written)));
  std::string first = ReadFileBytes(SystemSettingsHostPath(written));

  SheetSettings read = AtDefaultFolder();
  RecordStore store;
  NullMessageSink sink;
  LoadSettings(read, store, false, sink);
  ExpectSameSystemValues(read, written);
  EXPECT_EQ(read.DefaultStandpipeArea, 12.125);
  EXPECT_EQ(read.SystemEngineerLabel, Sjis("担当"));
  EXPECT_EQ(read.ContactLabel, "FAX");
  EXPECT_EQ(read.EnterKeyMode, 0);
  EXPECT_EQ(read.engineerListPath, "C:\\Kavrion\\Pemo5\\M.mst");
  EXPECT_EQ(read.soilListPath, "C:\\Kavrion\\Pemo5\\D.mst");
  ASSERT_TRUE(SaveSystemSettings(read, SystemSettingsHostPath(read)));
  EXPECT_EQ(ReadFileBytes(SystemSettingsHostPath(read)), first);
}

TEST(SystemSettingsFile, MissingFilesGiveFactoryValuesTwoMessagesAndCreateNothing) {
  TempHome home;
  SheetSettings s;
  s.DigitsR = 7;
  s.SystemCompanyName = "x";
  s.fonts[2].size = 50;
  RecordStore store;
  RecordingMessageSink sink;
  LoadSettings(s, store, false, sink);

  ASSERT_EQ(sink.shown.size(), 2u);
  const auto folder = home.path() / "C" / "Kavrion" / "Pemo5";
  EXPECT_EQ(sink.shown[0], "ファイルが見つかりません\n( " + (folder / "Sys.ndx").string() + " )");
  EXPECT_EQ(sink.shown[1], "ファイルが見つかりません\n( " + (folder / "Font1.ndx").string() + " )");
  ExpectSameSystemValues(s, SheetSettings{});
  EXPECT_EQ(ProgramFolder(s), "C:\\Kavrion\\Pemo5");
  for (int n = 1; n <= 6; ++n) {
    const RoleFont& f = s.fonts[n - 1];
    EXPECT_EQ(f.size, n == 1 || n == 5 ? 11.0 : 9.0) << n;
    EXPECT_EQ(f.face, Sjis("ＭＳ 明朝"));
    EXPECT_EQ(f.colour, 0);
    EXPECT_EQ(f.underline, 0);
  }
  EXPECT_TRUE(fs::is_empty(home.path()));

  // Later view updates neither re-read the files nor repeat the messages.
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(s.systemFileCounter, 1);
  EXPECT_EQ(s.fontCounter, 1);
  EXPECT_EQ(s.locationCounter, 1);
}

TEST(SystemSettingsFile, ShortFileAndVersionRules) {
  TempHome home;
  // A current file that stops after line 4: later values keep what they had.
  {
    SheetSettings s = Unusual();
    WriteFileBytes(SystemSettingsHostPath(s), Lines({"304", "No", "0", "T", "2"}));
    RecordStore store;
    NullMessageSink sink;
    LoadSettings(s, store, false, sink);
    EXPECT_EQ(s.SystemNoLabel, "No");
    EXPECT_EQ(s.LengthUnit, 0);
    EXPECT_EQ(s.SystemTableTitle, "T");
    EXPECT_EQ(s.DigitsPressure, 2);
    EXPECT_EQ(s.DigitsReading, 4);
    EXPECT_EQ(s.SystemEngineerLabel, Sjis("担当"));
    EXPECT_EQ(s.TableTopMargin, 33);
  }
  // Version 250 (and 300, and a first line that is no number): old captions, graph margins copied.
  for (std::string first : {"250", "300", "abc"}) {
    SheetSettings s = AtDefaultFolder();
    SheetSettings content = Unusual();
    WriteFileBytes(SystemSettingsHostPath(s), WithLine(content, 0, first));
    RecordStore store;
    NullMessageSink sink;
    LoadSettings(s, store, false, sink);
    EXPECT_EQ(s.SystemSurveyNameLabel, Sjis("調査名")) << first;
    EXPECT_EQ(s.SystemEngineerLabel, Sjis("担当者")) << first;
    EXPECT_EQ(s.SystemFormulaTitle, Sjis("計算経過式")) << first;
    EXPECT_EQ(s.FormulaTopMargin, 30);
    EXPECT_EQ(s.TableTopMargin, 30);
    EXPECT_EQ(s.FormulaLeftMargin, 25);
    EXPECT_EQ(s.TableLeftMargin, 25);
    EXPECT_EQ(s.SystemNoLabel, Sjis("試験番号"));  // the rest is loaded as usual
    EXPECT_EQ(s.DigitsDr, 12);
  }
  // 301 is a current file.
  SheetSettings s = AtDefaultFolder();
  WriteFileBytes(SystemSettingsHostPath(s), WithLine(Unusual(), 0, "301"));
  RecordStore store;
  NullMessageSink sink;
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(s.SystemEngineerLabel, Sjis("担当"));
  EXPECT_EQ(s.TableLeftMargin, 34);
}

TEST(SystemSettingsFile, NonNumericIntLinesAndHandEditedLine42) {
  TempHome home;
  std::string bytes = FormatSystemSettings(Unusual());
  bytes = EditLine(bytes, 36, "x");
  bytes = EditLine(bytes, 37, "");
  bytes = EditLine(bytes, 60, Sjis("二"));
  bytes = EditLine(bytes, 25, "wide");
  bytes = EditLine(bytes, 42, "ignored");
  bytes = EditLine(bytes, 26, "  7mm");
  SheetSettings s = AtDefaultFolder();
  WriteFileBytes(SystemSettingsHostPath(s), bytes);
  RecordStore store;
  NullMessageSink sink;
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(s.RLineWidth, 1);
  EXPECT_EQ(s.DhLineWidth, 1);
  EXPECT_EQ(s.EnterKeyMode, 2);
  EXPECT_EQ(s.FrameLineWidth, 0);
  EXPECT_EQ(s.RuleLineWidth, 7);
  EXPECT_EQ(s.SystemNoLabel, Sjis("試験番号"));
}

TEST(SystemSettingsFile, ImplausibleNumbersAreRepairedAtEveryUpdate) {
  TempHome home;
  SheetSettings s = AtDefaultFolder();
  SheetSettings content = AtDefaultFolder();
  content.SiFactor = "9.9";
  content.DefaultSondeRadius = 0.5;
  content.DefaultSondeLength = 0.05;
  content.DefaultStandpipeArea = 0;
  WriteFileBytes(SystemSettingsHostPath(s), FormatSystemSettings(content));
  RecordStore store;
  NullMessageSink sink;
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(s.SiFactor, "100.0");
  EXPECT_EQ(s.DefaultSondeRadius, 4.0);
  EXPECT_EQ(s.DefaultSondeLength, 60.0);
  EXPECT_EQ(s.DefaultStandpipeArea, 108.5);

  // Values at or just above their bounds stay; a value set in memory later is checked at the next
  // update without reading the file again.
  s.SiFactor = "10";
  s.DefaultSondeRadius = 0.95;
  s.DefaultSondeLength = 0.1;
  s.DefaultStandpipeArea = 0.1;
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(s.SiFactor, "10");
  EXPECT_EQ(s.DefaultSondeRadius, 0.95);
  EXPECT_EQ(s.DefaultSondeLength, 0.1);
  EXPECT_EQ(s.DefaultStandpipeArea, 0.1);
  s.SiFactor = "nan";
  s.DefaultSondeRadius = 0.89;
  LoadSettings(s, store, false, sink);
  EXPECT_EQ(s.SiFactor, "100.0");
  EXPECT_EQ(s.DefaultSondeRadius, 4.0);
}

TEST(FontFiles, RoundTripSameBytesAndLayout) {
  TempHome home;
  SheetSettings s = AtDefaultFolder();
  s.fonts[0] = {10.5, Sjis("ＭＳ ゴシック"), 0x0000ff, 1};
  s.fonts[1] = {9.0, Sjis("ＭＳ 明朝"), 0, 0};
  s.fonts[2] = {100.0, "Arial", 0x123456, 0};
  s.fonts[3] = {1.5, Sjis("ＭＳ Ｐ明朝"), 0xffffff, 0};
  s.fonts[4] = {400.0, "Courier New", 0x808080, 1};
  s.fonts[5] = {11.25, Sjis("ＭＳ Ｐゴシック"), 42, 0};
  ASSERT_TRUE(SaveAllFontFiles(s));
  EXPECT_EQ(ReadFileBytes(FontFileHostPath(s, 1)), Sjis("10.5\r\nＭＳ ゴシック\r\n255\r\n1\r\n"));
  EXPECT_EQ(ReadFileBytes(FontFileHostPath(s, 6)), Sjis("11.2\r\nＭＳ Ｐゴシック\r\n42\r\n0\r\n"));
  std::vector<std::string> first;
  for (int n = 1; n <= 6; ++n) first.push_back(ReadFileBytes(FontFileHostPath(s, n)));

  SheetSettings read = AtDefaultFolder();
  RecordStore store;
  RecordingMessageSink sink;
  LoadSettings(read, store, false, sink);
  ASSERT_EQ(sink.shown.size(), 1u);  // Sys.ndx only
  for (int n = 1; n <= 6; ++n) {
    const RoleFont& a = s.fonts[n - 1];
    const RoleFont& b = read.fonts[n - 1];
    EXPECT_EQ(b.size, n == 6 ? 11.2 : a.size) << n;
    EXPECT_EQ(b.face, a.face) << n;
    EXPECT_EQ(b.colour, a.colour) << n;
    EXPECT_EQ(b.underline, a.underline) << n;
  }
  ASSERT_TRUE(SaveAllFontFiles(read));
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(ReadFileBytes(FontFileHostPath(s, n)), first[n - 1]) << n;
}

TEST(FontFiles, SizeRangesPerRoleAndMissingFaces) {
  TempHome home;
  fs::path p = home.path() / "f.ndx";
  RoleFont f;
  // Titles (5) and headings (1) allow up to 400 points, the other roles up to 100.
  WriteFileBytes(p, "200\r\nArial\r\n0\r\n0\r\n");
  ASSERT_TRUE(LoadFontFile(p, 5, f));
  EXPECT_EQ(f.size, 200.0);
  ASSERT_TRUE(LoadFontFile(p, 2, f));
  EXPECT_EQ(f.size, 9.0);
  WriteFileBytes(p, "1\r\nArial\r\n");
  ASSERT_TRUE(LoadFontFile(p, 5, f));
  EXPECT_EQ(f.size, 11.0);
  ASSERT_TRUE(LoadFontFile(p, 3, f));
  EXPECT_EQ(f.size, 9.0);
  WriteFileBytes(p, "400.0\r\nArial\r\n");
  ASSERT_TRUE(LoadFontFile(p, 1, f));
  EXPECT_EQ(f.size, 400.0);
  WriteFileBytes(p, "100.1\r\nArial\r\n");
  ASSERT_TRUE(LoadFontFile(p, 4, f));
  EXPECT_EQ(f.size, 9.0);

  // A face of one character (single- or double-byte) names no font; two characters do.
  WriteFileBytes(p, "12\r\nA\r\n255\r\n");
  ASSERT_TRUE(LoadFontFile(p, 2, f));
  EXPECT_EQ(f.face, Sjis("ＭＳ 明朝"));
  EXPECT_EQ(f.size, 12.0);
  EXPECT_EQ(f.colour, 255);
  EXPECT_EQ(f.underline, 0);
  WriteFileBytes(p, Sjis("12\r\n明\r\n"));
  ASSERT_TRUE(LoadFontFile(p, 2, f));
  EXPECT_EQ(f.face, Sjis("ＭＳ 明朝"));
  WriteFileBytes(p, "12\r\nAB\r\n");
  ASSERT_TRUE(LoadFontFile(p, 2, f));
  EXPECT_EQ(f.face, "AB");

  EXPECT_FALSE(LoadFontFile(home.path() / "missing.ndx", 6, f));
  EXPECT_EQ(f.size, 9.0);
  EXPECT_EQ(f.face, Sjis("ＭＳ 明朝"));
}

TEST(SettingsSave, UnwritableTargetsFailAndKeepTheOldFile) {
  TempHome home;
  SheetSettings s = AtDefaultFolder();
  fs::path path = SystemSettingsHostPath(s);
  ASSERT_TRUE(SaveSystemSettings(s, path));
  std::string old = ReadFileBytes(path);

  // A directory where the file should be.
  fs::path dirTarget = home.path() / "dir.ndx";
  fs::create_directories(dirTarget / "inner");
  EXPECT_FALSE(SaveSystemSettings(Unusual(), dirTarget));
  EXPECT_TRUE(fs::is_directory(dirTarget / "inner"));
  EXPECT_FALSE(SaveFontFile(RoleFont{}, dirTarget));

  // A folder that cannot be created because a regular file is in its place.
  WriteFileBytes(home.path() / "plain", "p");
  EXPECT_FALSE(SaveSystemSettings(Unusual(), home.path() / "plain" / "Sys.ndx"));
  EXPECT_EQ(ReadFileBytes(home.path() / "plain"), "p");

  // The program folder replaced by a file: the old Sys.ndx elsewhere is untouched and nothing is
  // left behind in its folder.
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace vek
