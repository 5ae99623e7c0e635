// Open, Save, Save As, the framework load and the calibration take-over, without a window.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include <deque>

#include "core/encoding.h"
#include "core/messages.h"
#include "io/data_file_attach.h"
#include "io/data_file_fixtures.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "io/document_commands.h"
#include "io/file_v.h"
#include "io/settings_location.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class ScriptedChooser : public FileChooser {
 public:
  std::optional<fs::path> ChooseOpenFile(const FileChooserRequest& r) override { return Answer(r); }
  std::optional<fs::path> ChooseSaveFile(const FileChooserRequest& r) override { return Answer(r); }
  std::deque<std::optional<fs::path>> answers;
  std::vector<FileChooserRequest> requests;

 private:
  std::optional<fs::path> Answer(const FileChooserRequest& r) {
    requests.push_back(r);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

class CountingHost : public DocumentHost {
 public:
  void UpdateAllViews() override { ++updates; }
  void DocumentPathChanged(const fs::path& p) override { recent.push_back(p); }
  int updates = 0;
  std::vector<fs::path> recent;
};

class DocumentCommandsTest : public ::testing::Test {
 protected:
  DocumentCommandsTest() {
    settings.installDrive = "C";
    settings.installFolder = "\\Kavrion\\Pemo5";
    testing::FillFullTest(sample);
    testing::FillFullCalibration(sample);
    WriteFileBytes(home / "data/t.vdw", WriteTestFile(sample));
    WriteFileBytes(home / "data/c.cdw", WriteCalibrationFile(sample));
  }
  fs::path ProgramFolderPath() const { return ProgramFolderHostPath(settings); }

  testing::TempHome home;
  RecordStore sample;
  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  ScriptedChooser chooser;
  CountingHost host;
  DocumentCommands doc{store, settings, sink, chooser, host};
};

TEST_F(DocumentCommandsTest, OpenReadsTheChosenFileAndRemembersItsFolder) {
  WriteFileBytes(ProgramFolderPath() / "FileV.ndx", "/start/here\r\nkept line\r\n");
  chooser.answers = {home / "data/t.vdw"};
  ASSERT_TRUE(doc.Open());
  ASSERT_EQ(chooser.requests.size(), 1u);
  EXPECT_EQ(chooser.requests[0].initialFolder, fs::path("/start/here"));
  EXPECT_EQ(chooser.requests[0].filter, kOpenFilter);
  EXPECT_TRUE(testing::SameRecord(store.test, sample.test));
  EXPECT_EQ(store.currentSheet, kTestSheet);
  EXPECT_EQ(store.testFilePath, PathToField(home / "data/t.vdw"));
  EXPECT_EQ(doc.PathName(), home / "data/t.vdw");
  EXPECT_EQ(doc.Title(), "t.vdw");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(host.updates, 1);
  EXPECT_EQ(host.recent.back(), home / "data/t.vdw");
  EXPECT_EQ(ReadFileBytes(ProgramFolderPath() / "FileV.ndx"), (home / "data").string() + "\r\nkept line\r\n");

  // A calibration file refits the curve and is remembered as the calibration file.
  chooser.answers = {home / "data/c.cdw"};
  ASSERT_TRUE(doc.Open());
  EXPECT_EQ(store.currentSheet, kCalibrationSheet);
  EXPECT_EQ(store.calCoefficients, sample.calCoefficients);
  EXPECT_EQ(store.calFilePath, PathToField(home / "data/c.cdw"));
  EXPECT_EQ(store.testFilePath, PathToField(home / "data/t.vdw"));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DocumentCommandsTest, OpenFailuresLeaveStoreAndFolderFileAlone) {
  // Cancel.
  EXPECT_FALSE(doc.Open());
  EXPECT_TRUE(sink.shown.empty());
  // Missing file.
  chooser.answers = {home / "data/none.vdw"};
  EXPECT_FALSE(doc.Open());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], NumberedMessage(msg::FileNotFound, (home / "data/none.vdw").string()));
  // Not one of ours.
  WriteFileBytes(home / "other/readme.vdw", "just text\r\n");
  chooser.answers = {home / "other/readme.vdw"};
  EXPECT_FALSE(doc.Open());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::NotVekData));
  EXPECT_FALSE(fs::exists(ProgramFolderPath() / "FileV.ndx"));
  EXPECT_TRUE(doc.PathName().empty());
  EXPECT_EQ(host.updates, 0);
}

