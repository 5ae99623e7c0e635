// The drawn toolbar and program icons: each command has its own picture at the size asked for, sharp
// on a high-density screen and greyed when its button is disabled.
#include "app/program_icons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "app/commands.h"

namespace vek {
namespace {

// Pixels that are at least half opaque.
int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) >= 128;
  return count;
}

TEST(ProgramIcons, EveryToolbarCommandHasItsOwnPictureAtTheSizeAsked) {
  const int commands[] = {kCmdFileNew,   kCmdFileOpen,  kCmdFileSave,  kCmdFilePrint, kCmdAppAbout,
                          kCmdGraphPage, kCmdTablePage, kCmdPrevPage,  kCmdNextPage};
  std::vector<QImage> drawn;
  for (int command : commands) {
    SCOPED_TRACE(command);
    const QIcon icon = CommandIcon(command);
    ASSERT_FALSE(icon.isNull());
    const QImage normal = icon.pixmap(QSize(24, 24)).toImage();
    ASSERT_EQ(normal.size(), QSize(24, 24));
    // A shape, neither blank nor a filled square.
    EXPECT_GT(OpaquePixels(normal), 40);
    EXPECT_LT(OpaquePixels(normal), 24 * 24);
    // Drawn at the screen's density, not scaled up from 24 pixels.
    EXPECT_EQ(icon.pixmap(QSize(24, 24), 2.0).toImage().size(), QSize(48, 48));
    EXPECT_NE(icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage(), normal);
    for (const QImage& other : drawn) EXPECT_NE(other, normal);
    drawn.push_back(normal);
  }
  EXPECT_TRUE(CommandIcon(kCmdFileSaveAs).isNull());
  EXPECT_GT(OpaquePixels(ProgramIcon().pixmap(QSize(256, 256)).toImage()), 256 * 128);
}

}  // namespace
}  // namespace vek
