#include "core/messages.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace vek {

namespace {

struct MessageEntry {
  int id;
  const char* text;
};

#define VEK_MESSAGE_ENTRY(name, id, text) {id, text},
constexpr MessageEntry kMessages[] = {VEK_MESSAGES(VEK_MESSAGE_ENTRY)};
#undef VEK_MESSAGE_ENTRY

#define VEK_MESSAGE_NUMBER(name, id, text) id,
constexpr int kMessageIds[] = {VEK_MESSAGES(VEK_MESSAGE_NUMBER)};
#undef VEK_MESSAGE_NUMBER

}  // namespace

std::string_view MessageText(int id) {
  for (const auto& m : kMessages) {
    if (m.id == id) return m.text;
  }
  return {};
}

std::span<const int> MessageIds() { return kMessageIds; }

std::string FormatMessage(std::string_view text, std::string_view arg1, std::string_view arg2) {
  std::string out;
  out.reserve(text.size() + arg1.size() + arg2.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? arg1 : arg2;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string NumberedMessage(int id, std::string_view arg1, std::string_view arg2) {
  return FormatMessage(MessageText(id), arg1, arg2);
}

void StderrMessageSink::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "vek: %s\n", text.c_str());
}

bool StderrMessageSink::AskYesNo(const std::string& text) {
  std::fprintf(stderr, "vek: %s [%s]\n", text.c_str(), answer_ ? "はい" : "いいえ");
  return answer_;
}

std::string WithSystemReason(std::string text, int error) {
  if (error != 0) text += "\n(" + std::string(std::strerror(error)) + ")";
  return text;
}

}  // namespace vek