TEST_F(DocumentCommandsTest, SaveAsChoosesTheRecordByExtension) {
  store = sample;
  store.currentSheet = kTestSheet;
  // No extension: the current sheet decides.
  chooser.answers = {home / "out/first"};
  fs::create_directories(home / "out");
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(ReadFileBytes(home / "out/first.vdw"), WriteTestFile(sample));
  EXPECT_EQ(chooser.requests[0].filter, kSaveTestFilter);
  EXPECT_TRUE(chooser.requests[0].overwritePrompt);
  EXPECT_EQ(doc.PathName(), home / "out/first.vdw");
  EXPECT_EQ(store.testFilePath, PathToField(home / "out/first.vdw"));
  // ".CDW" on the test sheet writes the calibration record.
  chooser.answers = {home / "out/cal.CDW"};
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(ReadFileBytes(home / "out/cal.CDW"), WriteCalibrationFile(sample));
  EXPECT_EQ(store.calFilePath, PathToField(home / "out/cal.CDW"));
  // The previous generation's extensions are refused, and the chooser comes back with the name.
  chooser.answers = {home / "out/x.ddf", std::nullopt};
  EXPECT_FALSE(doc.SaveAs());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::BadExtension));
  EXPECT_EQ(chooser.requests.back().startName, home / "out/x.ddf");
  EXPECT_FALSE(fs::exists(home / "out/x.ddf"));
  EXPECT_EQ(doc.PathName(), home / "out/cal.CDW");
}

// A name with a point of its own keeps it and gets the shown record's extension; a file of that
// name is replaced only when the user says so, else the chooser comes back.
TEST_F(DocumentCommandsTest, SaveAsKeepsTheUsersNameAndAsksBeforeReplacingUnderTheLongerName) {
  store = sample;
  store.currentSheet = kTestSheet;
  fs::create_directories(home / "out");
  chooser.answers = {home / "out/B-1_GL-5.5"};
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(ReadFileBytes(home / "out/B-1_GL-5.5.vdw"), WriteTestFile(sample));
  EXPECT_EQ(doc.PathName(), home / "out/B-1_GL-5.5.vdw");
  EXPECT_TRUE(sink.asked.empty());

  store.test.Header(1) = "second";
  sink.answers = {false, true};
  chooser.answers = {home / "out/B-1_GL-5.5", home / "out/B-1_GL-5.5"};
  ASSERT_TRUE(doc.SaveAs());
  ASSERT_EQ(sink.asked.size(), 2u);
  EXPECT_EQ(sink.asked[0], "「B-1_GL-5.5.vdw」は既にあります。上書きしますか？");
  EXPECT_EQ(chooser.requests.back().startName, home / "out/B-1_GL-5.5");
  EXPECT_NE(ReadFileBytes(home / "out/B-1_GL-5.5.vdw").find("$$Z\r\nsecond\r\n"), std::string::npos);

  // On the calibration sheet the appended extension is .cdw; a failed write brings the chooser back.
  store.currentSheet = kCalibrationSheet;
  chooser.answers = {home / "out/missing/No.3", home / "out/No.3"};
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::CannotSave));
  EXPECT_EQ(ReadFileBytes(home / "out/No.3.cdw"), WriteCalibrationFile(store));
  EXPECT_EQ(store.calFilePath, PathToField(home / "out/No.3.cdw"));
}

TEST_F(DocumentCommandsTest, SaveWritesOnlyWhenTheEndingMatchesTheSheet) {
  chooser.answers = {home / "data/t.vdw"};
  ASSERT_TRUE(doc.Open());
  store.test.Header(1) = "changed";
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ(chooser.requests.size(), 1u);  // written without a chooser
  RecordStore expected = sample;
  expected.test.Header(1) = "changed";
  EXPECT_EQ(ReadFileBytes(home / "data/t.vdw"), WriteTestFile(expected));

  // The calibration sheet with a .vdw document goes to Save As, proposing the remembered
  // calibration file.
  store.currentSheet = kCalibrationSheet;
  store.calFilePath = PathToField(home / "data/c.cdw");
  EXPECT_FALSE(doc.Save());  // the chooser is cancelled
  ASSERT_EQ(chooser.requests.size(), 2u);
  EXPECT_EQ(chooser.requests[1].startName, home / "data/c.cdw");
  EXPECT_EQ(chooser.requests[1].filter, kSaveCalibrationFilter);

  // A new document has no name: Save is Save As.
  doc.NewDocument();
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(chooser.requests.size(), 3u);
}

TEST_F(DocumentCommandsTest, FailedSaveKeepsThePreviousFile) {
  chooser.answers = {home / "data/t.vdw"};
  ASSERT_TRUE(doc.Open());
  const std::string before = ReadFileBytes(home / "data/t.vdw");
  store.test.Header(1) = "never written";
#ifndef _WIN32  // a file-size limit exists on POSIX systems only
  // Let every write stop after 1000 bytes, as on a full disk.
  struct rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = doc.Save();
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::CannotSave));
  EXPECT_EQ(ReadFileBytes(home / "data/t.vdw"), before);
  EXPECT_EQ(doc.PathName(), home / "data/t.vdw");
  // No temporary file is left behind.
  int files = 0;
  for (auto& e : fs::directory_iterator(home / "data")) files += e.is_regular_file();
  EXPECT_EQ(files, 2);
