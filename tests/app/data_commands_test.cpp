// vek --export-csv, --summary, --summary-pdf and --check, and their window side: File → "CSV出力...",
// VEK → "データ点検" and the status-bar note of a file opened with findings.
#include "app/parsed_options.h"
#include "app/data_commands.h"

#include <gtest/gtest.h>

#include <QListWidget>

#include "app/app_fixture.h"
#include "app/batch_pipeline.h"
#include "app/commands.h"
#include "app/csv_export_command.h"
#include "app/data_check_dialog.h"
#include "io/data_file_reader.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;

const fs::path kSamples = VEK_SAMPLES_DIR;

std::unique_ptr<RecordStore> LoadSample(const char* name) {
  auto s = std::make_unique<RecordStore>();
  DataParserState parser;
  RecordingMessageSink quiet;
  EXPECT_TRUE(LoadDataFile(kSamples / name, *s, SheetSettings{}, parser, quiet).ok());
  return s;
}

class DataCommandsTest : public ::testing::Test {
 protected:
  // The sample test with a change, saved under `name`.
  fs::path SampleVariant(const std::string& name, const std::function<void(Record&)>& change) {
    auto s = LoadSample("test-sample.vdw");
    change(s->test);
    const fs::path p = home / name;
    EXPECT_TRUE(SaveRecordFile(p, DataKind::Test, *s));
    return p;
  }
  // Runs --check on the files; the standard output in `out`.
  int Check(const std::vector<std::string>& files, std::string& out) {
    std::vector<std::string> args = {"--check"};
    args.insert(args.end(), files.begin(), files.end());
    ::testing::internal::CaptureStdout();
    const int rc = RunCheck(Parse(args), sink);
    out = ::testing::internal::GetCapturedStdout();
    return rc;
  }

  testing::TempHome home;
  RecordingMessageSink sink;
};

TEST_F(DataCommandsTest, SamplesAndFreshlyComputedFilesPassTheChecks) {
  const fs::path again = home / "again.vdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", again.string(), (kSamples / "test-sample.vdw").string(), "--attach-cal",
                              (kSamples / "cal-sample.cdw").string(), "--reduce", "--analyse", "5,13,24,1"}),
                       sink),
            0);
  const fs::path cal = home / "cal.cdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", cal.string(), (kSamples / "cal-sample.cdw").string(), "--reduce"}), sink), 0);
  std::string out;
  EXPECT_EQ(Check({(kSamples / "test-sample.vdw").string(), (kSamples / "cal-sample.cdw").string(),
                   again.string(), cal.string()},
                  out),
            0)
      << out;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 4) << out;
  EXPECT_NE(out.find("問題は見つかりませんでした"), std::string::npos);

  // The previous generation's files: their results are that program's, not judged again; their
  // curve, converted with their pressures, is judged as any test's.
  EXPECT_EQ(Check({(kSamples / "old-cal.cdf").string()}, out), 0) << out;
  EXPECT_EQ(Check({(kSamples / "old-test.ddf").string()}, out), 0) << out;
}

TEST_F(DataCommandsTest, FindingsAreListedPerFileWithTheirStepAndExitStatusThree) {
  const fs::path clean = kSamples / "test-sample.vdw";
  const fs::path faulty = SampleVariant("faulty.vdw", [](Record& t) {
    t.Test(7, tf::Reading60) = "11.9";  // below its 30 s reading 12.1, and the stored H no longer follows
    t.Header(hf::EModulus) = "12";       // typed over
  });
  std::string out;
  EXPECT_EQ(Check({clean.string(), faulty.string()}, out), kExitFindings);
  const std::string prefix = faulty.string() + ": ";
  EXPECT_NE(out.find(prefix + "段階 7: 60” の読み 11.9 が 30” の読み 12.1 より小さくなっています"), std::string::npos)
      << out;
  EXPECT_NE(out.find(prefix + "段階 7: 保存された"), std::string::npos) << out;
  EXPECT_NE(out.find(prefix + "解析結果 E = 12 が"), std::string::npos) << out;

  // A file that cannot be read outweighs findings.
  EXPECT_EQ(Check({faulty.string(), (home / "missing.vdw").string()}, out), 1);
  EXPECT_FALSE(sink.shown.empty());
}

