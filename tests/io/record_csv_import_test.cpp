// Steps and records read from spreadsheet tables: the paste and CSV formats, the checks on every
// cell, and the round trip through the record CSV export.
#include <gtest/gtest.h>

#include <random>

#include "core/encoding.h"
#include "core/messages.h"
#include "io/csv_text.h"
#include "io/data_file_reader.h"
#include "io/record_csv.h"
#include "io/record_csv_import.h"
#include "io/step_rows_text.h"
#include "io/table_text.h"

namespace vek {
namespace {

const std::filesystem::path kSamples = VEK_SAMPLES_DIR;

StepRowsText Read(std::string_view text, DataKind kind = DataKind::Test, int maxRows = kMaxTestRows) {
  return ReadStepRows(SplitTableText(text), kind, maxRows);
}

TEST(TableText, TabsCommasQuotesAndLineEnds) {
  const auto tsv = SplitTableText("1\t2\t\r\n\"a\nb\"\t3\n");
  ASSERT_EQ(tsv.size(), 2u);
  EXPECT_EQ(tsv[0].cells, (std::vector<std::string>{"1", "2", ""}));
  EXPECT_EQ(tsv[1].cells, (std::vector<std::string>{"a\nb", "3"}));
  const auto csv = SplitTableText("x,\"1,5\",\"say \"\"hi\"\"\"\r\n\r\ny\r");
  ASSERT_EQ(csv.size(), 3u);
  EXPECT_EQ(csv[0].cells, (std::vector<std::string>{"x", "1,5", "say \"hi\""}));
  EXPECT_TRUE(csv[1].cells.empty());
  EXPECT_EQ(csv[2].line, 3);
}

TEST(StepRows, HeaderRowsByNameOrInGridOrder) {
  // The export's headings choose the columns by name, derived columns included.
  const auto named = Read("段階,セル水圧 P (kN/㎡),ｒ (cm),15” (cm)\n1,10,3.5,1.2\n");
  ASSERT_TRUE(named.namedColumns);
  ASSERT_EQ(named.rows.size(), 1u);
  EXPECT_EQ(named.rows[0].fields[tf::Pressure], "10");
  EXPECT_EQ(named.rows[0].fields[12], "3.5");
  EXPECT_EQ(named.rows[0].fields[tf::Reading15], "1.2");
  EXPECT_TRUE(named.computedColumns);
  // Plain headings a logger writes, and an unknown heading: the grid's order.
  EXPECT_TRUE(Read("P\tgas\t15\t30\t60\t120\n10\t0\t1\t2\t3\t4\n").namedColumns);
  const auto unknown = Read("Druck\tGas\n10\t0\t1\n");
  EXPECT_TRUE(unknown.headerRow);
  EXPECT_FALSE(unknown.namedColumns);
  ASSERT_EQ(unknown.rows.size(), 1u);
  EXPECT_EQ(unknown.rows[0].fields[tf::Reading15], "1");
  // No header row: the first row is a step.
  EXPECT_EQ(Read("10\t0\n20\t0\n").rows.size(), 2u);
}

TEST(StepRows, EveryRefusedCellIsListedAndNoRowWithOneIsTaken) {
  const auto r = Read("10\t0\t28,9\t\t\t\n20\t0\t2a89\t\t\t\n\t0\t1\n40000\n30\t0\t1\t2\t3\t4\t5\n50\t\t\t\t\t\t\n");
  ASSERT_EQ(r.refusals.size(), 5u);
  EXPECT_EQ(DescribeRefusal(r.refusals[0]), "行 1, 列 3 (15”): 数値ではありません");
  EXPECT_EQ(r.refusals[1].line, 2);
  EXPECT_EQ(r.refusals[2].reason, "セル水圧がありません");
  EXPECT_EQ(r.refusals[3].reason, "数値が異常です (-100 ～ 30000)");
  EXPECT_EQ(r.refusals[4].column, 7);
  ASSERT_EQ(r.rows.size(), 1u);  // only the last row is clean
  EXPECT_EQ(r.rows[0].line, 6);
  // Past the table's size, and a cell too long to be a value.
  const auto cal = Read("P,H'\n1,1\n2,2\n3,3\n4,123456789012345678901234567\n", DataKind::Calibration, 2);
  ASSERT_EQ(cal.refusals.size(), 2u);
  EXPECT_EQ(cal.refusals[0].reason, "最大行数 (2 行) を超えています");
  EXPECT_EQ(cal.refusals[0].line, 4);
}

RecordStore Load(const std::filesystem::path& path) {
  RecordStore store;
  DataParserState parser;
  RecordingMessageSink sink;
  EXPECT_TRUE(LoadDataFile(path, store, SheetSettings{}, parser, sink).ok());
  return store;
}

// A test record with every exported field and a full table of odd-looking but valid numbers.
RecordStore Generated(unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> value(-50, 2000);
  RecordStore store;
  for (int f = 1; f <= kHeaderFieldCount; ++f) store.test.Header(f) = Sjis("項目") + std::to_string(f * seed);
  store.test.Header(hf::DateEra) = Sjis("平成");
  store.test.Header(hf::DateYear) = std::to_string(seed % 30 + 1);
  store.test.Header(hf::DateMonth) = std::to_string(seed % 12 + 1);
  store.test.Header(hf::DateDay) = "";
  store.test.Header(hf::CalCurveType) = "2";
  const int rows = 1 + static_cast<int>(seed % kMaxTestRows);
  for (int r = 1; r <= rows; ++r) {
    for (int f = 1; f <= kTestFieldCount; ++f) {
      char text[32];
      std::snprintf(text, sizeof text, f % 3 ? "%.2f" : "%g", value(random));
      store.test.Test(r, f) = text;
    }
  }
  return store;
}

TEST(RecordCsvImport, ExportThenImportGivesTheSameRecord) {
  std::vector<std::pair<RecordStore, DataKind>> records = {
      {Load(kSamples / "test-sample.vdw"), DataKind::Test}, {Load(kSamples / "cal-sample.cdw"), DataKind::Calibration}};
  for (unsigned seed : {1u, 77u, 119u}) records.push_back({Generated(seed), DataKind::Test});
  for (auto& [original, kind] : records) {
    const int sheet = kind == DataKind::Test ? kTestSheet : kCalibrationSheet;
    // The starting record differs in every exported value; the import must bring all of them back.
    RecordStore imported;
    imported.test = Generated(5).test;
    imported.calibration.Header(hf::CalCurveType) = "1";
    for (const auto& encoding : {CsvEncoding::Utf8Bom, CsvEncoding::Cp932}) {
      const std::string csv = EncodeCsv(RecordCsv(original, sheet), encoding);
      const CsvImportResult r = ImportRecordCsv(csv, kind, imported);
      ASSERT_TRUE(r.ok()) << (r.refusals.empty() ? r.error : DescribeRefusal(r.refusals[0]));
      EXPECT_EQ(RecordCsv(imported, sheet), RecordCsv(original, sheet));
      const Record& got = kind == DataKind::Test ? imported.test : imported.calibration;
      const Record& want = kind == DataKind::Test ? original.test : original.calibration;
      for (int f = hf::DateEra; f <= hf::DateDay; ++f) EXPECT_EQ(got.Header(f), want.Header(f)) << "field " << f;
    }
  }
}

TEST(RecordCsvImport, RefusalsLeaveTheRecordAndAPlainTableClearsTheOldResults) {
  RecordStore store = Load(kSamples / "test-sample.vdw");
  const RecordStore before = store;
  const CsvImportResult refused = ImportRecordCsv("10,0,1\n20,0,x\n", DataKind::Test, store);
  EXPECT_FALSE(refused.ok());
  EXPECT_EQ(RecordCsv(store, kTestSheet), RecordCsv(before, kTestSheet));
  EXPECT_FALSE(ImportRecordCsv(EncodeCsv(RecordCsv(before, kTestSheet), CsvEncoding::Cp932), DataKind::Calibration,
                               store).error.empty());
  const CsvImportResult plain = ImportRecordCsv("10,0,1\n20,0,2\n", DataKind::Test, store);
  ASSERT_TRUE(plain.ok());
  EXPECT_EQ(plain.steps, 2);
  EXPECT_EQ(store.test.Test(2, tf::Reading15), "2");
  EXPECT_TRUE(store.test.Test(3, tf::Pressure).empty());
  EXPECT_TRUE(store.test.Header(hf::Po).empty());
  EXPECT_TRUE(store.test.Header(hf::PoPoint).empty());
  EXPECT_EQ(store.test.Header(hf::SurveyName), before.test.Header(hf::SurveyName));
}

}  // namespace
}  // namespace vek
