#include "settings/format_dialog.h"

#include <QComboBox>
#include <QLineEdit>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"
#include "settings/radio_choice.h"
#include "settings/settings_entry_limits.h"

namespace vek {

CFormatDlg::CFormatDlg(QWidget* parent, SheetSettings& settings, MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink), settings_(settings), form_(settings) {
  ui.setupUi(this);
  combos_ = {ui.SystemSurveyNameLabel, ui.SystemNoLabel, ui.SystemEngineerLabel, ui.SystemGraphTitle,
             ui.SystemTableTitle, ui.SystemFormulaTitle, ui.ModulusHeading, ui.ModulusSymbol, nullptr};
  digits_ = {ui.DigitsPoPyPl, ui.DigitsK, ui.DigitsE, ui.DigitsRm, ui.DigitsPressure,
             ui.DigitsReading, ui.DigitsH, ui.DigitsPe, ui.DigitsR, ui.DigitsDr};
  for (int i = 0; i < kFormatTextCount; ++i) {
    QComboBox* combo = combos_[i];
    if (!combo) continue;
    for (const char* preset : FormatPresets(static_cast<FormatText>(i))) combo->addItem(QString::fromUtf8(preset));
    LimitToCp932(combo, kSettingsTextBytes, TextSlot::HeaderText);
  }
  LimitToCp932(ui.SystemCompanyName, kSettingsTextBytes, TextSlot::HeaderText);
  for (QLineEdit* edit : digits_) LimitToCp932(edit, kSettingsNumberBytes);

  connect(ui.unitCm, &QRadioButton::toggled, this, [this](bool on) { OnUnitToggled(0, on); });
  connect(ui.unitM, &QRadioButton::toggled, this, [this](bool on) { OnUnitToggled(1, on); });
  connect(ui.standardButton, &QPushButton::clicked, this, &CFormatDlg::OnStandard);
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ShowForm();
}

void CFormatDlg::ShowForm() {
  showing_ = true;
  for (int i = 0; i < kFormatTextCount; ++i) {
    const QString text = FromCp932(form_.Text(static_cast<FormatText>(i)));
    if (combos_[i]) {
      combos_[i]->setEditText(text);
    } else {
      ui.SystemCompanyName->setText(text);
    }
  }
  for (int i = 0; i < kFormatDigitsCount; ++i) digits_[i]->setText(FromCp932(form_.Digits(static_cast<FormatDigits>(i))));
  ui.RotateAxisNames->setChecked(form_.rotateAxisNames);
  ui.HidePointLetters->setChecked(form_.hidePointLetters);
  CheckRadioAt({ui.formulaHidden, ui.formulaInGraph, ui.formulaOwnPage}, form_.formulaPosition);
  (form_.LengthUnit() == 1 ? ui.unitM : ui.unitCm)->setChecked(true);
  showing_ = false;
}

void CFormatDlg::ReadForm() {
  for (int i = 0; i < kFormatTextCount; ++i) {
    const QString text = combos_[i] ? combos_[i]->currentText() : ui.SystemCompanyName->text();
    form_.Text(static_cast<FormatText>(i)) = ToCp932Accepted(text);
  }
  for (int i = 0; i < kFormatDigitsCount; ++i) form_.Digits(static_cast<FormatDigits>(i)) = ToCp932Accepted(digits_[i]->text());
  form_.rotateAxisNames = ui.RotateAxisNames->isChecked();
  form_.hidePointLetters = ui.HidePointLetters->isChecked();
  form_.formulaPosition =
      CheckedRadioIndex({ui.formulaHidden, ui.formulaInGraph, ui.formulaOwnPage}, form_.formulaPosition);
}

void CFormatDlg::OnUnitToggled(int unit, bool checked) {
  if (showing_ || !checked) return;
  ReadForm();
  form_.ChooseLengthUnit(unit, Sink());
  ShowForm();
}

void CFormatDlg::OnStandard() {
  ReadForm();
  form_.SetStandardValues();
  ShowForm();
}

bool CFormatDlg::CommitForm() {
  ReadForm();
  if (const std::optional<FormatDigits> refused = form_.Commit(settings_, Sink())) {
    FocusField(digits_[static_cast<int>(*refused)]);
    return false;
  }
  return true;
}

}  // namespace vek
