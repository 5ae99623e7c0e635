// Runs the built `vek --program-folder` (next to this test program's build folder) in a fresh home.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/run_vek.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::RunVek;
using testing::VekExecutable;
using testing::TempHome;
using testing::WriteFileBytes;

TEST(ProgramFolderCommand, PrintsOnlyTheMappedFolderOnStdout) {
  if (!fs::exists(VekExecutable())) GTEST_SKIP() << "vek executable not built";
  TempHome home;
  fs::path err = home.path() / "err.txt";
  int status = -1;
  std::string out = RunVek("--program-folder", err, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, (home.path() / "C" / "Kavrion" / "Pemo5").string() + "\n");
  std::string messages = ReadFileBytes(err);
  EXPECT_NE(messages.find("ファイルが見つかりません\n( " + (home.path() / "C" / "Kavrion" / "Pemo5" / "Sys.ndx").string() + " )"), std::string::npos);
  EXPECT_NE(messages.find("Font1.ndx"), std::string::npos);
  fs::remove(err);

  WriteFileBytes(home.path() / "C" / "Kavrion" / "Dorix5.whr", "D:\\X\\Y\r\n");
  out = RunVek("--program-folder", err, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, (home.path() / "D" / "X" / "Y").string() + "\n");
  // Loading creates nothing: only the location file and the captured stderr exist.
  EXPECT_FALSE(fs::exists(home.path() / "D"));
}

TEST(InitSettingsCommand, WritesOnlyMissingFilesThenStartUpIsQuiet) {
  if (!fs::exists(VekExecutable())) GTEST_SKIP() << "vek executable not built";
  TempHome home;
  const fs::path folder = home.path() / "C" / "Kavrion" / "Pemo5";
  WriteFileBytes(folder / "Font3.ndx", "12.0\r\nIPAGothic\r\n0\r\n0\r\n");
  fs::path err = home.path() / "err.txt";
  int status = -1;
  std::string out = RunVek("--init-settings", err, status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(out.find("written: " + (folder / "Sys.ndx").string()), std::string::npos);
  EXPECT_NE(out.find("kept:    " + (folder / "Font3.ndx").string()), std::string::npos);
  EXPECT_EQ(ReadFileBytes(folder / "Font3.ndx"), "12.0\r\nIPAGothic\r\n0\r\n0\r\n");
  EXPECT_EQ(ReadFileBytes(folder / "Font1.ndx").rfind("11.0\r\n", 0), 0u);

  // The next start finds every file: no message at all.
  out = RunVek("--program-folder", err, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFileBytes(err).find("ファイルが見つかりません"), std::string::npos);
}

}  // namespace
}  // namespace vek
