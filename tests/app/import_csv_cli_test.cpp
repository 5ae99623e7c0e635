// vek --import-csv: records made from spreadsheet tables, written as Save As writes them.
#include <gtest/gtest.h>

#include "app/import_command.h"
#include "app/parsed_options.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/record_csv.h"
#include "io/step_rows_text.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

const fs::path kSamples = VEK_SAMPLES_DIR;

class ImportCsvTest : public ::testing::Test {
 protected:
  int Import(std::vector<std::string> args) { return RunImportCsv(Parse(args), sink); }
  testing::TempHome home;
  RecordingMessageSink sink;
};

TEST_F(ImportCsvTest, TheExportOfEachSampleComesBackByteForByte) {
  for (const char* name : {"test-sample.vdw", "cal-sample.cdw"}) {
    SCOPED_TRACE(name);
    RecordStore store;
    DataParserState parser;
    ASSERT_TRUE(LoadDataFile(kSamples / name, store, SheetSettings{}, parser, sink).ok());
    WriteFileBytes(home / "in.csv", "\xEF\xBB\xBF" + Cp932ToUtf8(RecordCsv(store, store.currentSheet)));
    const fs::path out = home / (std::string("out-") + name);
    ASSERT_EQ(Import({"--import-csv", out.string(), (home / "in.csv").string(), "--template", (kSamples / name).string()}), 0);
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(kSamples / name));
  }
}

TEST_F(ImportCsvTest, ALoggerTableReducedAndAnalysedGivesTheSample) {
  // The sample's raw readings as a logger would write them, without the derived columns.
  RecordStore sample;
  DataParserState parser;
  ASSERT_TRUE(LoadDataFile(kSamples / "test-sample.vdw", sample, SheetSettings{}, parser, sink).ok());
  std::string table = "P\tgas\t15\t30\t60\t120\r\n";
  for (int r = 1; !sample.test.Test(r, tf::Pressure).empty(); ++r) {
    for (int f = 1; f <= 6; ++f) table += sample.test.Test(r, f) + (f < 6 ? "\t" : "\r\n");
  }
  WriteFileBytes(home / "logger.txt", table);
  const fs::path out = home / "again.vdw";
  ASSERT_EQ(Import({"--import-csv", out.string(), (home / "logger.txt").string(), "--template",
                    (kSamples / "test-sample.vdw").string(), "--reduce", "--analyse", "5,13,24,1"}),
            0);
  EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(kSamples / "test-sample.vdw"));
}

TEST_F(ImportCsvTest, RefusedCellsAreNamedAndNothingIsWritten) {
  WriteFileBytes(home / "bad.csv", "10\t0\t28,9\n");
  WriteFileBytes(home / "old.vdw", "keep");
  EXPECT_EQ(Import({"--import-csv", (home / "old.vdw").string(), (home / "bad.csv").string()}), 1);
  EXPECT_EQ(ReadFileBytes(home / "old.vdw"), "keep");
  bool named = false;
  for (const std::string& m : sink.shown) named = named || m.find("bad.csv: 行 1, 列 3 (15”): 数値ではありません") != m.npos;
  EXPECT_TRUE(named);
  EXPECT_EQ(Import({"--import-csv", (home / "x.txt").string(), (home / "bad.csv").string()}), 2);
  EXPECT_EQ(Import({"--import-csv", (home / "x.cdw").string(), (home / "bad.csv").string(), "--template",
                    (kSamples / "test-sample.vdw").string()}),
            2);
}

}  // namespace
}  // namespace vek