TEST_F(DataCommandsTest, ACalibrationFileWhoseCoefficientsAreNotItsOwnIsFound) {
  // The coefficient lines of the file itself are judged, not the ones refitted when it is read.
  std::string bytes = ReadFileBytes(kSamples / "cal-sample.cdw");
  const size_t at = bytes.find("4.98693");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 7, "5.98693");
  const fs::path stale = home / "stale.cdw";
  testing::WriteFileBytes(stale, bytes);
  std::string out;
  EXPECT_EQ(Check({stale.string()}, out), kExitFindings);
  EXPECT_NE(out.find("回帰曲線の係数がキャリブレーションのデータから計算した値と違います"), std::string::npos) << out;
}

TEST_F(DataCommandsTest, ExportCsvGivesTheSampleNumbersInEitherEncoding) {
  const fs::path utf8 = home / "t.csv";
  ASSERT_EQ(RunExportCsv(Parse({"--export-csv", utf8.string(), (kSamples / "test-sample.vdw").string()}), sink), 0);
  const std::string text = ReadFileBytes(utf8);
  ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(text.find("\r\n2,25,33,7.4,7.5,7.6,7.7,0.1,2.6,12.8336,-12.1664,12.187635,4.182892\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\nE (MN/㎡),9.50256\r\n"), std::string::npos);

  const fs::path cp932 = home / "t-sjis.csv";
  ASSERT_EQ(RunExportCsv(Parse({"--export-csv", cp932.string(), (kSamples / "test-sample.vdw").string(),
                                "--encoding", "cp932"}),
                         sink),
            0);
  EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(cp932)), text.substr(3));

  // The convert options apply first: the steps of a record analysed on other steps.
  ASSERT_EQ(RunExportCsv(Parse({"--export-csv", utf8.string(), (kSamples / "test-sample.vdw").string(),
                                "--analyse", "4,12,20"}),
                         sink),
            0);
  EXPECT_NE(ReadFileBytes(utf8).find("\r\nPo 段階,4\r\n"), std::string::npos);
  EXPECT_EQ(RunExportCsv(Parse({"--export-csv", (home / "no" / "t.csv").string(),
                                (kSamples / "test-sample.vdw").string()}),
                         sink),
            1);
}

TEST_F(DataCommandsTest, SummaryListsTestsByBoringAndDepthAndSkipsCalibrations) {
  const fs::path deep = SampleVariant("deep.vdw", [](Record& t) { t.Header(hf::TestDepth) = "-12.00"; });
  const fs::path other = SampleVariant("other.vdw", [](Record& t) {
    t.Header(hf::BoringNo) = "B-10";
    t.Header(hf::TestDepth) = "-3.00";
  });
  const fs::path out = home / "summary.csv";
  ::testing::internal::CaptureStdout();
  const int rc = RunSummary(Parse({"--summary", out.string(), other.string(), deep.string(),
                                   (kSamples / "cal-sample.cdw").string(), (kSamples / "test-sample.vdw").string()}),
                            sink);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(rc, 0);
  // Besides the start-up notes about missing settings files, one note: the calibration is skipped.
  EXPECT_EQ(std::count_if(sink.shown.begin(), sink.shown.end(),
                          [](const std::string& m) { return m.find("cal-sample.cdw") != std::string::npos; }),
            1);
  const std::string text = ReadFileBytes(out).substr(3);
  const size_t sample = text.find("test-sample.vdw,");
  const size_t deepAt = text.find("deep.vdw,");
  const size_t otherAt = text.find("other.vdw,");
  ASSERT_NE(sample, std::string::npos);
  EXPECT_LT(sample, deepAt);
  EXPECT_LT(deepAt, otherAt);
  EXPECT_NE(text.find(",北浦地区地質調査業務,B-2,-8.50,令和5年10月18日,121.352,715.185,1700.47,151.707,4.63981,"
                      "9.50256,5,13,24,"),
            std::string::npos)
      << text;
}

