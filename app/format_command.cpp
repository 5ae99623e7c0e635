#include "app/format_command.h"

#include "app/main_frame.h"
#include "app/vek_doc.h"
#include "app/vek_view.h"
#include "settings/format_dlg.h"

namespace vek {

bool RunFormatCommand(CMainFrame& frame, QWidget* parent) {
  SheetSettings& settings = frame.Document().Settings();
  CFormatDlg form(parent, settings);
  form.exec();
  ReturnToPageAfterFormatForm(settings, frame.View().State());
  return false;
}

void ReturnToPageAfterFormatForm(const SheetSettings& settings, ViewState& view) {
  if (settings.FormulaPosition != kFormulaOwnPage) view.currentPage = 1;
}

}  // namespace vek
