// The parts of the platform seam that the atomic save does not already exercise.
#include "io/platform/platform.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;

TEST(Platform, AFileIsNoTerminal) {
  testing::TempDir dir;
  testing::WriteFileBytes(dir / "out.txt", "");
  std::FILE* file = std::fopen((dir / "out.txt").string().c_str(), "rb");
  ASSERT_NE(file, nullptr);
  EXPECT_FALSE(platform::IsTerminal(file));
  std::fclose(file);
  EXPECT_FALSE(platform::IsTerminal(nullptr));
}

TEST(Platform, FileStatesTellWhatMayBeReplaced) {
  testing::TempDir dir;
  testing::WriteFileBytes(dir / "f", "x");
  EXPECT_EQ(platform::InspectFile(dir / "missing").kind, platform::FileState::Missing);
  EXPECT_EQ(platform::InspectFile(dir.path()).kind, platform::FileState::Directory);
  EXPECT_EQ(platform::InspectFile(dir / "f").kind, platform::FileState::Regular);
  EXPECT_TRUE(platform::InspectFile(dir / "f").writable);
  fs::permissions(dir / "f", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(platform::InspectFile(dir / "f").writable);
}

}  // namespace
}  // namespace vek