#endif

  // A folder that cannot exist (its parent is a file).
  chooser.answers = {home / "data/t.vdw/inside.vdw"};
  EXPECT_FALSE(doc.SaveAs());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::CannotSave));
  EXPECT_EQ(store.testFilePath, PathToField(home / "data/t.vdw"));
}

TEST_F(DocumentCommandsTest, SaveRefusesAWriteProtectedFile) {
  chooser.answers = {home / "data/t.vdw"};
  ASSERT_TRUE(doc.Open());
  const std::string before = ReadFileBytes(home / "data/t.vdw");
  fs::permissions(home / "data/t.vdw", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  store.test.Header(1) = "never written";
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::CannotSave));
  EXPECT_EQ(ReadFileBytes(home / "data/t.vdw"), before);
  EXPECT_EQ(fs::status(home / "data/t.vdw").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(DocumentCommandsTest, SaveRefusesAValueTheFileCannotHoldNamingIt) {
  chooser.answers = {home / "data/t.vdw"};
  ASSERT_TRUE(doc.Open());
  const std::string before = ReadFileBytes(home / "data/t.vdw");
  // 626 bytes: read back in pieces, the line would shift every later header field.
  store.test.Header(hf::CalFileName) = std::string(626, 'c');
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(sink.shown.back(),
            "保存できませんでした\n見出し項目 20 はファイルの 1 行が 626 バイトになり、読み込める 400 バイトを超えます");
  store.test.Header(hf::CalFileName).clear();
  store.test.Test(2, tf::Pe) = "1,5";
  EXPECT_FALSE(doc.Save());
  EXPECT_NE(sink.shown.back().find("データ 2 行 11 列 はカンマ"), std::string::npos) << sink.shown.back();
  EXPECT_EQ(ReadFileBytes(home / "data/t.vdw"), before);
}

TEST_F(DocumentCommandsTest, FrameworkLoadRemembersTheFileShownBefore) {
  chooser.answers = {home / "data/c.cdw"};
  ASSERT_TRUE(doc.Open());
  ASSERT_TRUE(doc.FrameworkLoad(home / "data/t.vdw"));
  EXPECT_EQ(store.currentSheet, kTestSheet);
  EXPECT_EQ(store.calFilePath, PathToField(home / "data/c.cdw"));
  EXPECT_EQ(store.testFilePath, "*.vdw");
  EXPECT_EQ(doc.PathName(), home / "data/t.vdw");
  EXPECT_TRUE(testing::SameRecord(store.test, sample.test));
  EXPECT_EQ(host.updates, 2);
  // The framework path leaves FileV.ndx as the Open command wrote it.
  EXPECT_EQ(ReadFileBytes(ProgramFolderPath() / "FileV.ndx"), (home / "data").string() + "\r\n\r\n");

  // Save As on the calibration sheet proposes the remembered calibration file.
  store.currentSheet = kCalibrationSheet;
  doc.SaveAs();
  EXPECT_EQ(chooser.requests.back().startName, home / "data/c.cdw");

  // A Ver2 file is refused here, and the document keeps its name.
  WriteFileBytes(home / "data/old.ddf", "$Z40\r\n1\r\n");
  EXPECT_FALSE(doc.FrameworkLoad(home / "data/old.ddf"));
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::UseOpenForOldVersion));
  EXPECT_EQ(doc.PathName(), home / "data/t.vdw");
}

TEST_F(DocumentCommandsTest, AttachCalibrationFileCopiesRowsAndCoefficients) {
  store.test.Header(hf::CalCoefficient1) = "old";
  store.TestCalRows()[40][1] = "stale";
  ASSERT_EQ(AttachCalibrationFile(store, home / "data/c.cdw", sink), AttachResult::Attached);
  for (int r = 1; r <= 40; ++r)
    for (int f = 1; f <= 3; ++f) EXPECT_EQ(store.TestCalRows()[r][f], sample.calibration.Cal(r, f));
  for (int n = 25; n <= 29; ++n) EXPECT_EQ(store.test.Header(n), sample.calibration.Header(n));
  EXPECT_EQ(store.testCoefficients[1], std::atof(sample.calibration.Header(26).c_str()));
  EXPECT_EQ(store.test.Header(1), "");  // nothing else of the header is taken
  EXPECT_EQ(store.test.Header(hf::CalFileName), "");

  // A test file is not a calibration file; nothing changes.
  const RecordStore before = store;
  EXPECT_EQ(AttachCalibrationFile(store, home / "data/t.vdw", sink), AttachResult::NotCalibration);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::NotCalibrationFile));
  EXPECT_EQ(AttachCalibrationFile(store, home / "data/none.cdw", sink), AttachResult::CannotOpen);
  EXPECT_TRUE(testing::SameRecord(store.test, before.test));
}

