#include "forms/cal_header_dlg.h"

namespace vek {

CCalHeaderDlg::CCalHeaderDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink), logic_(store, settings) {
  ui.setupUi(this);
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ui.surveyNameCaptionEdit->setAccessibleName(QStringLiteral("調査名の見出し"));
  ui.noCaptionEdit->setAccessibleName(QStringLiteral("Ｎｏ．の見出し"));

  binding_.AddEdit(ui.surveyNameCaptionEdit, hf::SurveyNameCaption);
  binding_.AddEdit(ui.surveyNameEdit, hf::SurveyName);
  binding_.AddEdit(ui.noCaptionEdit, hf::NoCaption);
  binding_.AddEdit(ui.boringNoEdit, hf::BoringNo);
  binding_.AddEdit(ui.initialLevelEdit, hf::StandpipeInitialLevel);
  binding_.AddEdit(ui.insertedLevelEdit, hf::StandpipeInsertedLevel);
  binding_.AddCombo(ui.eraCombo, hf::DateEra, {EraPresets().begin(), EraPresets().end()});
  binding_.AddEdit(ui.yearEdit, hf::DateYear);
  binding_.AddEdit(ui.monthEdit, hf::DateMonth);
  binding_.AddEdit(ui.dayEdit, hf::DateDay);
  binding_.AddCombo(ui.engineerCombo, hf::Engineer, logic_.Engineers());
  binding_.AddEdit(ui.memoEdit, hf::Memo);
  binding_.AddEdit(ui.tableTitleEdit, hf::TableTitle);
  binding_.AddEdit(ui.graphTitleEdit, hf::GraphTitle);
  binding_.AddEdit(ui.companyEdit, hf::CompanyName);
  binding_.SetRadios(ui.lineRadio, ui.regressionRadio);
  binding_.Show(logic_);
}

bool CCalHeaderDlg::CommitForm() {
  binding_.Take(logic_);
  return true;
}

bool RunCalHeaderForm(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink& sink) {
  CCalHeaderDlg form(parent, store, settings, &sink);
  const bool accepted = form.exec() == QDialog::Accepted;
  form.Logic().Finish(accepted, sink);
  return accepted;
}

}  // namespace vek
