#include <gtest/gtest.h>

#include "dialog/enter_key_rule.h"

namespace vek {
namespace {

TEST(EnterKeyRuleTest, ModesBelowOneAndAboveTwoFoldOntoTheirNeighbours) {
  const EnterKeyEvent enter;
  for (int mode : {-5, -1, 0}) EXPECT_EQ(ApplyEnterKeyRule(mode, enter), EnterKeyAction::PassOn) << mode;
  EXPECT_EQ(ApplyEnterKeyRule(1, enter), EnterKeyAction::FocusNext);
  for (int mode : {2, 3, 99}) EXPECT_EQ(ApplyEnterKeyRule(mode, enter), EnterKeyAction::Swallow) << mode;
}

TEST(EnterKeyRuleTest, OtherKeysKeyUpsCompositionAndOpenListsAreLeftAlone) {
  for (int mode : {1, 2}) {
    EnterKeyEvent other;
    other.isEnter = false;
    EnterKeyEvent up;
    up.keyDown = false;
    EnterKeyEvent composing;
    composing.composing = true;
    EnterKeyEvent popup;
    popup.popupOpen = true;
    for (const EnterKeyEvent& e : {other, up, composing, popup}) {
      EXPECT_EQ(ApplyEnterKeyRule(mode, e), EnterKeyAction::PassOn) << mode;
    }
  }
}

}  // namespace
}  // namespace vek
