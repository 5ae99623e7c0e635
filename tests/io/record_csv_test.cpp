// CSV for spreadsheet programs: quoting, encodings, and the tables of a test, a calibration and a
// site summary read back cell by cell.
#include "io/record_csv.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "io/csv_text.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

using Table = std::vector<std::vector<std::string>>;

// Reads CSV the way spreadsheet programs do: quoted fields may hold commas, quotes (doubled) and
// line ends; rows end with CR LF.
Table ParseCsv(const std::string& text) {
  Table rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        rows.back().back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        rows.back().back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.emplace_back(1);
      ++i;
    } else {
      rows.back().back() += c;
    }
  }
  if (rows.back() == std::vector<std::string>(1)) rows.pop_back();
  return rows;
}

TEST(CsvTextTest, FieldsAreQuotedOnlyWhenASpreadsheetWouldMisreadThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"12.5", "12.5"},           {"", ""},
      {"a,b", "\"a,b\""},         {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""}, {" 4.0", "\" 4.0\""},
      {"-5.43956e-07", "-5.43956e-07"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CsvField(in), out) << in;
  // A double-byte character whose second byte is 0x5C ("ソ") needs no quotes.
  EXPECT_EQ(CsvField(Sjis("ソ")), Sjis("ソ"));
}

TEST(CsvTextTest, EncodingsAndTheirNames) {
  const std::string cp932 = Sjis("調査名,ｒ (cm)\r\n");
  EXPECT_EQ(EncodeCsv(cp932, CsvEncoding::Cp932), cp932);
  EXPECT_EQ(EncodeCsv(cp932, CsvEncoding::Utf8Bom), "\xEF\xBB\xBF調査名,ｒ (cm)\r\n");
  EXPECT_EQ(CsvEncodingByName("UTF-8"), CsvEncoding::Utf8Bom);
  EXPECT_EQ(CsvEncodingByName("cp932"), CsvEncoding::Cp932);
  EXPECT_EQ(CsvEncodingByName("Shift_JIS"), CsvEncoding::Cp932);
  EXPECT_FALSE(CsvEncodingByName("latin1"));

  testing::TempDir dir;
  ASSERT_TRUE(WriteCsvFile(dir / "a.csv", cp932, CsvEncoding::Cp932));
  EXPECT_EQ(testing::ReadFileBytes(dir / "a.csv"), cp932);
  EXPECT_FALSE(WriteCsvFile(dir / "missing" / "a.csv", cp932, CsvEncoding::Cp932));
}

// The label column's value of the first row labelled `label` (UTF-8).
std::string ValueOf(const Table& t, const std::string& label) {
  for (const auto& row : t)
    if (row.size() >= 2 && Cp932ToUtf8(row[0]) == label) return row[1];
  ADD_FAILURE() << "no row " << label;
  return {};
}

TEST(RecordCsvTest, TestTableHoldsTheHeaderResultsAndEveryStepAsStored) {
  RecordStore s;
  Record& t = s.test;
  t.Header(hf::SurveyName) = Sjis("北浦地区, 第2期");
  t.Header(hf::TestDepth) = "-8.50";
  t.Header(hf::CalCurveType) = "1";
  t.Header(hf::CalCoefficient5) = "-5.43956e-07";
  t.Header(hf::EModulus) = "9.50256";
  t.Header(hf::PlPoint) = "24";
  for (int r = 1; r <= 3; ++r)
    for (int f = 1; f <= kTestFieldCount; ++f) t.Test(r, f) = std::to_string(r) + "." + std::to_string(f);
  t.Test(2, tf::DH).clear();
  t.Test(4, tf::GasPressure) = "33";  // a row with only the gas pressure is in the file, so here too
  t.Test(6, tf::Pressure) = "500";    // after the end of the table

  const Table table = ParseCsv(RecordCsv(s, kTestSheet));
  EXPECT_EQ(Cp932ToUtf8(ValueOf(table, "調査名")), "北浦地区, 第2期");
  EXPECT_EQ(ValueOf(table, "測定深度 (GL. m)"), "-8.50");
  EXPECT_EQ(Cp932ToUtf8(ValueOf(table, "キャリブレーション曲線")), "回帰曲線");
  EXPECT_EQ(ValueOf(table, "係数 c4"), "-5.43956e-07");
  EXPECT_EQ(ValueOf(table, "E (MN/㎡)"), "9.50256");
  EXPECT_EQ(ValueOf(table, "Pl’ 段階"), "24");

  size_t head = 0;
  while (head < table.size() && Cp932ToUtf8(table[head][0]) != "段階") ++head;
  ASSERT_LT(head + 4, table.size() + 1);
  EXPECT_EQ(table[head].size(), 13u);
  EXPECT_EQ(Cp932ToUtf8(table[head][12]), "ｒ (cm)");
  ASSERT_EQ(table.size(), head + 5);  // four steps
  for (int r = 1; r <= 4; ++r) {
    ASSERT_EQ(table[head + r].size(), 13u);
    EXPECT_EQ(table[head + r][0], std::to_string(r));
    for (int f = 1; f <= kTestFieldCount; ++f) EXPECT_EQ(table[head + r][f], t.Test(r, f)) << r << "," << f;
  }
}

