#include "app/font_command.h"

#include "app/main_frame.h"
#include "app/vek_doc.h"
#include "settings/font_settings_dlg.h"

namespace vek {

bool RunFontCommand(CMainFrame& frame, QWidget* parent) {
  CFontSettingsDlg form(parent, frame.Document().Settings());
  form.exec();
  return false;
}

}  // namespace vek
