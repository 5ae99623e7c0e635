#include "io/safe_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

int CountEntries(const fs::path& dir) {
  int n = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

TEST(WriteFileAtomically, CreatesAndReplacesWithExactBytesLeavingNoTemporaries) {
  TempDir dir;
  fs::path p = dir / "a.ndx";
  std::string bytes("one\r\ntwo\0three\r\n", 16);
  ASSERT_TRUE(WriteFileAtomically(p, bytes));
  EXPECT_EQ(ReadFileBytes(p), bytes);

  // A shorter content replaces the file completely (no tail of the old one remains).
  ASSERT_TRUE(WriteFileAtomically(p, "x"));
  EXPECT_EQ(ReadFileBytes(p), "x");
  ASSERT_TRUE(WriteFileAtomically(p, ""));
  EXPECT_TRUE(fs::exists(p));
  EXPECT_EQ(fs::file_size(p), 0u);
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(WriteFileAtomically, FailureLeavesTheOldContentAndNoTemporaries) {
  TempDir dir;
  // Parent is a regular file: nothing can be created below it.
  WriteFileBytes(dir / "file", "old");
  EXPECT_FALSE(WriteFileAtomically(dir / "file" / "child", "new"));
  EXPECT_EQ(ReadFileBytes(dir / "file"), "old");

  // Missing folder: not created.
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x", "new"));
  EXPECT_FALSE(fs::exists(dir / "missing"));

  // A directory where the file should be is never replaced.
  fs::create_directory(dir / "d");
  WriteFileBytes(dir / "d" / "keep", "k");
  EXPECT_FALSE(WriteFileAtomically(dir / "d", "new"));
  EXPECT_TRUE(fs::is_directory(dir / "d"));
  EXPECT_EQ(ReadFileBytes(dir / "d" / "keep"), "k");

  EXPECT_FALSE(WriteFileAtomically(fs::path(), "x"));
  EXPECT_EQ(CountEntries(dir.path()), 2);  // "file" and "d" only
}

TEST(WriteFileAtomically, KeepsPermissionsAndWritesThroughSymbolicLinks) {
  TempDir dir;
  fs::path real = dir / "real";
  WriteFileBytes(real, "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real", dir / "link");

  ASSERT_TRUE(WriteFileAtomically(dir / "link", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
  EXPECT_EQ(ReadFileBytes(real), "new");
  EXPECT_EQ(fs::status(real).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace vek
