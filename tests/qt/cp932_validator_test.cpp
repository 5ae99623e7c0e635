#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"

namespace vek {
namespace {

TEST(Cp932ValidatorTest, CountsBytesNotCharacters) {
  // "測定" is four CP932 bytes; half-width katakana is one byte each.
  EXPECT_TRUE(IsAcceptableEntry(QStringLiteral("測定"), 4, TextSlot::Plain));
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("測定a"), 4, TextSlot::Plain));
  EXPECT_TRUE(IsAcceptableEntry(QStringLiteral("ｷｬﾝｾﾙ"), 5, TextSlot::Plain));
  EXPECT_TRUE(IsAcceptableEntry(QStringLiteral("any length at all"), 0, TextSlot::Plain));
}

TEST(Cp932ValidatorTest, RefusesWhatCp932OrTheDataFileCannotHold) {
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("😀"), 0, TextSlot::Plain));
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("한"), 0, TextSlot::Plain));
  EXPECT_TRUE(IsAcceptableEntry(QStringLiteral("ｱ表①"), 0, TextSlot::HeaderText));  // 0x5C trail byte
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("a$$b"), 0, TextSlot::HeaderText));
  EXPECT_TRUE(IsAcceptableEntry(QStringLiteral("a$b,c"), 0, TextSlot::HeaderText));
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("a\nb"), 0, TextSlot::HeaderText));
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("1,5"), 0, TextSlot::TableCell));
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("\"1"), 0, TextSlot::TableCell));
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("$$"), 0, TextSlot::TableCell));  // reads back as a section line
}

TEST(Cp932ValidatorTest, TypingAndPastingStopAtTheLimit) {
  QLineEdit edit;
  LimitToCp932(&edit, 6, TextSlot::TableCell);
  QTest::keyClicks(&edit, QStringLiteral("12,3.4567"));
  EXPECT_EQ(edit.text(), QStringLiteral("123.45"));
  edit.clear();
  edit.insert(QStringLiteral("日本語です"));  // 10 bytes: refused whole
  EXPECT_EQ(edit.text(), QString());
}

TEST(Cp932TextTest, RoundTripsRecordBytes) {
  const std::string bytes = "\x91\xaa\x92\xe8 \xb1 12.5";  // 測定 ｱ 12.5
  EXPECT_EQ(ToCp932(FromCp932(bytes)), bytes);
  EXPECT_FALSE(ToCp932(QStringLiteral("€")).has_value());
}

}  // namespace
}  // namespace vek
