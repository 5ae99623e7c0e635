// The font form on screen: the rows show face, size and colour of their fonts; a row button runs the
// chooser from the font's stand-in face and cell height, and its answer lands in that row; Cancel
// after a choice asks question 132; OK writes the six files.
#include "settings/font_settings_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/encoding.h"
#include "support/settings_folder.h"
#include "support_qt/find_child.h"

namespace vek {
namespace {

using testing::Child;
using testing::SettingsFolder;

TEST(FontSettingsDlgTest, RowsShowTheirFonts) {
  SettingsFolder folder;  // font n has size 8.5 + n, font 5 (titles) 13.5
  RecordingMessageSink sink;
  CFontSettingsDlg form(nullptr, folder.settings, &sink);
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("フォント"));
  EXPECT_EQ(Child<QLineEdit>(form, "titleSize")->text(), QStringLiteral(" 14     (13.5)"));
  EXPECT_EQ(Child<QLineEdit>(form, "headingFace")->text(), QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(Child<QLabel>(form, "headingSample")->palette().color(QPalette::WindowText),
            QColor(0x30, 0x20, 0x10));
  form.reject();
}

TEST(FontSettingsDlgTest, ChoosingAFontStartsFromTheRowAndCountsAsAChange) {
  SettingsFolder folder;
  RecordingMessageSink sink;
  FontAndColour offered;
  CFontSettingsDlg form(nullptr, folder.settings, &sink, [&offered](const FontAndColour& start, QWidget*) {
    offered = start;
    QFont chosen(start.font.family());
    chosen.setPointSizeF(11.0);
    chosen.setUnderline(true);
    return std::optional<FontAndColour>(FontAndColour{chosen, QColor(255, 0, 0)});
  });
  form.show();
  const int dpi = form.logicalDpiY();
  Child<QPushButton>(form, "tableButton")->click();  // font 2: 10.5 pt, "ＭＳ 明朝"
  EXPECT_EQ(offered.font.family(), QStringLiteral("IPAMincho"));
  EXPECT_EQ(offered.font.pixelSize(), ChooserStartHeight(10.5, dpi));
  const QString size = Child<QLineEdit>(form, "tableSize")->text();
  EXPECT_EQ(size, QString::fromStdString(FontSizeText(PointsFromChooserHeight(-std::lround(11.0 * dpi / 72), dpi))));

  sink.answers = {false};
  form.reject();  // question 132, No: the form stays
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(sink.asked, std::vector<std::string>{"データが変更されましたが、キャンセルしてよいのですか？"});

  form.accept();
  EXPECT_FALSE(form.isVisible());
  const RoleFont& font = folder.settings.fonts[1];
  EXPECT_EQ(font.face, Sjis("ＭＳ 明朝"));  // the stand-in face keeps the file's face name
  EXPECT_EQ(font.colour, 0x0000ff);
  EXPECT_EQ(font.underline, 1);
  EXPECT_EQ(folder.FontBytes(2).substr(folder.FontBytes(2).find("\r\n")), Sjis("\r\nＭＳ 明朝\r\n255\r\n1\r\n"));
}

TEST(FontSettingsDlgTest, OkWithoutChoiceRewritesTheSixFilesAndCancelDoesNotAsk) {
  SettingsFolder folder;
  const std::string before = folder.AllFontBytes();
  RecordingMessageSink sink;
  {
    CFontSettingsDlg form(nullptr, folder.settings, &sink, [](const FontAndColour&, QWidget*) { return std::nullopt; });
    form.show();
    Child<QPushButton>(form, "pageButton")->click();  // the chooser is cancelled: no change
    form.reject();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(sink.asked.empty());
  }
  for (int n = 1; n <= kRoleFontCount; ++n) std::filesystem::remove(FontFileHostPath(folder.settings, n));
  CFontSettingsDlg form(nullptr, folder.settings, &sink);
  form.show();
  form.accept();
  EXPECT_EQ(folder.AllFontBytes(), before);
}

TEST(FontSettingsDlgTest, ChooserAnswersBecomeFileValues) {
  RoleFont original{9.0, Sjis("ＭＳ ゴシック"), 0, 0};
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(15);
  const auto chosen = ChosenFontOf({font, QColor(0x12, 0x34, 0x56)}, original, 96);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->face, "DejaVu Sans");
  EXPECT_EQ(chosen->height, -15);
  EXPECT_EQ(chosen->colour, 0x563412);

  font.setFamily(QStringLiteral("IPAGothic"));
  EXPECT_EQ(ChosenFontOf({font, Qt::black}, original, 96)->face, Sjis("ＭＳ ゴシック"));
  font.setFamily(QStringLiteral("Font\u20ac"));  // no CP932 code for the euro sign
  EXPECT_EQ(ChosenFontOf({font, Qt::black}, original, 96), std::nullopt);
  font.setFamily(QString(40, QChar(0x3042)));  // 80 bytes: longer than a font file line keeps
  EXPECT_EQ(ChosenFontOf({font, Qt::black}, original, 96), std::nullopt);
}

}  // namespace
}  // namespace vek
