// `vek --report` through the built executable: the order of the tests, the contents' page numbers
// checked against the text of the PDF's pages, calibrations found once, missing and unreadable
// files listed, and the page count.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/report_fixture.h"
#include "support/run_vek.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;

std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }

class ReportCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(testing::VekExecutable())) GTEST_SKIP() << "vek executable not built";
    if (std::system("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null") != 0)
      GTEST_SKIP() << "poppler-utils not installed";
  }
  std::string Run(const std::string& args) {
    out = testing::RunVek(args, home.path() / "err.txt", status);
    return testing::ReadFileBytes(home.path() / "err.txt");
  }
  // The text of page `page` of `pdf` (pdftotext keeps the layout's columns apart).
  std::string PageText(const fs::path& pdf, int page) {
    const fs::path txt = home.path() / "page.txt";
    const std::string cmd = "pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
                            Q(pdf) + " " + Q(txt);
    if (std::system(cmd.c_str()) != 0) return {};
    return testing::ReadFileBytes(txt);
  }
  int PageCount(const fs::path& pdf) {
    const fs::path info = home.path() / "info.txt";
    if (std::system(("pdfinfo " + Q(pdf) + " > " + Q(info)).c_str()) != 0) return -1;
    std::smatch m;
    const std::string text = testing::ReadFileBytes(info);
    return std::regex_search(text, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
  }

  testing::TempHome home;
  std::string out;
  int status = -1;
};

struct Listed {
  std::string file, boring, depthHeading;
};

TEST_F(ReportCliTest, ContentsGiveThePageWhereEachSheetStartsInBoringAndDepthOrder) {
  const fs::path site = home.path() / "site";
  testing::CopyCalibrationSample(site);
  // Given out of order; one names a calibration that does not exist, one names the calibration
  // by the path of another machine (found beside the test), one file is not a Vek file.
  const fs::path b10 = testing::MakeReportTest(site, "b10.vdw", "B-10", "-5.00");
  const fs::path deep = testing::MakeReportTest(site, "b2-deep.vdw", "B-2", "-12.00");
  const fs::path missing = testing::MakeReportTest(site, "b3.vdw", "B-3", "-4.00", "nowhere.cdw");
  const fs::path shallow = testing::MakeReportTest(site, "b2.vdw", "B-2", "-3.50");
  const fs::path moved = testing::MakeReportTest(site, "b9.vdw", "B-9", "-6.00", "D:\\old\\cal-sample.cdw");
  const fs::path junk = site / "junk.vdw";
  testing::WriteFileBytes(junk, "not a data file\r\n");

  // One test's own export gives the page count of each sheet.
  const fs::path single = home.path() / "single.pdf";
  Run("--export-pdf " + Q(single) + " " + Q(shallow));
  ASSERT_EQ(status, 0);
  const int sheetPages = PageCount(single);
  ASSERT_GT(sheetPages, 1);

  const fs::path pdf = home.path() / "report.pdf";
  const std::string err =
      Run("--report " + Q(pdf) + " " + Q(b10) + " " + Q(junk) + " " + Q(deep) + " " + Q(missing) + " " + Q(shallow) +
          " " + Q(moved));
  EXPECT_EQ(status, 1) << "an unreadable input makes the status 1; the report is still written";
  EXPECT_NE(err.find(junk.string()), std::string::npos) << err;
  EXPECT_NE(err.find("nowhere.cdw"), std::string::npos) << err;
  ASSERT_TRUE(fs::exists(pdf)) << err;
  // Contents and summary, five sheets, the one calibration found (two pages) once.
  EXPECT_EQ(PageCount(pdf), 2 + 5 * sheetPages + 2);

  const std::string contents = PageText(pdf, 1);
  const std::vector<Listed> order = {{"b2.vdw", "B-2", "GL. -3.50"},
                                     {"b2-deep.vdw", "B-2", "GL. -12.00"},
                                     {"b3.vdw", "B-3", "GL. -4.00"},
                                     {"b9.vdw", "B-9", "GL. -6.00"},
                                     {"b10.vdw", "B-10", "GL. -5.00"}};
  size_t previous = 0;
  for (const Listed& t : order) {
    const size_t at = contents.find(t.file);
    ASSERT_NE(at, std::string::npos) << t.file << "\n" << contents;
    EXPECT_GT(at, previous) << t.file << " out of order\n" << contents;
    previous = at;
    const size_t eol = contents.find('\n', at);
    std::smatch m;
    const std::string line = contents.substr(at, eol - at);
    ASSERT_TRUE(std::regex_search(line, m, std::regex("(\\d+)\\s*$"))) << line;
    const int page = std::stoi(m[1]);
    const std::string sheet = PageText(pdf, page);
    // The graph page (only it has the results table) of this test.
    EXPECT_NE(sheet.find(t.boring), std::string::npos) << page << "\n" << sheet;
    EXPECT_NE(sheet.find(t.depthHeading), std::string::npos) << page << "\n" << sheet;
    EXPECT_NE(sheet.find("静止土圧"), std::string::npos) << page << "\n" << sheet;
  }
  EXPECT_NE(contents.find("nowhere.cdw"), std::string::npos) << contents;
  EXPECT_NE(contents.find("見つかりません"), std::string::npos) << contents;
  EXPECT_NE(contents.find("junk.vdw"), std::string::npos) << contents;

  // The calibration sheet starts on the page the contents give.
  std::smatch m;
  const size_t at = contents.find("cal-sample.cdw");
  ASSERT_NE(at, std::string::npos) << contents;
  const std::string line = contents.substr(at, contents.find('\n', at) - at);
  ASSERT_TRUE(std::regex_search(line, m, std::regex("(\\d+)\\s*$"))) << line;
  EXPECT_EQ(std::stoi(m[1]), 2 + 5 * sheetPages + 1);
  EXPECT_NE(PageText(pdf, std::stoi(m[1])).find("キャリブレーショングラフ"), std::string::npos);
}

TEST_F(ReportCliTest, NothingReadableWritesNothing) {
  const fs::path junk = home.path() / "junk.vdw";
  testing::WriteFileBytes(junk, "not a data file\r\n");
  const fs::path pdf = home.path() / "report.pdf";
  Run("--report " + Q(pdf) + " " + Q(junk));
  EXPECT_EQ(status, 1);
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace vek