TEST(RecordCsvTest, CalibrationTableHoldsItsRowsAndCoefficients) {
  RecordStore s;
  Record& c = s.calibration;
  c.Header(hf::CalCurveType) = "0";
  c.Header(hf::CalCoefficient1) = "_";
  const char* rows[][3] = {{"0", "3.0", "0"}, {"10", "5.0", "2"}, {"", "7.1", ""}};
  for (int r = 1; r <= 3; ++r)
    for (int f = 1; f <= 3; ++f) c.Cal(r, f) = rows[r - 1][f - 1];

  const Table table = ParseCsv(RecordCsv(s, kCalibrationSheet));
  EXPECT_EQ(Cp932ToUtf8(ValueOf(table, "キャリブレーション曲線")), "直線近似");
  EXPECT_EQ(ValueOf(table, "係数 c0"), "_");
  ASSERT_GE(table.size(), 4u);
  const std::vector<std::vector<std::string>> tail(table.end() - 3, table.end());
  EXPECT_EQ(tail, (Table{{"1", "0", "3.0", "0"}, {"2", "10", "5.0", "2"}, {"3", "", "7.1", ""}}));
}

TEST(RecordCsvTest, SummaryHasAHeaderRowAndOneRowPerTestInOrder) {
  SummaryRow a;
  a.file = "a.vdw";
  a.boringNo = "B-1";
  a.e = "9.5";
  SummaryRow b = a;
  b.file = "b,1.vdw";
  const Table table = ParseCsv(SummaryCsv({a, b}, CsvEncoding::Cp932));
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].size(), 15u);
  EXPECT_EQ(Cp932ToUtf8(table[0][10]), "E (MN/㎡)");
  EXPECT_EQ(table[1][0], "a.vdw");
  EXPECT_EQ(table[2][0], "b,1.vdw");
  EXPECT_EQ(table[2][10], "9.5");
}

TEST(RecordCsvTest, SummaryFileNamesOutsideShiftJisStayExactInUtf8AndAreReportedInCp932) {
  SummaryRow a;
  a.file = "보정/B-1.vdw";
  a.boringNo = Sjis("Ｂ－１");
  std::vector<std::string> unconvertible;
  const std::string utf8 = SummaryCsv({a}, CsvEncoding::Utf8Bom, &unconvertible);
  EXPECT_TRUE(unconvertible.empty());
  EXPECT_NE(utf8.find("\r\n보정/B-1.vdw,,Ｂ－１,"), std::string::npos);
  const std::string cp932 = SummaryCsv({a}, CsvEncoding::Cp932, &unconvertible);
  EXPECT_EQ(unconvertible, std::vector<std::string>{a.file});
  EXPECT_NE(cp932.find("\r\n??/B-1.vdw,," + Sjis("Ｂ－１") + ","), std::string::npos);
}

}  // namespace
}  // namespace vek
