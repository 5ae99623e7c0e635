#pragma once
// The checks a settings form runs on OK for typed numbers, with the messages that refuse them:
// 61712 "整数を入力してください。", 61713 "数字を入力してください。" and
// 61714 "%1 から %2 までの整数を入力してください。".
#include <optional>
#include <string_view>

#include "core/messages.h"
#include "core/number_entry.h"

namespace vek {

// The whole text as a decimal integer that fits an int: blanks around it, an optional sign and at
// least one digit, nothing else. nullopt otherwise ("", "1.5", "1e2", "12a", "0x10", overflow).
std::optional<int> ParseIntegerEntry(std::string_view text);

// An integer from lo to hi: 61712 when the text is not an integer, 61714 with lo and hi when it
// lies outside. True when acceptable; otherwise the message has been shown.
bool CheckIntegerInRange(std::string_view text, int lo, int hi, MessageSink& sink);

// An integer of at least 0 (widths and lengths in pixels); 61712 otherwise.
bool CheckCountEntry(std::string_view text, MessageSink& sink);

// A number; 61713 otherwise.
bool CheckNumberEntry(std::string_view text, MessageSink& sink);

}  // namespace vek
