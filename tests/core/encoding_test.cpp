// One table of CP932 test vectors for every platform's converter: the Linux build (glibc iconv)
// and the Windows build (code page 932 of the Win32 calls) must give exactly these bytes.
#include "core/encoding.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

struct Vector {
  const char* utf8;
  std::string_view cp932;
};

// Characters that convert both ways unchanged.
const Vector kBothWays[] = {
    {"０１９", "\x82\x4F\x82\x50\x82\x58"},          // full-width digits
    {"ＡＺａｚ", "\x82\x60\x82\x79\x82\x81\x82\x9A"},  // full-width letters
    {"㎡№Ⅰ①㍉㈱", "\x87\x75\x87\x82\x87\x54\x87\x40\x87\x5F\x87\x8A"},  // NEC special characters
    {"ⅰ纊￤", "\xFA\x40\xFA\x5C\xFA\x55"},            // IBM extensions
    {"～－∥￢―￠￡＼", "\x81\x60\x81\x7C\x81\x61\x81\xCA\x81\x5C\x81\x91\x81\x92\x81\x5F"},
    {"ｱｲｳﾞ｡ﾟ", "\xB1\xB2\xB3\xDE\xA1\xDF"},          // half-width katakana
    {"表ソ能", "\x95\x5C\x83\x5C\x94\x5C"},           // second byte 0x5C, the backslash
    {"孔内水平載荷試験", "\x8D\x45\x93\xE0\x90\x85\x95\xBD\x8D\xDA\x89\xD7\x8E\x8E\x8C\xB1"},
    {"∵≒≠∩", "\x81\xE6\x81\xE0\x81\x82\x81\xBF"},
    {"\uE000\uE757", "\xF0\x40\xF9\xFC"},              // user-defined area
    {"a,b\\~\r\n", "a,b\\~\r\n"},
};

// Other Shift_JIS tables give these characters for the byte pairs; they are stored as those pairs
// and read back as the CP932 characters of the table above.
const Vector kJisVariantsStored[] = {
    {"〜", "\x81\x60"}, {"‖", "\x81\x61"}, {"−", "\x81\x7C"}, {"¬", "\x81\xCA"},
    {"¢", "\x81\x91"},  {"£", "\x81\x92"}, {"—", "\x81\x5C"},
};

// Duplicate codes (NEC-selected IBM extensions, NEC row 13) read as the character of the table;
// written again, the character takes its preferred code.
const Vector kDuplicatesRead[] = {
    {"纊", "\xED\x40"}, {"ⅰ", "\xEE\xEF"}, {"￢", "\xEE\xF9"}, {"￢", "\xFA\x54"},
    {"Ⅰ", "\xFA\x4A"},  {"∵", "\x87\x9A"}, {"≒", "\x87\x90"},
};

TEST(Cp932Vectors, ConvertBothWaysToTheSameBytes) {
  for (const Vector& v : kBothWays) {
    EXPECT_EQ(TryUtf8ToCp932(v.utf8), std::string(v.cp932)) << v.utf8;
    EXPECT_EQ(Cp932ToUtf8(v.cp932), v.utf8) << v.utf8;
  }
  for (const Vector& v : kJisVariantsStored) EXPECT_EQ(TryUtf8ToCp932(v.utf8), std::string(v.cp932)) << v.utf8;
  for (const Vector& v : kDuplicatesRead) EXPECT_EQ(Cp932ToUtf8(v.cp932), v.utf8) << v.utf8;
  // Read back, a JIS variant is the CP932 character.
  EXPECT_EQ(Cp932ToUtf8(*TryUtf8ToCp932("〜−")), "～－");
}

TEST(Cp932Vectors, CharactersWithoutAPlaceAreRefusedNeverApproximated) {
  // Not in CP932, folded onto ASCII by some converters ("¥" onto the path separator), or best-fit
  // candidates on Windows.
  for (const char* text : {"€", "é", "¥", "‾", "©", "·", "¦", "𠮟", "ａ€", "한", "\u0080", "\uF8F0", "\uF8F3"})
    EXPECT_FALSE(TryUtf8ToCp932(text).has_value()) << text;
  EXPECT_FALSE(TryUtf8ToCp932("\xC3").has_value());          // cut UTF-8
  EXPECT_FALSE(TryUtf8ToCp932("\xED\xA0\x80").has_value());  // an encoded surrogate
  // Literal texts keep what they can and mark the rest.
  EXPECT_EQ(Sjis("Ａ€Ｂ"), "\x82\x60?\x82\x61");
}

TEST(Cp932Vectors, BytesThatAreNoCharacterReadAsReplacementOneByteAtATime) {
  const std::string r = "\uFFFD";
  EXPECT_EQ(Cp932ToUtf8("\x80"), r);
  EXPECT_EQ(Cp932ToUtf8("a\xA0" "b"), "a" + r + "b");
  EXPECT_EQ(Cp932ToUtf8("\xFD\xFE\xFF"), r + r + r);
  EXPECT_EQ(Cp932ToUtf8("\x81\x20" "x"), r + " x");      // a lead byte without its trail byte
  EXPECT_EQ(Cp932ToUtf8("\x85\x40"), r + "@");           // an unassigned code
  EXPECT_EQ(Cp932ToUtf8("\x82\x60\x82"), "Ａ" + r);      // cut at the end
  EXPECT_EQ(Cp932ToUtf8("\xA0\x82\x60"), r + "Ａ");      // the character after a bad byte survives
}

}  // namespace
}  // namespace vek
