#include "app/form_commands.h"

#include <QStatusBar>
#include <utility>

#include "app/commands.h"
#include "app/main_frame.h"
#include "app/vek_doc.h"
#include "app/vek_view.h"
#include "render/view_state.h"
#include "core/record_store.h"
#include "forms/analysis_dialog.h"
#include "forms/cal_data_dialog.h"
#include "forms/cal_header_dialog.h"
#include "forms/master_list_dialog.h"
#include "forms/vek_data_dialog.h"
#include "forms/vek_header_dialog.h"
#include "io/help_file.h"
#include "io/record_commands.h"
#include "settings/font_settings_dialog.h"
#include "settings/format_dialog.h"
#include "settings/help_dialog.h"
#include "settings/key_option_dialog.h"
#include "settings/lines_dialog.h"
#include "settings/setup_dialog.h"
#include "settings/sheet_page_dialog.h"

namespace vek {

namespace {

// Every dialog is built the same way: its parent, what it works on, the document's message sink;
// Run() executes it and its after-step.
template <typename Dialog, typename... Args>
FormOutcome RunDialog(QWidget* parent, Args&&... args) {
  Dialog dialog(parent, std::forward<Args>(args)...);
  return dialog.Run();
}

// The measurement grids edit the document's record with the run's auto-increment memory.
template <typename Dialog>
FormOutcome GridData(CMainFrame& f, QWidget* p) {
  CVekDoc& doc = f.Document();
  return RunDialog<Dialog>(p, doc.Store(), doc.Settings(), doc.AutoIncrements(), &doc.Sink());
}

// The test header and data forms reduce the test on an OK that changed it; the stored analysis
// then follows the new reduction, and the status bar says what became of it.
FormOutcome RefreshAnalysisAfter(CMainFrame& frame, FormOutcome outcome) {
  if (!outcome.changed) return outcome;
  CVekDoc& doc = frame.Document();
  const std::string note = AnalysisRefreshNote(RefreshTestAnalysis(doc.Store(), doc.Settings()));
  if (!note.empty()) frame.statusBar()->showMessage(QString::fromStdString(note));
  return outcome;
}

FormOutcome CalHeader(CMainFrame& f, QWidget* p) {
  CVekDoc& doc = f.Document();
  return RunDialog<CCalHeaderDlg>(p, doc.Store(), doc.Settings(), &doc.Sink());
}

// The test header and data forms reduce the test on an OK that changed it; the stored analysis
// then follows the new reduction, and the status bar says what became of it.
FormOutcome TestHeader(CMainFrame& f, QWidget* p) {
  CVekDoc& doc = f.Document();
  return RefreshAnalysisAfter(f, RunDialog<CTestHeaderDlg>(p, doc.Store(), doc.Settings(), f.Chooser(), &doc.Sink()));
}

FormOutcome TestData(CMainFrame& f, QWidget* p) { return RefreshAnalysisAfter(f, GridData<CTestDataDlg>(f, p)); }

FormOutcome TestAnalysis(CMainFrame& f, QWidget* p) {
  CVekDoc& doc = f.Document();
  return RunDialog<CAnalysisDlg>(p, doc.Store(), doc.Settings(), &doc.Sink());
}

FormOutcome SheetPage(CMainFrame& f, QWidget* p, int sheet) {
  CVekDoc& doc = f.Document();
  const ViewState& view = f.View().State();
  Record& record = sheet == kCalibrationSheet ? doc.Store().calibration : doc.Store().test;
  SheetPageLogic form(record, sheet, PaperSizeMm{view.paperWidthMm, view.paperHeightMm});
  return RunDialog<CSheetPageDlg>(p, form, doc.Settings().EnterKeyMode, &doc.Sink());
}

FormOutcome MasterList(CMainFrame& f, QWidget* p, MasterListKind kind) {
  CVekDoc& doc = f.Document();
  return RunDialog<CMasterFileDlg>(p, doc.Settings(), kind, &doc.Sink());
}

FormOutcome Format(CMainFrame& f, QWidget* p) {
  SheetSettings& settings = f.Document().Settings();
  const FormOutcome outcome = RunDialog<CFormatDlg>(p, settings, &f.Document().Sink());
  ReturnToPageAfterFormatForm(settings, f.View().State());
  return outcome;
}

FormOutcome Lines(CMainFrame& f, QWidget* p) {
  return RunDialog<CLinesDlg>(p, f.Document().Settings(), &f.Document().Sink());
}

FormOutcome Font(CMainFrame& f, QWidget* p) {
  return RunDialog<CFontSettingsDlg>(p, f.Document().Settings(), &f.Document().Sink());
}

FormOutcome KeyOption(CMainFrame& f, QWidget* p) {
  CVekDoc& doc = f.Document();
  KeyOptionLogic form(doc.Settings());
  return RunDialog<CKeyOptionDlg>(p, form, &doc.Sink());
}

FormOutcome Setup(CMainFrame& f, QWidget* p) {
  CVekDoc& doc = f.Document();
  SetupLogic form(doc.Settings(), doc.Store());
  return RunDialog<CSetupDlg>(p, form, doc.Settings().EnterKeyMode, &doc.Sink());
}

FormOutcome Help(CMainFrame& f, QWidget* p) {
  CVekDoc& doc = f.Document();
  return RunDialog<CHelpDlg>(p, HelpFileHostPath(doc.Settings()), &doc.Sink());
}

using R = FormRecord;

const FormCommand kFormCommands[] = {
    {kCmdCalHeader, R::Calibration, CalHeader},
    {kCmdCalData, R::Calibration, GridData<CCalDataDlg>},
    {kCmdCalPage, R::Calibration, [](CMainFrame& f, QWidget* p) { return SheetPage(f, p, kCalibrationSheet); }},
    {kCmdTestHeader, R::Test, TestHeader},
    {kCmdTestData, R::Test, TestData},
    {kCmdTestAnalysis, R::Test, TestAnalysis},
    {kCmdTestPage, R::Test, [](CMainFrame& f, QWidget* p) { return SheetPage(f, p, kTestSheet); }},
    {kCmdSetFormat, R::Settings, Format},
    {kCmdSetLines, R::Settings, Lines},
    {kCmdSetFont, R::Settings, Font},
    {kCmdSetKey, R::Settings, KeyOption},
    {kCmdSetSetup, R::Settings, Setup},
    {kCmdSetEngineers, R::None, [](CMainFrame& f, QWidget* p) { return MasterList(f, p, MasterListKind::Engineers); }},
    {kCmdSetSoils, R::None, [](CMainFrame& f, QWidget* p) { return MasterList(f, p, MasterListKind::SoilNames); }},
    {kCmdHelpForm, R::None, Help},
};

}  // namespace

std::span<const FormCommand> FormCommandTable() { return kFormCommands; }

void RegisterFormCommands(CMainFrame& frame) {
  for (const FormCommand& command : kFormCommands) {
    frame.RegisterFormCommand(command.id, [&frame, command](QWidget* parent) {
      FormOutcome outcome = command.run(frame, parent);
      // Only the record forms can change a record.
      if (command.record == FormRecord::Settings || command.record == FormRecord::None) outcome.changed = false;
      return outcome;
    });
  }
}

void ReturnToPageAfterFormatForm(const SheetSettings& settings, ViewState& view) {
  if (settings.FormulaPosition != kFormulaOwnPage) view.currentPage = 1;
}

}  // namespace vek
