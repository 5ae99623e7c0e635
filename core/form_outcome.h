#pragma once
// What a form's run ends with: whether the user closed it with OK, and whether that changed the
// record the form edits. Only a real change marks the document as modified.

namespace vek {

struct FormOutcome {
  bool accepted = false;
  bool changed = false;

  bool operator==(const FormOutcome&) const = default;
};

}  // namespace vek
