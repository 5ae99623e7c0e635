#include "dialog/enter_key_rule.h"

namespace vek {

EnterKeyAction ApplyEnterKeyRule(int enterKeyMode, const EnterKeyEvent& key) {
  if (enterKeyMode <= 0 || !key.keyDown || !key.isEnter) return EnterKeyAction::PassOn;
  // The platform's own uses of Enter come first, as the setting's note promises.
  if (key.composing || key.popupOpen) return EnterKeyAction::PassOn;
  return enterKeyMode == 1 ? EnterKeyAction::FocusNext : EnterKeyAction::Swallow;
}

}  // namespace vek
