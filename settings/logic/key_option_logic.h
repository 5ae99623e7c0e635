#pragma once
// The key behaviour form: what Enter does in the data-entry forms (EnterKeyMode), saved to Sys.ndx.
#include "core/messages.h"
#include "core/sheet_settings.h"

namespace vek {

// The form's radio buttons, in their order: "Windows標準", "次に移動", "確定のみ".
enum class EnterKeyChoice { PlatformDefault = 0, NextField = 1, ConfirmOnly = 2 };

class KeyOptionLogic {
 public:
  // Opens on the current setting; a stored value outside 0-2 shows as the choice it acts as.
  explicit KeyOptionLogic(SheetSettings& settings);

  EnterKeyChoice Choice() const { return choice_; }
  void SetChoice(EnterKeyChoice choice) { choice_ = choice; }

  // OK: stores the choice and writes Sys.ndx. A stored value outside 0-2 is kept while its choice
  // is left as it was, so that closing the form unchanged leaves the file as it is. False when
  // Sys.ndx could not be written (the user has been told; the choice holds for this run).
  bool Commit(MessageSink& sink);

 private:
  SheetSettings& settings_;
  EnterKeyChoice opened_;
  EnterKeyChoice choice_;
};

}  // namespace vek