TEST(FilterString, SplitsDescriptionsAndPatterns) {
  auto f = ParseFilterString(kSaveTestFilter);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0].description, "VEKデータ(*.VDW)");
  EXPECT_EQ(f[0].patterns, std::vector<std::string>{"*.vdw"});
  EXPECT_EQ(f[1].patterns, (std::vector<std::string>{"*.cdw", "*.vdw"}));
  EXPECT_EQ(f[2].patterns, std::vector<std::string>{"*.*"});
}

TEST(FileVFile, LongFoldersSurviveAndAMissingFileReadsEmpty) {
  testing::TempDir dir;
  FileV v = ReadFileV(dir.path());
  EXPECT_TRUE(v.folder.empty() && v.line2.empty());
  v.folder = "/" + std::string(150, 'f');
  v.line2 = "second";
  ASSERT_TRUE(WriteFileV(dir / "sub", v));
  FileV back = ReadFileV(dir / "sub");
  EXPECT_EQ(back.folder, v.folder);
  EXPECT_EQ(back.line2, "second");
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

// The three answers to "save the changes?", and what each leaves behind.
TEST_F(DocumentCommandsTest, SaveModifiedSavesDiscardsOrStays) {
  std::vector<std::string> questions;
  auto answer = [&](SaveChoice choice) {
    return [&questions, choice](const std::string& q) {
      questions.push_back(q);
      return choice;
    };
  };
  // An unmodified document goes without a question.
  EXPECT_TRUE(doc.SaveModified(answer(SaveChoice::Cancel)));
  EXPECT_TRUE(questions.empty());

  ASSERT_TRUE(doc.FrameworkLoad(home / "data/t.vdw"));
  EXPECT_FALSE(doc.IsModified());
  doc.SetModified(true);
  store.test.Header(1) = "changed";
  EXPECT_FALSE(doc.SaveModified(answer(SaveChoice::Cancel)));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(questions.back(), "「t.vdw」への変更を保存しますか？");
  EXPECT_TRUE(doc.SaveModified(answer(SaveChoice::Discard)));
  EXPECT_EQ(ReadFileBytes(home / "data/t.vdw"), WriteTestFile(sample));  // discarded: the file as it was
  EXPECT_TRUE(doc.SaveModified(answer(SaveChoice::Save)));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_NE(ReadFileBytes(home / "data/t.vdw").find("$$Z\r\nchanged\r\n"), std::string::npos);

  // A save that fails (the chooser of a new document is cancelled) keeps the document.
  doc.NewDocument();
  EXPECT_FALSE(doc.IsModified());
  doc.SetModified(true);
  EXPECT_FALSE(doc.SaveModified(answer(SaveChoice::Save)));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(questions.back(), "「無題」への変更を保存しますか？");
}

// Files handed over from outside: the previous generation's are imported as Open imports them.
TEST_F(DocumentCommandsTest, FilesFromOutsideImportTheOldFormat) {
  const fs::path ddf = fs::path(VEK_SAMPLES_DIR) / "old-test.ddf";
  ASSERT_TRUE(doc.OpenFromOutside(ddf));
  EXPECT_EQ(store.currentSheet, kTestSheet);
  EXPECT_EQ(doc.PathName(), ddf);
  EXPECT_GT(store.CountDataRows(tf::Pressure), 0);
  ASSERT_TRUE(doc.OpenFromOutside(home / "data/c.cdw"));
  EXPECT_EQ(store.currentSheet, kCalibrationSheet);
  EXPECT_EQ(store.calFilePath, "*.cdw");  // the framework load's mark
  EXPECT_TRUE(sink.shown.empty());
}

// What the reader leaves behind is said after the load, with the file's name.
TEST_F(DocumentCommandsTest, LoadingReportsDroppedRows) {
  std::string bytes = WriteTestFile(sample);
  const size_t cal = bytes.find("$$C\r\n");
  std::string extra;
  for (int i = 0; i < 3; ++i) extra += "9999,0,1,2,3,4\r\n";
  WriteFileBytes(home / "data/long.vdw", bytes.substr(0, cal) + extra + bytes.substr(cal));
  ASSERT_TRUE(doc.FrameworkLoad(home / "data/long.vdw"));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "long.vdw:\n測定データの 121 行目以降（3 行）は読み込めません（最大 120 行）。");
  chooser.answers = {home / "data/long.vdw"};
  ASSERT_TRUE(doc.Open());
  EXPECT_EQ(sink.shown.size(), 2u);
}

}  // namespace
}  // namespace vek
