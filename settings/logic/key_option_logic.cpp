#include "settings/logic/key_option_logic.h"

#include <algorithm>

#include "settings/logic/settings_storage.h"

namespace vek {

KeyOptionLogic::KeyOptionLogic(SheetSettings& settings)
    : settings_(settings),
      opened_(static_cast<EnterKeyChoice>(std::clamp(settings.EnterKeyMode, 0, 2))),
      choice_(opened_) {}

bool KeyOptionLogic::Commit(MessageSink& sink) {
  if (choice_ != opened_) settings_.EnterKeyMode = static_cast<int>(choice_);
  return StoreSystemSettings(settings_, sink);
}

}  // namespace vek
