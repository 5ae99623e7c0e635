// The name rule of Save As.
#include <gtest/gtest.h>

#include "io/save_as_target.h"

namespace vek {
namespace {

namespace fs = std::filesystem;

TEST(SaveAsTarget, TheExtensionChoosesTheRecordElseTheShownRecordsIsAppended) {
  struct Case {
    const char* chosen;
    DataKind shown;
    const char* path;
    DataKind kind;
    bool added;
  };
  const Case cases[] = {
      {"/d/B-1_GL-5.5", DataKind::Test, "/d/B-1_GL-5.5.vdw", DataKind::Test, true},
      {"/d/B-1_GL-5.5", DataKind::Calibration, "/d/B-1_GL-5.5.cdw", DataKind::Calibration, true},
      {"/d/first", DataKind::Test, "/d/first.vdw", DataKind::Test, true},
      {"/d/end.", DataKind::Test, "/d/end.vdw", DataKind::Test, true},
      {"/d/notes.txt", DataKind::Calibration, "/d/notes.txt.cdw", DataKind::Calibration, true},
      {"/d/x.vdw.bak", DataKind::Test, "/d/x.vdw.bak.vdw", DataKind::Test, true},
      {"/d/cal.CDW", DataKind::Test, "/d/cal.CDW", DataKind::Calibration, false},
      {"/d/t.Vdw", DataKind::Calibration, "/d/t.Vdw", DataKind::Test, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    const auto target = SaveAsTargetOf(c.chosen, c.shown);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->path, fs::path(c.path));
    EXPECT_EQ(target->kind, c.kind);
    EXPECT_EQ(target->extensionAdded, c.added);
  }
  for (const char* refused : {"/d/old.ddf", "/d/OLD.CDF", "/d/", "/d/.."})
    EXPECT_FALSE(SaveAsTargetOf(refused, DataKind::Test).has_value()) << refused;
}

}  // namespace
}  // namespace vek
