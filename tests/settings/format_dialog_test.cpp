// The format form on screen: its controls carry the form's values, the unit radios ask through the
// form's sink, a refused OK focuses the edit, "標準の設定" then Cancel changes nothing, and OK without
// a change rewrites Sys.ndx byte for byte.
#include "settings/format_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "io/settings_sys_format.h"
#include "support/settings_folder.h"
#include "support_qt/find_child.h"

namespace vek {
namespace {

using testing::Child;
using testing::SettingsFolder;

TEST(FormatDlgTest, ShowsTheSettingsWithPresetsAndLabelledControls) {
  SettingsFolder folder;
  RecordingMessageSink sink;
  CFormatDlg form(nullptr, folder.settings, &sink);
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("様式/桁数"));
  auto* graphTitle = Child<QComboBox>(form, "SystemGraphTitle");
  EXPECT_EQ(graphTitle->currentText(), QStringLiteral("ＶＥＫ試験結果図"));
  EXPECT_EQ(graphTitle->count(), 6);
  EXPECT_EQ(graphTitle->itemText(5), QString());
  EXPECT_EQ(graphTitle->accessibleName(), QStringLiteral("グラフタイトル"));
  EXPECT_EQ(Child<QLineEdit>(form, "DigitsRm")->text(), QStringLiteral("4"));
  EXPECT_EQ(Child<QLineEdit>(form, "DigitsRm")->accessibleName(), QStringLiteral("中間半径 ｒm"));
  EXPECT_TRUE(Child<QRadioButton>(form, "unitM")->isChecked());
  EXPECT_TRUE(Child<QRadioButton>(form, "formulaOwnPage")->isChecked());
  form.reject();
}

TEST(FormatDlgTest, UnitRadioAsksAndRefusedOkFocusesTheEdit) {
  SettingsFolder folder;
  RecordingMessageSink sink;
  CFormatDlg form(nullptr, folder.settings, &sink);
  form.show();
  Child<QLineEdit>(form, "DigitsReading")->setText(QStringLiteral("1"));
  Child<QRadioButton>(form, "unitCm")->click();  // dH 1 but r 4 and rm 4: the question, Yes
  EXPECT_EQ(sink.asked.size(), 1u);
  EXPECT_EQ(Child<QLineEdit>(form, "DigitsR")->text(), QStringLiteral("2"));

  auto* k = Child<QLineEdit>(form, "DigitsK");
  k->setText(QStringLiteral("7"));
  Child<QPushButton>(form, "okButton")->click();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.focusWidget(), k);
  EXPECT_EQ(sink.shown, std::vector<std::string>{"0 から 6 までの整数を入力してください。"});
  EXPECT_EQ(folder.settings.LengthUnit, 1);  // nothing stored yet

  k->setText(QStringLiteral("6"));
  Child<QPushButton>(form, "okButton")->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(folder.settings.LengthUnit, 0);
  EXPECT_EQ(folder.settings.DigitsK, 6);
  EXPECT_EQ(folder.settings.DigitsR, 2);
}

TEST(FormatDlgTest, StandardThenCancelChangesNothing) {
  SettingsFolder folder;
  const std::string file = folder.SysBytes();
  const std::string values = FormatSystemSettings(folder.settings);
  RecordingMessageSink sink;
  CFormatDlg form(nullptr, folder.settings, &sink);
  form.show();
  Child<QPushButton>(form, "standardButton")->click();
  EXPECT_EQ(Child<QComboBox>(form, "SystemTableTitle")->currentText(), QStringLiteral("測定結果表"));
  EXPECT_TRUE(Child<QRadioButton>(form, "unitCm")->isChecked());
  EXPECT_TRUE(sink.asked.empty());  // the standard values do not ask the unit question
  Child<QPushButton>(form, "cancelButton")->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(FormatSystemSettings(folder.settings), values);
  EXPECT_EQ(folder.SysBytes(), file);
}

TEST(FormatDlgTest, OkWithoutChangeRewritesSysNdxByteForByte) {
  SettingsFolder folder;
  const std::string before = folder.SysBytes();
  std::filesystem::remove(SystemSettingsHostPath(folder.settings));
  RecordingMessageSink sink;
  CFormatDlg form(nullptr, folder.settings, &sink);
  form.show();
  form.accept();
  EXPECT_EQ(folder.SysBytes(), before);
}

TEST(FormatDlgTest, TextsTheFileCannotHoldAreRefusedAsTyped) {
  SettingsFolder folder;
  RecordingMessageSink sink;
  CFormatDlg form(nullptr, folder.settings, &sink);
  form.show();
  QLineEdit* company = Child<QLineEdit>(form, "SystemCompanyName");
  company->clear();
  company->insert(QStringLiteral("株式会社"));
  company->insert(QStringLiteral("€"));  // pasted: the euro sign has no CP932 code
  EXPECT_EQ(company->text(), QStringLiteral("株式会社"));
  QLineEdit* caption = Child<QComboBox>(form, "SystemNoLabel")->lineEdit();
  caption->clear();
  QTest::keyClicks(caption, QStringLiteral("No$$"));  // "$$" would start a section of a data file
  EXPECT_EQ(caption->text(), QStringLiteral("No$"));
  form.reject();
}

}  // namespace
}  // namespace vek
