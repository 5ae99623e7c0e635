// Finding the calibration file a test names: where "開く" left it, beside the test, or by its last
// name component when the test comes from another machine.
#include "io/calibration_lookup.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "io/document_commands.h"
#include "support/temp_dir.h"

namespace vek::testing {
namespace {

namespace fs = std::filesystem;

TEST(CalibrationLookupTest, StoredPathThenBesideTheTestThenByItsLastComponent) {
  TempDir dir;
  const fs::path test = dir.path() / "site" / "b2.vdw";
  WriteFileBytes(dir.path() / "cals" / "probe.cdw", "x");
  WriteFileBytes(dir.path() / "site" / "probe.cdw", "y");
  WriteFileBytes(dir.path() / "site" / "sub" / "rel.cdw", "z");

  // Where "開く" left it.
  EXPECT_EQ(FindNamedCalibration(PathToField(dir.path() / "cals" / "probe.cdw"), test),
            dir.path() / "cals" / "probe.cdw");
  // A relative name from the test's folder.
  EXPECT_EQ(FindNamedCalibration("sub/rel.cdw", test), dir.path() / "site" / "sub" / "rel.cdw");
  // A folder that no longer exists, or another machine's path: the name beside the test.
  EXPECT_EQ(FindNamedCalibration(PathToField(dir.path() / "gone" / "probe.cdw"), test),
            dir.path() / "site" / "probe.cdw");
  EXPECT_EQ(FindNamedCalibration("D:\\old\\probe.cdw", test), dir.path() / "site" / "probe.cdw");
  EXPECT_EQ(FindNamedCalibration("nowhere.cdw", test), std::nullopt);
  // A folder is not a file; a name of one byte names nothing.
  EXPECT_EQ(FindNamedCalibration("sub", test), std::nullopt);
  EXPECT_FALSE(NamesCalibration("x"));
}

TEST(CalibrationLookupTest, ABackslashInsideATwoByteCharacterIsNoSeparator) {
  TempDir dir;
  const fs::path test = dir.path() / "b2.vdw";
  // "表" is 0x95 0x5C in CP932: its second byte is a backslash.
  WriteFileBytes(dir.path() / "表.cdw", "x");
  EXPECT_EQ(FindNamedCalibration(Sjis("C:\\調査\\表.cdw"), test), dir.path() / "表.cdw");
}

}  // namespace
}  // namespace vek::testing
