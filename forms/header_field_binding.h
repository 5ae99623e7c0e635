#pragma once
// Binds the widgets of a header form to its logic: edits and editable combos to header fields (with
// the CP932 entry validator and the field's byte limit), the curve-type radios. Both header forms
// use it, so their widgets show and give back the fields the same way.
#include <functional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "forms/logic/header_logic.h"
#include "forms/logic/number_fields.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QObject;
class QWidget;

namespace vek {

class HeaderFieldBinding {
 public:
  void AddEdit(QLineEdit* edit, int field, int maxBytes = kHeaderTextBytes);
  // An editable combo offering `entries` (CP932) before its text.
  void AddCombo(QComboBox* combo, int field, const std::vector<std::string>& entries);
  void SetRadios(QRadioButton* line, QRadioButton* regression);

  // Widgets from the logic, and back.
  void Show(const HeaderLogic& logic) const;
  void Take(HeaderLogic& logic) const;
  // Whether the widgets show anything other than the logic's texts: something was typed or chosen
  // that Cancel would discard.
  bool Differs(const HeaderLogic& logic) const;
  // One edit's text into the logic, and the logic's text of its field back into the edit.
  static void TakeEdit(HeaderLogic& logic, QLineEdit* edit, int field);
  static void ShowEdit(const HeaderLogic& logic, QLineEdit* edit, int field);
  // The texts the bound edits and combos show now, by field (CP932, as OK would take them).
  std::vector<ShownField> ShownTexts() const;
  // The widget bound to `field`; nullptr when none is.
  QWidget* WidgetOf(int field) const;
  // Calls `changed` whenever the text of a bound edit or combo changes, while `context` lives.
  void OnTextChanged(QObject* context, std::function<void()> changed) const;

  // OK's number check: the first bound edit of `fields` whose text is refused gets its message
  // shown and is returned (the form puts the focus there); nullptr when every text passes.
  QLineEdit* RefusedNumberEdit(std::span<const NumberField> fields, MessageSink& sink) const;

 private:
  std::vector<std::pair<QLineEdit*, int>> edits_;
  std::vector<std::pair<QComboBox*, int>> combos_;
  QRadioButton* line_ = nullptr;
  QRadioButton* regression_ = nullptr;
};

// Accessible names of the small caption edits, which have no label of their own.
void NameCaptionEdits(QLineEdit* surveyNameCaption, QLineEdit* noCaption);

// The fields both header forms show, bound alike: the dialogs' generated Ui classes give these
// controls the same names. Also names the caption edits for screen readers.
template <typename Ui>
void BindSharedHeaderFields(HeaderFieldBinding& b, Ui& ui, const HeaderLogic& logic) {
  NameCaptionEdits(ui.surveyNameCaptionEdit, ui.noCaptionEdit);
  b.AddEdit(ui.surveyNameCaptionEdit, hf::SurveyNameCaption);
  b.AddEdit(ui.surveyNameEdit, hf::SurveyName);
  b.AddEdit(ui.noCaptionEdit, hf::NoCaption);
  b.AddEdit(ui.boringNoEdit, hf::BoringNo);
  b.AddEdit(ui.initialLevelEdit, hf::StandpipeInitialLevel);
  b.AddEdit(ui.insertedLevelEdit, hf::StandpipeInsertedLevel);
  b.AddCombo(ui.eraCombo, hf::DateEra, {EraPresets().begin(), EraPresets().end()});
  b.AddEdit(ui.yearEdit, hf::DateYear);
  b.AddEdit(ui.monthEdit, hf::DateMonth);
  b.AddEdit(ui.dayEdit, hf::DateDay);
  b.AddCombo(ui.engineerCombo, hf::Engineer, logic.Engineers());
  b.AddEdit(ui.memoEdit, hf::Memo);
  b.AddEdit(ui.companyEdit, hf::CompanyName);
  b.AddEdit(ui.tableTitleEdit, hf::TableTitle);
  b.AddEdit(ui.graphTitleEdit, hf::GraphTitle);
  b.SetRadios(ui.lineRadio, ui.regressionRadio);
}

}  // namespace vek
