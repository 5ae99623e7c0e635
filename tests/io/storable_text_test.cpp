// The storability rules settle most texts in one pass over their bytes; for every short text over
// the bytes that matter (and bytes that must not), the answer is the one of the rules taken one by
// one.
#include <gtest/gtest.h>

#include <string>

#include "io/data_file_lines.h"
#include "io/storable_text.h"

namespace vek {
namespace {

bool HasAny(const std::string& text, const char* bytes) { return text.find_first_of(bytes) != std::string::npos; }

TEST(StorableText, EveryShortTextIsJudgedByEachRule) {
  const std::string alphabet = std::string("\r\n,\"$$a0.-\x81\x40\xe3\x24", 14);
  std::string text;
  int checked = 0;
  for (size_t a = 0; a <= alphabet.size(); ++a)
    for (size_t b = 0; b <= alphabet.size(); ++b)
      for (size_t c = 0; c <= alphabet.size(); ++c) {
        text.clear();
        for (size_t i : {a, b, c})
          if (i < alphabet.size()) text += alphabet[i];
        const bool breaks = HasAny(text, "\r\n"), section = text.find("$$") != std::string::npos;
        EXPECT_EQ(IsStorableHeaderText(text), !breaks && !section) << text;
        EXPECT_EQ(IsStorableCellText(text), !breaks && !section && !HasAny(text, ",\"")) << text;
        ++checked;
      }
  EXPECT_GT(checked, 3000);
  EXPECT_TRUE(IsStorableCellText(std::string(kLongestStoredLine, '1')));
  EXPECT_FALSE(IsStorableCellText(std::string(kLongestStoredLine + 1, '1')));
  EXPECT_FALSE(IsStorableHeaderText(std::string(kLongestStoredLine + 1, 'a')));
}

}  // namespace
}  // namespace vek
