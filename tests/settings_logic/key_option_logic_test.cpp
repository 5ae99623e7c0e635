#include "settings/logic/key_option_logic.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "io/settings_sys_format.h"
#include "settings_fixture.h"

namespace vek {
namespace {

using testing::LoadedSettings;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

// Sys.ndx as the program writes it for settings away from the factory values.
std::string WrittenSysNdx(LoadedSettings& t, int enterKeyMode) {
  SheetSettings s = t.settings;
  s.SystemNoLabel = Sjis("試験番号");
  s.DigitsR = 3;
  s.GridColour = "0x123456";
  s.EnterKeyMode = enterKeyMode;
  return FormatSystemSettings(s);
}

// Line n (from 0) of a CR LF file.
std::string LineOf(const std::string& bytes, int n) {
  size_t start = 0;
  for (int i = 0; i < n; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.substr(start, bytes.find("\r\n", start) - start);
}

TEST(KeyOptionFormTest, StoredValuesOutsideTheRadiosShowAsTheChoiceTheyActAs) {
  struct Case {
    int stored;
    EnterKeyChoice shown;
  } cases[] = {{0, EnterKeyChoice::PlatformDefault}, {1, EnterKeyChoice::NextField},
               {2, EnterKeyChoice::ConfirmOnly},     {7, EnterKeyChoice::ConfirmOnly},
               {-3, EnterKeyChoice::PlatformDefault}};
  for (const Case& c : cases) {
    SheetSettings s;
    s.EnterKeyMode = c.stored;
    EXPECT_EQ(KeyOptionLogic(s).Choice(), c.shown) << c.stored;
  }
}

TEST(KeyOptionFormTest, OkUnchangedRewritesSysNdxByteForByte) {
  for (int stored : {0, 1, 2, 7}) {
    LoadedSettings t;
    const auto sysNdx = t.DefaultFolder() / "Sys.ndx";
    const std::string before = WrittenSysNdx(t, stored);
    WriteFileBytes(sysNdx, before);
    t.Load();
    KeyOptionLogic form(t.settings);
    EXPECT_TRUE(form.Commit(t.sink));
    EXPECT_EQ(ReadFileBytes(sysNdx), before) << stored;
    EXPECT_TRUE(t.sink.shown.empty());
  }
}

TEST(KeyOptionFormTest, AChangedChoiceLandsOnLine60AndNowhereElse) {
  LoadedSettings t;
  const auto sysNdx = t.DefaultFolder() / "Sys.ndx";
  const std::string before = WrittenSysNdx(t, 1);
  WriteFileBytes(sysNdx, before);
  t.Load();
  KeyOptionLogic form(t.settings);
  form.SetChoice(EnterKeyChoice::ConfirmOnly);
  ASSERT_TRUE(form.Commit(t.sink));
  EXPECT_EQ(t.settings.EnterKeyMode, 2);
  const std::string after = ReadFileBytes(sysNdx);
  for (int line = 0; line < kSystemSettingsLineCount; ++line)
    EXPECT_EQ(LineOf(after, line), line == 60 ? "2" : LineOf(before, line)) << "line " << line;
  EXPECT_EQ(after.size(), before.size());
}

TEST(KeyOptionFormTest, ASysNdxThatCannotBeWrittenIsNamedAndTheChoiceHoldsForTheRun) {
  LoadedSettings t;
  t.Load();
  // The program folder is a plain file: nothing can be written below it.
  WriteFileBytes(t.DefaultFolder(), "not a folder");
  KeyOptionLogic form(t.settings);
  form.SetChoice(EnterKeyChoice::PlatformDefault);
  EXPECT_FALSE(form.Commit(t.sink));
  EXPECT_EQ(t.settings.EnterKeyMode, 0);
  ASSERT_EQ(t.sink.shown.size(), 1u);
  EXPECT_EQ(t.sink.shown[0],
            NumberedMessage(msg::CannotSave) + "\n( " + (t.DefaultFolder() / "Sys.ndx").string() + " )");
}

}  // namespace
}  // namespace vek
