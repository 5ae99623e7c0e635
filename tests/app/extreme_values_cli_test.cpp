// The built `vek` on extreme input: values the file cannot hold are refused by name, huge and tiny
// numbers neither hang nor corrupt, and failed writes say why.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/raster_limit.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "support/vek_cli_test.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::RunVek;

const fs::path kSamples = VEK_SAMPLES_DIR;

class ExtremeValuesCliTest : public testing::VekCliTest {};

TEST_F(ExtremeValuesCliTest, CalibrationPathsAFileCannotHoldAreRefusedAndNothingIsWritten) {
  // Attached, the path goes into header field 20; at 660 bytes its line would come back in two
  // pieces and shift every header field after it; a character outside Shift_JIS would become "?".
  fs::path folder = home.path();
  while (folder.string().size() < 640) folder /= std::string(60, 'd');
  const fs::path cal = folder / "cal.cdw";
  fs::create_directories(folder);
  fs::copy_file(kSamples / "cal-sample.cdw", cal);
  const fs::path korean = home.path() / "보정.cdw";
  fs::copy_file(kSamples / "cal-sample.cdw", korean);
  const fs::path target = home.path() / "out.vdw";
  for (const fs::path& c : {cal, korean}) {
    const std::string err =
        Run("--convert " + Q(target) + " " + Q(kSamples / "test-sample.vdw") + " --attach-cal " + Q(c));
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("このファイル名はデータファイルに保存できません\n( " + c.string() + " )"), std::string::npos)
        << err;
    EXPECT_FALSE(fs::exists(target));
  }
}

// The sample with every stored r multiplied by `factor`, or row `row`'s r set to `text`.
fs::path ScaledSample(const fs::path& dir, const std::string& name, double factor, int row = 0,
                      const std::string& text = "") {
  RecordStore s;
  DataParserState parser;
  NullMessageSink quiet;
  EXPECT_TRUE(LoadDataFile(kSamples / "test-sample.vdw", s, SheetSettings{}, parser, quiet).ok());
  for (int r = 1; r <= kMaxTestRows && IsNumericText(s.test.Test(r, tf::R)) > 0; ++r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", std::atof(s.test.Test(r, tf::R).c_str()) * factor);
    s.test.Test(r, tf::R) = buf;
  }
  if (row > 0) s.test.Test(row, tf::R) = text;
  const fs::path path = dir / name;
  EXPECT_TRUE(SaveRecordFile(path, DataKind::Test, s));
  return path;
}

TEST_F(ExtremeValuesCliTest, HugeRadiiAreSuggestedFromAndBeyondTheRangeOfANumberSayWhy) {
  // r near 1e154 and above once made the spread infinite: "0 0 0" was printed as a suggestion.
  const fs::path huge = ScaledSample(home.path(), "huge.vdw", 1e160);
  out = RunVek("--suggest " + Q(huge), home.path() / "err.txt", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, huge.string() + "\t3\t18\t24\n");

  const fs::path beyond = ScaledSample(home.path(), "beyond.vdw", 1.0, 7, "1e999");
  out = RunVek("--suggest " + Q(beyond), home.path() / "err.txt", status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(out, beyond.string() + "\t-\tstep 7: Pe or r is beyond the range of a number\n");
  const fs::path target = home.path() / "auto.vdw";
  const std::string err = Run("--convert " + Q(target) + " " + Q(beyond) + " --analyse auto");
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("--analyse auto: step 7: Pe or r is beyond the range of a number"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(ExtremeValuesCliTest, RasterExportsBeyondTheMemoryLimitAreRefusedAtOnceNamingTheLargestDpi) {
  EXPECT_EQ(LargestDpiWithinLimit(210, 297), 1761);
  EXPECT_FALSE(RasterTooLarge(297, 420, 1200));  // A3 at 1200 dpi still fits
  // A4 at 2400 dpi once ran for more than ten minutes in 2.2 GB; now it ends at once (the time
  // limit of `timeout`, not a sleep) with the resolution that would fit.
  const fs::path dir = home.path() / "png";
  const std::string err =
      Run("--export-png " + Q(dir) + " " + Q(kSamples / "test-sample.vdw") + " --dpi 2400", "timeout 120");
  EXPECT_EQ(status, 2);
  EXPECT_NE(err.find("a page of 19843 x 28063 pixels at 2400 dpi"), std::string::npos) << err;
  EXPECT_NE(err.find("use --dpi 1761 or less"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir / "page-1.png"));
}

}  // namespace
}  // namespace vek
