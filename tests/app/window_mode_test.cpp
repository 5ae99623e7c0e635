// The start of `vek [FILE]`: the window is shown with the file (or a new document), or stays hidden
// when the file cannot be loaded.
#include "app/window_mode.h"

#include <QApplication>

#include "app/commands.h"
#include "app_fixture.h"

namespace vek::testing {
namespace {

class WindowModeTest : public FrameTest {};

TEST_F(WindowModeTest, TheWindowIsShownWithTheFileOfTheCommandLine) {
  const auto file = WriteTestFileTo(home / "t.vdw", 3);
  CommandLineOptions options;
  options.inputs = {file.string()};
  ASSERT_TRUE(StartMainWindow(MakeFrame(), options));
  QApplication::processEvents();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("t.vdw[*]")));
  EXPECT_TRUE(frame->windowTitle().endsWith(QString::fromUtf8(kMainWindowTitle)));
  EXPECT_EQ(store.test.Test(3, 1), "300");
  EXPECT_GT(frame->View().PaintCount(), 0);
}

TEST_F(WindowModeTest, WithoutAFileANewDocumentIsShown) {
  store.test.Header(1) = "left over";
  ASSERT_TRUE(StartMainWindow(MakeFrame(), CommandLineOptions{}));
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(store.test.Header(1), "");
}

TEST_F(WindowModeTest, AFileThatCannotBeLoadedLeavesTheWindowHidden) {
  WriteFileBytes(home / "foreign.vdw", "not a data file\r\n");
  CommandLineOptions options;
  options.inputs = {(home / "foreign.vdw").string()};
  EXPECT_FALSE(StartMainWindow(MakeFrame(), options));
  EXPECT_FALSE(frame->isVisible());
  EXPECT_FALSE(sink.shown.empty());
}

}  // namespace
}  // namespace vek::testing
