#pragma once
// What the Enter key does in a data-entry form, by the EnterKeyMode setting: 0 (or below) leaves it
// to the form (the default button, OK), 1 moves the focus on as Tab does, 2 (or above) swallows it.

namespace vek {

enum class EnterKeyAction {
  PassOn,     // not consumed: the form's normal handling (default button) applies
  FocusNext,  // consumed: the focus moves to the next control in tab order
  Swallow,    // consumed: nothing happens
};

// The facts of a key message the rule looks at.
struct EnterKeyEvent {
  bool keyDown = true;
  bool isEnter = true;       // Return or keypad Enter
  bool composing = false;    // an input method is composing text: its Enter commits the text
  bool popupOpen = false;    // an open combo-box list: its Enter picks the item
};

EnterKeyAction ApplyEnterKeyRule(int enterKeyMode, const EnterKeyEvent& key);

}  // namespace vek
