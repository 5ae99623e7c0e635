#include "settings/logic/entry_checks.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace vek {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> ParseIntegerEntry(std::string_view text) {
  text = TrimBlanks(text);
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
  }
  const std::string copy(text);
  errno = 0;
  const long value = std::strtol(copy.c_str(), nullptr, 10);
  if (errno == ERANGE || value < std::numeric_limits<int>::min() ||
      value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

bool CheckIntegerInRange(std::string_view text, int lo, int hi, MessageSink& sink) {
  const std::optional<int> value = ParseIntegerEntry(text);
  if (!value) {
    sink.Show(msg::EnterInteger);
    return false;
  }
  if (*value < lo || *value > hi) {
    sink.Show(msg::EnterIntegerRange, std::to_string(lo), std::to_string(hi));
    return false;
  }
  return true;
}

bool CheckCountEntry(std::string_view text, MessageSink& sink) {
  const std::optional<int> value = ParseIntegerEntry(text);
  if (value && *value >= 0) return true;
  sink.Show(msg::EnterInteger);
  return false;
}

bool CheckNumberEntry(std::string_view text, MessageSink& sink) {
  if (ParseNumberEntry(text)) return true;
  sink.Show(msg::EnterNumber);
  return false;
}

}  // namespace vek
