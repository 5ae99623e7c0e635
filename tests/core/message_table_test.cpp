// The message table is the only source of message texts: every id has a text, ids are unique, and
// no source file raises an id the table does not know (it would show an empty box).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "core/messages.h"

namespace vek {
namespace {

TEST(MessageTableTest, EveryIdHasATextAndIdsAreUnique) {
  std::set<int> seen;
  for (int id : MessageIds()) {
    EXPECT_FALSE(MessageText(id).empty()) << id;
    EXPECT_TRUE(seen.insert(id).second) << "duplicate id " << id;
  }
  EXPECT_TRUE(MessageText(1).empty());
}

TEST(MessageTableTest, SourcesRaiseOnlyKnownIds) {
  // Show(123 / Ask(123 / NumberedMessage(123 with a literal number.
  const std::regex literalId(R"((?:\bShow|\bAsk|NumberedMessage)\(\s*(\d+)\s*[,)])");
  int files = 0;
  for (const char* layer : {"core", "io", "render", "qt", "forms", "settings", "app"}) {
    const std::filesystem::path dir = std::filesystem::path(VEK_SOURCE_DIR) / layer;
    if (!std::filesystem::exists(dir)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
      const auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      ++files;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      const std::string source = text.str();
      for (std::sregex_iterator it(source.begin(), source.end(), literalId), end; it != end; ++it) {
        const int id = std::stoi((*it)[1].str());
        EXPECT_FALSE(MessageText(id).empty()) << entry.path() << " raises unknown message " << id;
      }
    }
  }
  EXPECT_GT(files, 20);
}

}  // namespace
}  // namespace vek
