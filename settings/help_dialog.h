#pragma once
// The help form: Help.txt of the program folder, listed in a fixed-pitch font, and "開いて印刷",
// which hands the file to the desktop's text editor.
#include <filesystem>
#include <vector>

#include "dialog/form_dialog.h"
#include "settings/logic/help_logic.h"
#include "ui_help_dialog.h"

namespace vek {

// The ways tried to open the help file: the desktop's handler for text files, then a text editor
// found on the PATH.
std::vector<HelpOpener> DesktopHelpOpeners();

class CHelpDlg : public FormDialog {
  Q_OBJECT
 public:
  // Lists `helpFile` at once (message 4012 when it is missing).
  CHelpDlg(QWidget* parent, const std::filesystem::path& helpFile, MessageSink* sink = nullptr,
           std::vector<HelpOpener> openers = DesktopHelpOpeners());

  Ui::CHelpDlg ui;

 private:
  std::filesystem::path helpFile_;
  std::vector<HelpOpener> openers_;
};

}  // namespace vek
