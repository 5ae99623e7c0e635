#pragma once
// Messages of a batch name the file they are about: "FILE: text". A batch reads and writes many
// files, and a bare "file not found" or "cannot save" would leave the user guessing which.
#include <string>

#include "core/messages.h"

namespace vek {

class FileNamingSink : public MessageSink {
 public:
  FileNamingSink(MessageSink& inner, std::string file) : inner_(inner), file_(std::move(file)) {}
  void ShowMessage(const std::string& text) override { inner_.ShowMessage(file_ + ": " + text); }
  bool AskYesNo(const std::string& text) override { return inner_.AskYesNo(file_ + ": " + text); }
  bool AskBeforeLoss(const std::string& text) override { return inner_.AskBeforeLoss(file_ + ": " + text); }

 private:
  MessageSink& inner_;
  std::string file_;
};

// The text of a failed write: message 4005 with the system's reason (errno `error`; none for 0).
std::string WriteFailureText(int error);

}  // namespace vek
