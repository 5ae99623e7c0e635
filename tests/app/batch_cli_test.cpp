// The built `vek` on batches a user runs: calibrations and tests mixed in one --convert, --reduce
// on a test whose stored analysis no longer follows from its data, and the previous generation's
// test checked after its import.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "support/vek_cli_test.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

const fs::path kSamples = VEK_SAMPLES_DIR;

// Line `field + 1` of a data file holds its header field `field`: where that line starts.
size_t HeaderLineStart(const std::string& bytes, int field) {
  size_t start = 0;
  for (int line = 0; line <= field; ++line) start = bytes.find("\r\n", start) + 2;
  return start;
}

std::string HeaderField(const std::string& bytes, int field) {
  const size_t start = HeaderLineStart(bytes, field);
  return bytes.substr(start, bytes.find("\r\n", start) - start);
}

std::string WithHeaderField(std::string bytes, int field, const std::string& text) {
  const size_t start = HeaderLineStart(bytes, field);
  return bytes.replace(start, bytes.find("\r\n", start) - start, text);
}

class BatchCliTest : public testing::VekCliTest {};

TEST_F(BatchCliTest, MixedBatchAppliesTestOptionsToTestsAndGoesOnPastEveryFile) {
  const fs::path dir = home.path() / "out";
  fs::create_directories(dir);
  const fs::path test = kSamples / "test-sample.vdw", cal = kSamples / "cal-sample.cdw";
  std::string err = Run("--convert " + Q(dir) + " " + Q(cal) + " " + Q(test) + " --reduce --analyse 5,13,24");
  EXPECT_EQ(status, 0) << err;
  EXPECT_NE(err.find("vek: " + cal.string() + ": a calibration file: --analyse applies to tests only and was left out"),
            std::string::npos)
      << err;
  EXPECT_EQ(ReadFileBytes(dir / "cal-sample.cdw"), ReadFileBytes(cal));
  EXPECT_EQ(ReadFileBytes(dir / "test-sample.vdw"), ReadFileBytes(test));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);  // no temporaries left

  // A file that cannot be read and a test whose steps it does not have fail; the rest is written.
  fs::remove_all(dir);
  fs::create_directories(dir);
  err = Run("--convert " + Q(dir) + " " + Q(test) + " " + Q(home.path() / "missing.vdw") + " " + Q(cal) +
            " --attach-cal " + Q(cal) + " --analyse 5,13,30");
  EXPECT_EQ(status, 1) << err;
  EXPECT_NE(err.find("--attach-cal and --analyse apply to tests only and were left out"), std::string::npos) << err;
  EXPECT_NE(err.find("step numbers must lie between 1 and 24"), std::string::npos) << err;
  EXPECT_TRUE(fs::exists(dir / "cal-sample.cdw"));
  EXPECT_FALSE(fs::exists(dir / "test-sample.vdw"));
  EXPECT_FALSE(fs::exists(dir / "missing.vdw"));

  // Naming one file, an option that does not fit it is still a usage error.
  Run("--convert " + Q(home.path() / "one.cdw") + " " + Q(cal) + " --analyse 5,13,24");
  EXPECT_EQ(status, 2);
  EXPECT_FALSE(fs::exists(home.path() / "one.cdw"));
}

TEST_F(BatchCliTest, ReduceKeepsTheStoredAnalysisInStepWithTheData) {
  const std::string sample = ReadFileBytes(kSamples / "test-sample.vdw");
  constexpr int kPoisson = 6, kE = 39, kPl = 36, kELine = 56;

  // A Poisson ratio typed after the analysis: E is recomputed from the stored steps.
  const fs::path nu = home.path() / "nu.vdw";
  WriteFileBytes(nu, WithHeaderField(sample, kPoisson, "0.45"));
  std::string err = Run("--convert " + Q(home.path() / "nu-out.vdw") + " " + Q(nu) + " --reduce");
  EXPECT_EQ(status, 0) << err;
  EXPECT_NE(err.find("the analysis was recomputed from the stored steps (Po 5, Py' 13, Pl' 24)"), std::string::npos)
      << err;
  const std::string recomputed = ReadFileBytes(home.path() / "nu-out.vdw");
  EXPECT_NEAR(std::stod(HeaderField(recomputed, kE)), std::stod(HeaderField(sample, kE)) * 1.45 / 1.35, 1e-3);
  EXPECT_EQ(HeaderField(recomputed, kELine).substr(0, 7), "E =1.45");

  // The sample reduced again changes nothing and says nothing.
  err = Run("--convert " + Q(home.path() / "same.vdw") + " " + Q(kSamples / "test-sample.vdw") + " --reduce");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(err.find("--reduce"), std::string::npos) << err;
  EXPECT_EQ(ReadFileBytes(home.path() / "same.vdw"), sample);

  // The last step (Pl') deleted: the results are cleared, and the user is told.
  const size_t tableEnd = sample.find("\r\n$$C");
  const size_t lastRow = sample.rfind("\r\n", tableEnd - 1) + 2;
  const fs::path cut = home.path() / "cut.vdw";
  WriteFileBytes(cut, sample.substr(0, lastRow) + sample.substr(tableEnd + 2));
  err = Run("--convert " + Q(home.path() / "cut-out.vdw") + " " + Q(cut) + " --reduce");
  EXPECT_EQ(status, 0) << err;
  EXPECT_NE(err.find("is not among the 23 analysable steps; the analysis results were cleared"), std::string::npos)
      << err;
  const std::string cleared = ReadFileBytes(home.path() / "cut-out.vdw");
  EXPECT_EQ(HeaderField(cleared, kPl), "");
  EXPECT_EQ(HeaderField(cleared, kELine), "");
}

TEST_F(BatchCliTest, TheOldSampleAgreesWithTheCheckAfterItsImport) {
  const fs::path ddf = kSamples / "old-test.ddf";
  Run("--check " + Q(ddf));
  EXPECT_EQ(status, 0) << out;
  EXPECT_EQ(out, ddf.string() + ": 問題は見つかりませんでした\n");
}

}  // namespace
}  // namespace vek
