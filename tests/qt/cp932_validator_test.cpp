#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"
#include "support/form_shots.h"

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
  // A row holding "$$" reads back as a section line, in a cell as in a header field.
  EXPECT_FALSE(IsAcceptableEntry(QStringLiteral("1$$"), 0, TextSlot::TableCell));
  EXPECT_TRUE(IsAcceptableEntry(QStringLiteral("1$"), 0, TextSlot::TableCell));
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

TEST(Cp932ValidatorTest, ARefusalSaysWhy) {
  EXPECT_EQ(RefusalReason(QStringLiteral("12.5"), 6, TextSlot::TableCell), QString());
  EXPECT_TRUE(RefusalReason(QStringLiteral("吉𠮷"), 0, TextSlot::Plain).contains(QStringLiteral("𠮷")));
  EXPECT_TRUE(RefusalReason(QStringLiteral("28,9"), 0, TextSlot::TableCell).contains(u','));
  EXPECT_TRUE(RefusalReason(QStringLiteral("a$$"), 0, TextSlot::HeaderText).contains(QStringLiteral("$$")));
  EXPECT_TRUE(RefusalReason(QStringLiteral("1234567"), 6, TextSlot::TableCell).contains(u'6'));
  // A number cell takes what a number can hold while it is typed, and names what it refuses.
  EXPECT_TRUE(IsAcceptableEntry(QStringLiteral("-1.5e"), 0, TextSlot::NumberCell));
  EXPECT_TRUE(RefusalReason(QStringLiteral("2a89"), 0, TextSlot::NumberCell).contains(u'a'));
  EXPECT_TRUE(RefusalReason(QStringLiteral("28,9"), 0, TextSlot::NumberCell).contains(u','));
}

TEST(Cp932ValidatorTest, RefusedTypingAndPastingAreShownAtTheField) {
  QLineEdit edit;
  LimitToCp932(&edit, 6, TextSlot::TableCell);
  const auto* validator = qobject_cast<const Cp932Validator*>(edit.validator());
  ASSERT_NE(validator, nullptr);
  QSignalSpy spy(validator, &Cp932Validator::refused);
  edit.show();
  edit.activateWindow();
  edit.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
  QTest::keyClicks(&edit, QStringLiteral("28,9"));
  QCoreApplication::processEvents();
  EXPECT_EQ(edit.text(), QStringLiteral("289"));
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(QToolTip::text(), spy.at(0).at(0).toString());
  testing::ShootScreen("validator-comma-refused.png");
  edit.insert(QStringLiteral("😀"));  // a paste goes through the same check
  QCoreApplication::processEvents();
  EXPECT_EQ(spy.count(), 2);
  edit.setText(QStringLiteral("1,2"));  // set from code: kept, so no refusal is shown
  QCoreApplication::processEvents();
  EXPECT_EQ(spy.count(), 2);
}

TEST(Cp932TextTest, RoundTripsRecordBytes) {
  const std::string bytes = "\x91\xaa\x92\xe8 \xb1 12.5";  // 測定 ｱ 12.5
  EXPECT_EQ(ToCp932(FromCp932(bytes)), bytes);
  EXPECT_FALSE(ToCp932(QStringLiteral("€")).has_value());
}

}  // namespace
}  // namespace vek
