// The settings menu: the format, lines and font commands are enabled once the forms are registered,
// and after the format form the view shows page 1 unless the calculation text has its own page.
#include <gtest/gtest.h>

#include <QAction>

#include "app/commands.h"
#include "app/form_commands.h"
#include "app_fixture.h"

namespace vek::testing {
namespace {

class SettingsCommandsTest : public FrameTest {};

TEST_F(SettingsCommandsTest, RegisteringEnablesTheSettingsMenuItems) {
  CMainFrame& frame = StartNew();
  for (int id : {kCmdSetFormat, kCmdSetLines, kCmdSetFont}) EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;
  RegisterFormCommands(frame);
  for (int id : {kCmdSetFormat, kCmdSetLines, kCmdSetFont}) EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
}

TEST_F(SettingsCommandsTest, FormatFormReturnsToPageOneUnlessTheFormulaHasItsOwnPage) {
  for (auto [position, page] : {std::pair{0, 1}, {1, 1}, {2, 3}}) {
    SheetSettings s;
    s.FormulaPosition = position;
    ViewState view;
    view.currentPage = 3;
    ReturnToPageAfterFormatForm(s, view);
    EXPECT_EQ(view.currentPage, page) << position;
  }
}

}  // namespace
}  // namespace vek::testing
