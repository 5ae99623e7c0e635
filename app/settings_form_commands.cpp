#include "app/settings_form_commands.h"

#include "app/main_frame.h"
#include "app/vek_doc.h"
#include "app/vek_view.h"
#include "io/help_file.h"
#include "settings/help_dlg.h"
#include "settings/key_option_dlg.h"
#include "settings/setup_dlg.h"
#include "settings/sheet_page_dlg.h"

namespace vek {

bool RunSheetPageCommand(CMainFrame& frame, QWidget* parent, int sheet) {
  CVekDoc& doc = frame.Document();
  const ViewState& view = frame.View().State();
  Record& record = sheet == kCalibrationSheet ? doc.Store().calibration : doc.Store().test;
  SheetPageForm form(record, sheet, PaperSizeMm{view.paperWidthMm, view.paperHeightMm});
  CSheetPageDlg dlg(parent, form, doc.Settings().EnterKeyMode, &doc.Sink());
  return dlg.exec() == QDialog::Accepted && dlg.RecordChanged();
}

bool RunKeyOptionCommand(CMainFrame& frame, QWidget* parent) {
  CVekDoc& doc = frame.Document();
  KeyOptionForm form(doc.Settings());
  CKeyOptionDlg dlg(parent, form, &doc.Sink());
  dlg.exec();
  return false;
}

bool RunSetupCommand(CMainFrame& frame, QWidget* parent) {
  CVekDoc& doc = frame.Document();
  SetupForm form(doc.Settings(), doc.Store());
  CSetupDlg dlg(parent, form, doc.Settings().EnterKeyMode, &doc.Sink());
  dlg.exec();
  return false;
}

bool RunHelpCommand(CMainFrame& frame, QWidget* parent) {
  CVekDoc& doc = frame.Document();
  CHelpDlg dlg(parent, HelpFileHostPath(doc.Settings()), &doc.Sink());
  dlg.exec();
  return false;
}

}  // namespace vek
