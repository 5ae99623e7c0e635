// The site summary rows: what a row takes from a test, and the order of a report.
#include "core/site_summary.h"

#include <gtest/gtest.h>

#include "core/encoding.h"

namespace vek {
namespace {

TEST(CompareNaturalTest, DigitRunsCompareByValue) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {{"B-2", "B-10", -1}, {"B-10", "B-2", 1},  {"B-02", "B-2", 0}, {"B-2a", "B-2b", -1},
                        {"No.9", "No.10", -1}, {"", "B-1", -1},   {"B-1", "B-1", 0},  {"B-1-3", "B-1-12", -1},
                        {"A-9", "B-1", -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    const int r = CompareNatural(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign);
  }
}

Record TestAt(const char* boring, const char* depth) {
  Record r;
  r.Header(hf::BoringNo) = boring;
  r.Header(hf::TestDepth) = depth;
  return r;
}

TEST(SiteSummaryTest, SortedByBoringThenDepthBelowGroundThenFile) {
  std::vector<SummaryRow> rows = {
      MakeSummaryRow(TestAt("B-10", "3.0"), "a.vdw"),   MakeSummaryRow(TestAt("B-2", "-12.5"), "b.vdw"),
      MakeSummaryRow(TestAt("B-2", "-4.0"), "c.vdw"),   MakeSummaryRow(TestAt("B-2", ""), "d.vdw"),
      MakeSummaryRow(TestAt("B-2", "8.00"), "f.vdw"),   MakeSummaryRow(TestAt("B-2", "-8.0"), "e.vdw"),
  };
  SortSummaryRows(rows);
  std::string order;
  for (const SummaryRow& r : rows) order += r.file + " ";
  // Depths written as -8.0 and 8.00 are the same depth below ground; the file name decides.
  EXPECT_EQ(order, "c.vdw e.vdw f.vdw b.vdw d.vdw a.vdw ");
  EXPECT_EQ(rows[1].depth, "-8.0");  // the text stays as stored
}

TEST(SiteSummaryTest, RowTakesTheStoredTexts) {
  Record t = TestAt("B-1", "-8.50");
  t.Header(hf::DateEra) = Sjis("令和");
  t.Header(hf::DateYear) = "5";
  t.Header(hf::DateMonth) = "10";
  t.Header(hf::DateDay) = "18";
  t.Header(hf::Po) = "121.352";
  t.Header(hf::EModulus) = "9.50256";
  t.Header(hf::PyPoint) = "13";
  t.Header(hf::CalFileName) = "/x/cal.cdw";
  const SummaryRow r = MakeSummaryRow(t, "t.vdw");
  EXPECT_EQ(Cp932ToUtf8(r.date), "令和5年10月18日");
  EXPECT_EQ(r.po, "121.352");
  EXPECT_EQ(r.e, "9.50256");
  EXPECT_EQ(r.pyStep, "13");
  EXPECT_EQ(r.calFile, "/x/cal.cdw");
  EXPECT_TRUE(r.hasDepth);
  EXPECT_DOUBLE_EQ(r.depthBelowGround, 8.5);
  EXPECT_EQ(DateText(Record{}), "");
}

}  // namespace
}  // namespace vek
