#pragma once
// Progress of a command-line run: one line on standard error ("vek: 120/500 files"), rewritten in
// place, shown only when standard error is a terminal and only once the work has run for about a
// second. Messages of the run pass through it, so a message never lands in the middle of the line.
#include <chrono>
#include <cstdio>
#include <string>

#include "core/messages.h"
#include "core/progress.h"

namespace vek {

class TerminalProgress : public Progress, public MessageSink {
 public:
  // `inner` receives the messages; `out` the progress line (standard error unless a test says
  // otherwise); `terminal`: whether `out` is a terminal (StderrIsTerminal() for standard error).
  TerminalProgress(MessageSink& inner, bool terminal, std::FILE* out = stderr,
                   std::chrono::milliseconds delay = std::chrono::milliseconds(1000));
  ~TerminalProgress() override { Finish(); }

  bool Step(size_t done, size_t total, std::string_view unit) override;
  void Finish() override { Clear(); }

  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

 private:
  void Clear();

  MessageSink& inner_;
  bool terminal_;
  std::FILE* out_;
  std::chrono::milliseconds delay_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDrawn_{};
  bool shown_ = false;
};

}  // namespace vek
