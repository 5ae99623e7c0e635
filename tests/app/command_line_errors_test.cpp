// The built `vek` tells the user what went wrong and what to do: no display, files the reader
// could not take whole, writes that fail, sheets larger than the paper.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/messages.h"
#include "support/vek_cli_test.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;

const fs::path kSamples = VEK_SAMPLES_DIR;

class CommandLineErrorsTest : public testing::VekCliTest {};

TEST_F(CommandLineErrorsTest, WindowWithoutADisplaySaysWhatToUseInstead) {
  const std::string sample = Q(kSamples / "test-sample.vdw");
  std::string err = Run(sample, "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("--export-pdf"), std::string::npos) << err;
  EXPECT_NE(err.find("--export-png"), std::string::npos);
  // A display that is named but cannot be opened: the same advice instead of an abort.
  err = Run(sample, "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97");
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("--export-pdf"), std::string::npos) << err;
}

TEST_F(CommandLineErrorsTest, DroppedRowsAndCutFilesAreWarnedAboutWithTheFileName) {
  std::string bytes = ReadFileBytes(kSamples / "test-sample.vdw");
  const fs::path cut = home.path() / "cut.vdw";
  testing::WriteFileBytes(cut, bytes.substr(0, bytes.size() / 2 + 3));
  const std::string err = Run("--convert " + Q(home.path() / "out.vdw") + " " + Q(cut));
  EXPECT_EQ(status, 0);  // the reader goes on with what it has, as the window does
  EXPECT_NE(err.find("vek: " + cut.string() + ": ファイルが途中で切れています"), std::string::npos) << err;
}

TEST_F(CommandLineErrorsTest, FailedWritesNameTheFileAndTheSystemsReason) {
  const fs::path target = home.path() / "no-folder" / "out.pdf";
  std::string err = Run("--export-pdf " + Q(target) + " " + Q(kSamples / "test-sample.vdw"));
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("vek: " + target.string() + ": " + NumberedMessage(msg::CannotSave) + " (" +
                     std::strerror(ENOENT) + ")"),
            std::string::npos)
      << err;
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(CommandLineErrorsTest, ASheetLargerThanThePaperIsReportedAndFitScalesIt) {
  const std::string sample = Q(kSamples / "test-sample.vdw");
  // The sample's sheets (193 x 265 mm) fit A4 and Letter, but not B5 (182 x 257 mm).
  for (const char* paper : {"A4", "Letter"}) {
    const std::string err = Run("--export-png " + Q(home.path() / paper) + " " + sample + " --dpi 30 --paper " + paper);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(err.find("does not fit"), std::string::npos) << err;
  }
  std::string err = Run("--export-png " + Q(home.path() / "b5") + " " + sample + " --dpi 30 --paper B5");
  EXPECT_EQ(status, 0);
  EXPECT_NE(err.find("does not fit on B5 (182 x 257 mm)"), std::string::npos) << err;
  EXPECT_NE(err.find("use --fit"), std::string::npos);

  err = Run("--export-pdf " + Q(home.path() / "b5.pdf") + " " + sample + " --paper B5 --fit");
  EXPECT_EQ(status, 0);
  EXPECT_NE(err.find("does not fit on B5"), std::string::npos) << err;
  EXPECT_NE(err.find("scaled to"), std::string::npos);
  EXPECT_TRUE(fs::exists(home.path() / "b5.pdf"));

  Run("--convert " + Q(home.path() / "x.vdw") + " " + sample + " --fit");
  EXPECT_EQ(status, 2);  // --fit belongs to the exports
}

}  // namespace
}  // namespace vek
