#pragma once
// The numbered message texts and the one interface every message box goes through.
// Texts are UTF-8 (they are shown, never stored in records).
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_table.h"

namespace vek {

// The program's name as the user sees it: the main window's title and the caption of its message
// boxes.
inline constexpr const char* kProgramTitle = "ヴェク V5";

namespace msg {
#define VEK_MESSAGE_ID(name, id, text) name = id,
enum : int { VEK_MESSAGES(VEK_MESSAGE_ID) };
#undef VEK_MESSAGE_ID
}  // namespace msg

// Text of a message, or an empty view for an unknown id.
std::string_view MessageText(int id);

// Every id of the table, in ascending order.
std::span<const int> MessageIds();

// Replaces "%1" and "%2" in a message text by the given values (UTF-8).
std::string FormatMessage(std::string_view text, std::string_view arg1 = {}, std::string_view arg2 = {});

// `text` followed by the system's reason for errno `error` on a line of its own, "\n(reason)";
// `text` alone for 0.
std::string WithSystemReason(std::string text, int error);

// Numbered message with its arguments substituted.
std::string NumberedMessage(int id, std::string_view arg1 = {}, std::string_view arg2 = {});

// Where message boxes go: a QMessageBox in the window, stderr on the command line, a recorder in
// tests. Texts are UTF-8.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // A Yes/No question whose Yes gives data up (typed changes discarded, a file replaced): a window
  // offers No as the default answer, so a stray Enter keeps the data.
  virtual bool AskBeforeLoss(const std::string& text) { return AskYesNo(text); }

  void Show(int id, std::string_view arg1 = {}, std::string_view arg2 = {}) {
    ShowMessage(NumberedMessage(id, arg1, arg2));
  }
  bool Ask(int id, std::string_view arg1 = {}, std::string_view arg2 = {}) {
    return AskYesNo(NumberedMessage(id, arg1, arg2));
  }
  bool AskBeforeLoss(int id, std::string_view arg1 = {}, std::string_view arg2 = {}) {
    return AskBeforeLoss(NumberedMessage(id, arg1, arg2));
  }
};

// Prints every message to standard error; questions are answered with a fixed answer.
class StderrMessageSink : public MessageSink {
 public:
  explicit StderrMessageSink(bool answer = false) : answer_(answer) {}
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

 private:
  bool answer_;
};

// Keeps every message shown and question asked; questions take their answers from a script
// (Yes when the script is exhausted unless told otherwise).
class RecordingMessageSink : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    asked.push_back(text);
    if (next_answer_ < answers.size()) return answers[next_answer_++];
    return default_answer;
  }

  std::vector<std::string> shown;
  std::vector<std::string> asked;
  std::vector<bool> answers;
  bool default_answer = true;

 private:
  size_t next_answer_ = 0;
};

// Discards every message; questions answer No.
class NullMessageSink : public MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

}  // namespace vek