TEST_F(DataCommandsTest, SummaryPdfIsOnePage) {
  const fs::path out = home / "summary.pdf";
  ::testing::internal::CaptureStdout();
  const int rc = RunSummaryPdf(Parse({"--summary-pdf", out.string(), (kSamples / "test-sample.vdw").string()}), sink);
  ::testing::internal::GetCapturedStdout();
  ASSERT_EQ(rc, 0);
  const std::string pdf = ReadFileBytes(out);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
}

TEST_F(DataCommandsTest, CommandLineTakesTheNewModes) {
  EXPECT_FALSE(ParseCommandLine({"--check"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--summary", "o.csv"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--export-csv", "o.csv", "a.vdw", "b.vdw"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--export-csv", "o.csv", "a.vdw", "--encoding", "latin1"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--check", "a.vdw", "--encoding", "cp932"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--summary", "o.csv", "a.vdw", "--reduce"}).ok);
  const ParseResult r = ParseCommandLine({"--summary", "o.csv", "a.vdw", "b.vdw", "--encoding", "cp932"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.options.mode, CommandLineOptions::Mode::Summary);
  EXPECT_EQ(r.options.inputs.size(), 2u);
}

class DataCheckWindowTest : public testing::FrameTest {};

TEST_F(DataCheckWindowTest, OpeningAFileWithFindingsSaysSoInTheStatusBarOnly) {
  StartNew();
  ASSERT_TRUE(frame->OpenDocumentFile(kSamples / "test-sample.vdw"));
  EXPECT_EQ(frame->StatusMessage().toStdString(), kIdleStatusText);

  auto faulty = LoadSample("test-sample.vdw");
  faulty->test.Test(3, tf::Pressure) = "20";  // below step 2's 25
  const fs::path path = home / "faulty.vdw";
  ASSERT_TRUE(SaveRecordFile(path, DataKind::Test, *faulty));
  const size_t shown = sink.shown.size();
  ASSERT_TRUE(frame->OpenDocumentFile(path));
  EXPECT_TRUE(frame->StatusMessage().startsWith(QString::fromUtf8("データ点検: "))) << frame->StatusMessage().toStdString();
  EXPECT_EQ(sink.shown.size(), shown);

  CDataCheckDlg dialog(CheckCurrentRecord(store, settings));
  ASSERT_GE(dialog.List()->count(), 1);
  EXPECT_TRUE(dialog.List()->item(0)->text().startsWith(QString::fromUtf8("段階 3: ")));
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("データ点検"));
}

TEST_F(DataCheckWindowTest, CsvExportWritesTheOpenRecordUnderTheChosenName) {
  StartNew();
  ASSERT_TRUE(frame->OpenDocumentFile(kSamples / "cal-sample.cdw"));
  const fs::path out = home / "cal.csv";
  chooser.saveAnswers.push_back(out);
  frame->RunCommand(kCmdFileExportCsv);
  ASSERT_EQ(chooser.saveRequests.size(), 1u);
  EXPECT_EQ(chooser.saveRequests[0].startName, kSamples / "cal-sample.csv");
  const std::string text = ReadFileBytes(out);
  EXPECT_NE(text.find("\r\n15,300,81.0,78\r\n"), std::string::npos) << text;

  // A folder that cannot take the file: message 4005, nothing written.
  chooser.saveAnswers.push_back(home / "missing" / "x.csv");
  sink.shown.clear();
  frame->RunCommand(kCmdFileExportCsv);
  EXPECT_EQ(sink.shown, std::vector<std::string>{NumberedMessage(msg::CannotSave)});
}

}  // namespace
}  // namespace vek
