// The lines form on screen: the grid style rule enables the right edits, colour edits are drawn in
// the colour they name, the "色" buttons write the chooser's colour back in the file's byte order,
// a refused OK focuses the field, and "標準の設定" then Cancel changes nothing.
#include "settings/lines_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "io/settings_sys_format.h"
#include "support/settings_folder.h"
#include "support_qt/find_child.h"

namespace vek {
namespace {

using testing::Child;
using testing::SettingsFolder;

QColor TextColour(QLineEdit* edit) { return edit->palette().color(QPalette::Text); }

TEST(LinesDlgTest, GridStyleRuleAndColourEdits) {
  SettingsFolder folder;  // black-and-white grid, gap 3, grid colour "0x0000ff"
  RecordingMessageSink sink;
  CLinesDlg form(nullptr, folder.settings, &sink, [](const QColor&, QWidget*) { return std::nullopt; });
  form.show();
  auto* gap = Child<QLineEdit>(form, "GridGapLength");
  auto* gridColour = Child<QLineEdit>(form, "GridColour");
  EXPECT_EQ(gap->text(), QStringLiteral("3"));
  EXPECT_TRUE(gap->isEnabled());
  EXPECT_FALSE(gridColour->isEnabled());
  EXPECT_EQ(TextColour(gridColour), QColor(255, 0, 0));  // lowest byte red
  EXPECT_EQ(TextColour(Child<QLineEdit>(form, "DhLineColour")), QColor(0, 0, 255));

  Child<QRadioButton>(form, "gridColourStyle")->click();
  EXPECT_EQ(gap->text(), QStringLiteral("0"));
  EXPECT_FALSE(gap->isEnabled());
  EXPECT_TRUE(gridColour->isEnabled());
  EXPECT_EQ(Child<QLabel>(form, "gridNote")->text(), QStringLiteral("実線のみ描画可能　"));
  gridColour->setText(QStringLiteral("junk"));
  EXPECT_EQ(TextColour(gridColour), QColor(0, 0, 0));
  form.reject();
}

TEST(LinesDlgTest, ColourButtonWritesTheChosenColourLowestByteRed) {
  SettingsFolder folder;
  RecordingMessageSink sink;
  QColor offered;
  CLinesDlg form(nullptr, folder.settings, &sink, [&offered](const QColor& initial, QWidget*) {
    offered = initial;
    return std::optional<QColor>(QColor(0, 255, 0));
  });
  form.show();
  Child<QPushButton>(form, "RLineColourButton")->click();  // the edit held "0x00ff00"
  EXPECT_EQ(offered, QColor(0, 255, 0));
  Child<QPushButton>(form, "DhLineColourButton")->click();  // "0xff0000": blue
  auto* dh = Child<QLineEdit>(form, "DhLineColour");
  EXPECT_EQ(dh->text(), QStringLiteral("0x00ff00"));
  EXPECT_EQ(TextColour(dh), QColor(0, 255, 0));
  form.accept();
  EXPECT_EQ(folder.settings.DhLineColour, "0x00ff00");
}

TEST(LinesDlgTest, RefusedMarginFocusesItsEdit) {
  SettingsFolder folder;
  RecordingMessageSink sink;
  CLinesDlg form(nullptr, folder.settings, &sink);
  form.show();
  auto* top = Child<QLineEdit>(form, "GraphTopMargin");
  top->setText(QStringLiteral("221"));
  Child<QPushButton>(form, "okButton")->click();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.focusWidget(), top);
  EXPECT_EQ(sink.shown, std::vector<std::string>{"0 から 220 までの整数を入力してください。"});
  EXPECT_EQ(folder.settings.GraphTopMargin, 30);
  form.reject();
}

TEST(LinesDlgTest, StandardThenCancelChangesNothingAndOkRewritesTheSameBytes) {
  SettingsFolder folder;
  const std::string file = folder.SysBytes();
  const std::string values = FormatSystemSettings(folder.settings);
  RecordingMessageSink sink;
  {
    CLinesDlg form(nullptr, folder.settings, &sink);
    form.show();
    Child<QPushButton>(form, "standardButton")->click();
    EXPECT_EQ(Child<QLineEdit>(form, "DefaultStandpipeArea")->text(), QStringLiteral("108.5"));
    EXPECT_TRUE(Child<QRadioButton>(form, "RModeNone")->isChecked());
    form.reject();
    EXPECT_FALSE(form.isVisible());
  }
  EXPECT_EQ(FormatSystemSettings(folder.settings), values);
  EXPECT_EQ(folder.SysBytes(), file);

  std::filesystem::remove(SystemSettingsHostPath(folder.settings));
  CLinesDlg form(nullptr, folder.settings, &sink);
  form.show();
  form.accept();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(folder.SysBytes(), file);
}

}  // namespace
}  // namespace vek
