#include "forms/header_field_binding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"

namespace vek {

void HeaderFieldBinding::AddEdit(QLineEdit* edit, int field, int maxBytes) {
  LimitToCp932(edit, maxBytes, TextSlot::HeaderText);
  edits_.emplace_back(edit, field);
}

void HeaderFieldBinding::AddCombo(QComboBox* combo, int field, const std::vector<std::string>& entries) {
  combo->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& entry : entries) combo->addItem(FromCp932(entry));
  LimitToCp932(combo, kHeaderTextBytes, TextSlot::HeaderText);
  combos_.emplace_back(combo, field);
}

QLineEdit* HeaderFieldBinding::RefusedNumberEdit(std::span<const NumberField> fields, MessageSink& sink) const {
  auto edit = [this](int field) -> QLineEdit* {
    for (auto [e, f] : edits_)
      if (f == field) return e;
    return nullptr;
  };
  const auto textOf = [&](int field) {
    QLineEdit* e = edit(field);
    return e ? ToCp932Accepted(e->text()) : std::string();
  };
  const std::optional<NumberField> refused = FirstRefusedNumberField(fields, textOf);
  if (!refused) return nullptr;
  sink.ShowMessage(NumberFieldRefusal(*refused, textOf(refused->field)));
  return edit(refused->field);
}

std::vector<ShownField> HeaderFieldBinding::ShownTexts() const {
  std::vector<ShownField> shown;
  shown.reserve(edits_.size() + combos_.size());
  for (auto [edit, field] : edits_) shown.push_back({field, ToCp932Accepted(edit->text())});
  for (auto [combo, field] : combos_) shown.push_back({field, ToCp932Accepted(combo->currentText())});
  return shown;
}

QWidget* HeaderFieldBinding::WidgetOf(int field) const {
  for (auto [edit, f] : edits_)
    if (f == field) return edit;
  for (auto [combo, f] : combos_)
    if (f == field) return combo;
  return nullptr;
}

void HeaderFieldBinding::OnTextChanged(QObject* context, std::function<void()> changed) const {
  for (auto [edit, field] : edits_) QObject::connect(edit, &QLineEdit::textChanged, context, changed);
  for (auto [combo, field] : combos_) QObject::connect(combo, &QComboBox::editTextChanged, context, changed);
}

void HeaderFieldBinding::SetRadios(QRadioButton* line, QRadioButton* regression) {
  line_ = line;
  regression_ = regression;
}

void HeaderFieldBinding::Show(const HeaderLogic& logic) const {
  for (auto [edit, field] : edits_) ShowEdit(logic, edit, field);
  for (auto [combo, field] : combos_) combo->setEditText(FromCp932(logic.Field(field)));
  if (line_ && regression_) {
    // A value outside 0 and 1 selects neither, as the stored number names no method.
    line_->setChecked(logic.CurveType() == 0);
    regression_->setChecked(logic.CurveType() == 1);
  }
}

void HeaderFieldBinding::Take(HeaderLogic& logic) const {
  for (auto [edit, field] : edits_) TakeEdit(logic, edit, field);
  for (auto [combo, field] : combos_) logic.SetField(field, ToCp932Accepted(combo->currentText()));
  if (line_ && regression_) {
    logic.SetCurveType(line_->isChecked() ? 0 : regression_->isChecked() ? 1 : -1);
  }
}

bool HeaderFieldBinding::Differs(const HeaderLogic& logic) const {
  for (auto [edit, field] : edits_)
    if (ToCp932Accepted(edit->text()) != logic.Field(field)) return true;
  for (auto [combo, field] : combos_)
    if (ToCp932Accepted(combo->currentText()) != logic.Field(field)) return true;
  if (line_ && regression_) {
    const int shown = line_->isChecked() ? 0 : regression_->isChecked() ? 1 : -1;
    const int stored = logic.CurveType() == 0 || logic.CurveType() == 1 ? logic.CurveType() : -1;
    if (shown != stored) return true;
  }
  return false;
}

void HeaderFieldBinding::TakeEdit(HeaderLogic& logic, QLineEdit* edit, int field) {
  logic.SetField(field, ToCp932Accepted(edit->text()));
}

void HeaderFieldBinding::ShowEdit(const HeaderLogic& logic, QLineEdit* edit, int field) {
  edit->setText(FromCp932(logic.Field(field)));
  edit->setCursorPosition(0);
}

void NameCaptionEdits(QLineEdit* surveyNameCaption, QLineEdit* noCaption) {
  surveyNameCaption->setAccessibleName(QStringLiteral("調査名の見出し"));
  noCaption->setAccessibleName(QStringLiteral("Ｎｏ．の見出し"));
}

}  // namespace vek
