#include "io/safe_write.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "io/platform/platform.h"
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
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no POSIX permission bits, and symbolic links need a privilege there";
#endif
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

#ifndef _WIN32
// Runs `body` in a child process and returns its exit status (-1 when it ended by a signal).
template <typename Body>
int ExitStatusOfChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// A process id no system hands out (Linux stops at 2^22, Windows ids are multiples of 4).
constexpr unsigned long kNoSuchProcess = 2147483641;

TEST(WriteFileAtomically, TellsLiveProcessesFromGoneOnes) {
  EXPECT_TRUE(platform::ProcessMayBeAlive(platform::CurrentProcessId()));
  EXPECT_FALSE(platform::ProcessMayBeAlive(kNoSuchProcess));
}

TEST(WriteFileAtomically, RefusesAFileWithoutWritePermissionEvenForRoot) {
  TempDir dir;
  const fs::path p = dir / "locked.vdw";
  WriteFileBytes(p, "old");
  fs::permissions(p, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(WriteFileAtomically(p, "new"));
  AtomicWriteBatch batch;
  EXPECT_FALSE(batch.Add(p, "new"));
  EXPECT_EQ(ReadFileBytes(p), "old");
  EXPECT_EQ(CountEntries(dir.path()), 1);
  // Writable again, it is replaced as usual.
  fs::permissions(p, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_TRUE(WriteFileAtomically(p, "new"));
}

TEST(WriteFileAtomically, RemovesOnlyTheTemporariesOfDeadProcesses) {
  TempDir dir;
  const std::string dead = std::to_string(kNoSuchProcess);
#ifdef _WIN32
  const std::string alive = std::to_string(platform::CurrentProcessId());
#else
  const std::string alive = std::to_string(::getppid());
#endif
  const std::vector<std::string> removed = {".a.vdw.tmp-" + dead + "-1", ".b.cdw.tmp-" + dead + "-17"};
  const std::vector<std::string> kept = {".a.vdw.tmp-" + alive + "-2",  ".x.tmp-" + dead,
                                         ".x.tmp-" + dead + "-",        ".x.tmp-" + dead + "-1a",
                                         "a.vdw.tmp-" + dead + "-1",    ".x.tmp-abc-1",
                                         "other.vdw"};
  for (const auto& n : removed) WriteFileBytes(dir / n, "partial");
  for (const auto& n : kept) WriteFileBytes(dir / n, "keep");
  ASSERT_TRUE(WriteFileAtomically(dir / "c.vdw", "new"));
  for (const auto& n : removed) EXPECT_FALSE(fs::exists(dir / n)) << n;
  for (const auto& n : kept) EXPECT_TRUE(fs::exists(dir / n)) << n;
}

TEST(WriteFileAtomically, AFileSizeLimitFailsTheSaveInsteadOfEndingTheProcess) {
#ifdef _WIN32
  GTEST_SKIP() << "file-size limits (RLIMIT_FSIZE, SIGXFSZ) exist on POSIX systems only";
#else
  TempDir dir;
  const fs::path p = dir / "big.vdw";
  WriteFileBytes(p, "old");
  const int status = ExitStatusOfChild([&] {
    rlimit limit{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return WriteFileAtomically(p, std::string(5000, 'x')) ? 1 : 0;
  });
  EXPECT_EQ(status, 0);  // not killed by SIGXFSZ, and the save reported its failure
  EXPECT_EQ(ReadFileBytes(p), "old");
  EXPECT_EQ(CountEntries(dir.path()), 1);
#endif
}

TEST(AtomicWriteBatch, ReplacesEveryFileOnCommitAndNothingBefore) {
  TempDir dir;
  WriteFileBytes(dir / "a.vdw", "old a");
  AtomicWriteBatch batch;
  ASSERT_TRUE(batch.Add(dir / "a.vdw", "new a"));
  ASSERT_TRUE(batch.Add(dir / "b.vdw", "new b"));
  EXPECT_FALSE(batch.Add(dir / "missing" / "c.vdw", "c"));
  EXPECT_EQ(batch.size(), 2u);
  EXPECT_EQ(ReadFileBytes(dir / "a.vdw"), "old a");
  EXPECT_FALSE(fs::exists(dir / "b.vdw"));
  EXPECT_TRUE(batch.Commit().empty());
  EXPECT_EQ(ReadFileBytes(dir / "a.vdw"), "new a");
  EXPECT_EQ(ReadFileBytes(dir / "b.vdw"), "new b");
  EXPECT_EQ(CountEntries(dir.path()), 2);
}

TEST(AtomicWriteBatch, ReportsATargetThatCannotBeReplacedAndDropsUncommittedTemporaries) {
  TempDir dir;
  {
    AtomicWriteBatch batch;
    ASSERT_TRUE(batch.Add(dir / "a.vdw", "a"));
    ASSERT_TRUE(batch.Add(dir / "d", "d"));
    fs::create_directory(dir / "d");  // becomes a folder before the commit
    WriteFileBytes(dir / "d" / "x", "x");
    const auto failed = batch.Commit();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0], dir / "d");
    EXPECT_EQ(ReadFileBytes(dir / "a.vdw"), "a");
    ASSERT_TRUE(batch.Add(dir / "never.vdw", "n"));
  }
  EXPECT_FALSE(fs::exists(dir / "never.vdw"));
  EXPECT_EQ(CountEntries(dir.path()), 2);  // a.vdw and the folder d
}

}  // namespace
}  // namespace vek
