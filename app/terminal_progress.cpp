#include "app/terminal_progress.h"

namespace vek {

namespace {

// The line is redrawn at most this often: a terminal that scrolls thousands of updates a second
// slows the work it reports on.
constexpr std::chrono::milliseconds kRedrawInterval(100);

}  // namespace

TerminalProgress::TerminalProgress(MessageSink& inner, bool terminal, std::FILE* out,
                                   std::chrono::milliseconds delay)
    : inner_(inner), terminal_(terminal), out_(out), delay_(delay), start_(std::chrono::steady_clock::now()) {}

bool TerminalProgress::Step(size_t done, size_t total, std::string_view unit) {
  if (!terminal_) return true;
  const auto now = std::chrono::steady_clock::now();
  if (now - start_ < delay_) return true;
  if (shown_ && now - lastDrawn_ < kRedrawInterval && done != total) return true;
  lastDrawn_ = now;
  shown_ = true;
  // "\r" back to the start of the line, "\033[K" erases what a longer earlier line left.
  std::fprintf(out_, "\rvek: %zu/%zu %.*s\033[K", done, total, static_cast<int>(unit.size()), unit.data());
  std::fflush(out_);
  return true;
}

void TerminalProgress::Clear() {
  if (!shown_) return;
  std::fputs("\r\033[K", out_);
  std::fflush(out_);
  shown_ = false;
}

void TerminalProgress::ShowMessage(const std::string& text) {
  Clear();
  inner_.ShowMessage(text);
}

bool TerminalProgress::AskYesNo(const std::string& text) {
  Clear();
  return inner_.AskYesNo(text);
}

}  // namespace vek
