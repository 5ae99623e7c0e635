// The first start on a fresh machine: the program folder with its factory files.
#include <gtest/gtest.h>

#include <filesystem>

#include "io/settings_install.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;

TEST(SettingsInstall, FirstStartCreatesTheMissingFolderButLeavesAnExistingOneAlone) {
  testing::TempHome home;
  const fs::path folder = home.path() / "C" / "Kavrion" / "Pemo5";
  EXPECT_TRUE(ProgramFolderMissing());
  EXPECT_TRUE(InstallSettingsOnFirstStart());
  EXPECT_TRUE(fs::exists(folder / "Sys.ndx"));
  for (int n = 1; n <= 6; ++n) EXPECT_TRUE(fs::exists(folder / ("Font" + std::to_string(n) + ".ndx"))) << n;
  EXPECT_FALSE(ProgramFolderMissing());

  // A folder that exists keeps what it has, even when files are missing.
  fs::remove(folder / "Sys.ndx");
  EXPECT_FALSE(InstallSettingsOnFirstStart());
  EXPECT_FALSE(fs::exists(folder / "Sys.ndx"));
}

TEST(SettingsInstall, WritesOnlyMissingFiles) {
  testing::TempHome home;
  const fs::path folder = home.path() / "C" / "Kavrion" / "Pemo5";
  testing::WriteFileBytes(folder / "Font2.ndx", "mine");
  int written = 0, kept = 0, failed = 0;
  for (const InstalledFile& f : WriteMissingSettingsFiles()) {
    if (f.outcome == InstalledFile::Outcome::Written) ++written;
    if (f.outcome == InstalledFile::Outcome::Kept) ++kept;
    if (f.outcome == InstalledFile::Outcome::Failed) ++failed;
  }
  EXPECT_EQ(written, 6);
  EXPECT_EQ(kept, 1);
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(testing::ReadFileBytes(folder / "Font2.ndx"), "mine");
}

}  // namespace
}  // namespace vek
