#pragma once
// Binds the widgets of a header form to its logic: edits and editable combos to header fields (with
// the CP932 entry validator and the field's byte limit), the curve-type radios. Both header forms
// use it, so their widgets show and give back the fields the same way.
#include <string>
#include <vector>

#include "forms/logic/header_form.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace vek {

class HeaderFieldBinding {
 public:
  void AddEdit(QLineEdit* edit, int field, int maxBytes = kHeaderTextBytes);
  // An editable combo offering `entries` (CP932) before its text.
  void AddCombo(QComboBox* combo, int field, const std::vector<std::string>& entries);
  void SetRadios(QRadioButton* line, QRadioButton* regression);

  // Widgets from the logic, and back.
  void Show(const HeaderFormLogic& logic) const;
  void Take(HeaderFormLogic& logic) const;
  // One edit's text into the logic, and the logic's text of its field back into the edit.
  static void TakeEdit(HeaderFormLogic& logic, QLineEdit* edit, int field);
  static void ShowEdit(const HeaderFormLogic& logic, QLineEdit* edit, int field);

 private:
  std::vector<std::pair<QLineEdit*, int>> edits_;
  std::vector<std::pair<QComboBox*, int>> combos_;
  QRadioButton* line_ = nullptr;
  QRadioButton* regression_ = nullptr;
};

}  // namespace vek
