// The key behaviour, setup and help forms: binding to their logic, focus rules, round trip.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

#include "core/encoding.h"
#include "dialog_shots.h"
#include "io/help_file.h"
#include "io/program_folder.h"
#include "io/settings_files.h"
#include "io/settings_sys_format.h"
#include "settings/help_dialog.h"
#include "settings/key_option_dialog.h"
#include "settings/setup_dialog.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

using testing::ReadFileBytes;
using testing::TempHome;
using testing::WriteFileBytes;

struct Loaded {
  Loaded() {
    SheetSettings custom;
    custom.EnterKeyMode = 2;
    custom.SystemCompanyName = Sjis("株式会社 試験");
    sysNdx = FormatSystemSettings(custom);
    WriteFileBytes(folder / "Sys.ndx", sysNdx);
    LoadSettings(settings, store, false, sink);
    sink.shown.clear();
  }
  TempHome home;
  std::filesystem::path folder = home.path() / "C" / "Kavrion" / "Pemo5";
  std::string sysNdx;
  SheetSettings settings;
  RecordStore store;
  RecordingMessageSink sink;
};

TEST(KeyOptionDlgTest, ShowsTheSettingAndOkWritesOnlyWhatChanged) {
  Loaded t;
  {
    KeyOptionLogic form(t.settings);
    CKeyOptionDlg dlg(nullptr, form, &t.sink);
    dlg.show();
    testing::SaveShot(dlg, "key_option");
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("キーの動作のオプション"));
    EXPECT_TRUE(dlg.ui.modeConfirm->isChecked());
    dlg.ui.okButton->click();
    EXPECT_EQ(ReadFileBytes(t.folder / "Sys.ndx"), t.sysNdx);
  }
  KeyOptionLogic form(t.settings);
  CKeyOptionDlg dlg(nullptr, form, &t.sink);
  dlg.show();
  dlg.ui.modePlatform->click();
  // The form is no data-entry form: Enter presses OK whatever the setting.
  QTest::keyClick(dlg.ui.modePlatform, Qt::Key_Return);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(t.settings.EnterKeyMode, 0);
  SheetSettings expected;
  expected.EnterKeyMode = 0;
  expected.SystemCompanyName = Sjis("株式会社 試験");
  EXPECT_EQ(ReadFileBytes(t.folder / "Sys.ndx"), FormatSystemSettings(expected));
}

TEST(SetupDlgTest, LeavingTheFolderAppliesItsRuleAndABadDriveKeepsTheFormOpen) {
  Loaded t;
  SetupLogic form(t.settings, t.store);
  CSetupDlg dlg(nullptr, form, 1, &t.sink);
  dlg.show();
  dlg.activateWindow();
  QApplication::processEvents();
  testing::SaveShot(dlg, "setup");
  EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("セットアップ"));
  EXPECT_EQ(dlg.ui.drive->text(), "C");
  EXPECT_EQ(dlg.ui.folder->text(), "\\Kavrion\\Pemo5");
  EXPECT_EQ(dlg.ui.hostFolder->text().toStdString(), t.folder.string());

  dlg.ui.folder->setFocus();
  dlg.ui.folder->clear();
  QTest::keyClick(dlg.ui.folder, Qt::Key_Return);  // mode 1: on to the next control
  EXPECT_EQ(t.sink.shown, std::vector<std::string>{NumberedMessage(msg::NoData)});
  EXPECT_EQ(dlg.ui.folder->text(), "\\");

  dlg.ui.drive->setText("9");
  dlg.ui.folder->setText("\\Vek");
  dlg.ui.okButton->click();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), dlg.ui.drive);
  EXPECT_EQ(t.settings.installDrive, "C");

  QTest::keyClicks(dlg.ui.drive, "e");
  EXPECT_EQ(dlg.ui.drive->text(), "e");  // one letter at most: the 9 was selected and replaced
  dlg.ui.okButton->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(t.settings.installDrive, "E");
  EXPECT_EQ(ReadFileBytes(LocationFilePath("C:")), "E:\\Vek\r\n");
}

TEST(SetupDlgTest, StandardThenCancelChangesNothing) {
  Loaded t;
  t.settings.installDrive = "D";
  t.settings.installFolder = "\\Other";
  SetupLogic form(t.settings, t.store);
  CSetupDlg dlg(nullptr, form, 1, &t.sink);
  dlg.show();
  dlg.ui.standardButton->click();
  EXPECT_EQ(dlg.ui.drive->text(), "C");
  EXPECT_EQ(dlg.ui.folder->text(), "\\Kavrion\\Pemo5");
  dlg.ui.cancelButton->click();
  EXPECT_EQ(t.settings.installDrive, "D");
  EXPECT_EQ(t.settings.installFolder, "\\Other");
  EXPECT_FALSE(std::filesystem::exists(LocationFilePath("C:")));
}

TEST(HelpDlgTest, ListsTheHelpTextInAFixedPitchFontAndSaysWhenNothingCanOpenIt) {
  Loaded t;
  const auto help = HelpFileHostPath(t.settings);
  ASSERT_TRUE(SaveFactoryHelpFile(help));
  int opened = 0;
  CHelpDlg dlg(nullptr, help, &t.sink, {{"gedit", [&](const std::filesystem::path& p) {
                                            ++opened;
                                            EXPECT_EQ(p, help);
                                            return false;
                                          }}});
  dlg.show();
  dlg.resize(760, 560);
  testing::SaveShot(dlg, "help");
  EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("操作＆ヘルプ"));
  ASSERT_GT(dlg.ui.helpList->count(), 50);
  EXPECT_EQ(dlg.ui.helpList->item(1)->text(), QString::fromUtf8("  ヴェク V5  操作＆ヘルプ"));
  // Fixed pitch in the Japanese sense: every half-width character as wide as any other, a full-width
  // one twice as wide, so that the columns of the text line up.
  const QFontMetrics metrics(dlg.ui.helpList->font());
  EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
  EXPECT_EQ(metrics.horizontalAdvance(QString::fromUtf8("操作")), metrics.horizontalAdvance("WWWW"));
  EXPECT_TRUE(t.sink.shown.empty());
  dlg.ui.openButton->click();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(t.sink.shown, std::vector<std::string>{NumberedMessage(msg::CannotExecute, "gedit")});
  dlg.ui.okButton->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(HelpDlgTest, AMissingHelpFileIsNamed) {
  Loaded t;
  CHelpDlg dlg(nullptr, HelpFileHostPath(t.settings), &t.sink, {});
  EXPECT_EQ(dlg.ui.helpList->count(), 0);
  EXPECT_EQ(t.sink.shown,
            std::vector<std::string>{NumberedMessage(msg::FileNotFound, (t.folder / "Help.txt").string())});
}

}  // namespace
}  // namespace vek
