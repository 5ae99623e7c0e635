// The page, key, setup and help commands of the menus, run as the window runs them.
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/commands.h"
#include "app/form_commands.h"
#include "app_fixture.h"
#include "core/header_fields.h"
#include "io/help_file.h"
#include "io/program_folder.h"
#include "io/settings_location.h"

namespace vek::testing {
namespace {

using namespace hf;

class SettingsFormCommandsTest : public FrameTest {
 protected:
  void SetUp() override {
    StartNew();
    RegisterFormCommands(*frame);
  }
  // Runs a command; `answer` closes the form it opens (accept or reject). Returns the form's title.
  QString RunClosing(int id, bool accept) {
    return Closing([&] { frame->RunCommand(id); }, accept);
  }
};

TEST_F(SettingsFormCommandsTest, EveryCommandOfTheseFormsIsEnabledAndF1OpensTheHelp) {
  for (int id : {kCmdCalPage, kCmdTestPage, kCmdSetKey, kCmdSetSetup, kCmdHelpForm})
    EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
  EXPECT_EQ(frame->Action(kCmdHelpForm)->shortcut(), QKeySequence(Qt::Key_F1));
  ASSERT_TRUE(SaveFactoryHelpFile(HelpFileHostPath(settings)));
  ShowAndPaint();
  frame->activateWindow();
  EXPECT_EQ(Closing([&] { QTest::keyClick(&frame->View(), Qt::Key_F1); }, true), QString::fromUtf8("操作＆ヘルプ"));
  EXPECT_FALSE(frame->Document().IsModified());
}

TEST_F(SettingsFormCommandsTest, PageFormOfTheTestRecordUsesTheViewsPaperAndMarksTheDocument) {
  View().paperWidthMm = 210;
  View().paperHeightMm = 297;
  const auto calibration = store.calibration.HeaderFields;
  EXPECT_EQ(RunClosing(kCmdTestPage, true), QString::fromUtf8("VEK ページ設定"));
  EXPECT_TRUE(frame->Document().IsModified());
  EXPECT_EQ(store.test.Header(FooterTopMargin), "281");
  EXPECT_EQ(store.test.Header(FooterLeftMargin), "105");
  EXPECT_EQ(store.test.Header(FooterCentreOffset), "105");
  EXPECT_EQ(store.test.Header(FooterVerticalMode), "1");
  EXPECT_EQ(store.calibration.HeaderFields, calibration);
}

TEST_F(SettingsFormCommandsTest, CancelledPageFormAndUnchangedOkLeaveTheDocumentUnmodified) {
  const auto before = store.calibration.HeaderFields;
  EXPECT_EQ(RunClosing(kCmdCalPage, false), QString::fromUtf8("CAL ページ設定"));
  EXPECT_EQ(store.calibration.HeaderFields, before);
  EXPECT_FALSE(frame->Document().IsModified());

  RunClosing(kCmdCalPage, true);  // the standard footer is now in the record
  frame->Document().SetModified(false);
  RunClosing(kCmdCalPage, true);
  EXPECT_FALSE(frame->Document().IsModified());
}

TEST_F(SettingsFormCommandsTest, KeyAndSetupFormsSaveTheirSettings) {
  EXPECT_EQ(RunClosing(kCmdSetKey, true), QString::fromUtf8("キーの動作のオプション"));
  EXPECT_TRUE(std::filesystem::exists(SystemSettingsHostPath(settings)));
  EXPECT_EQ(RunClosing(kCmdSetSetup, true), QString::fromUtf8("セットアップ"));
  EXPECT_EQ(ReadFileBytes(LocationFilePath("C:")), "C:\\Kavrion\\Pemo5\r\n");
  EXPECT_FALSE(frame->Document().IsModified());
}

}  // namespace
}  // namespace vek::testing
