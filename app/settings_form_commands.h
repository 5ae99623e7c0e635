#pragma once
// The handlers of the page forms and of the key, setup and help forms. Each opens its form on the
// frame's records and settings and returns true when a record changed (the document is then
// marked modified); the frame redraws the view afterwards.

class QWidget;

namespace vek {

class CMainFrame;

// "ページ" of the CAL menu (sheet 0) or of the VEK menu (sheet 1): the footer fields of that record.
bool RunSheetPageCommand(CMainFrame& frame, QWidget* parent, int sheet);
// "キーの動作": EnterKeyMode, saved to Sys.ndx on OK.
bool RunKeyOptionCommand(CMainFrame& frame, QWidget* parent);
// "セットアップ": the program folder; OK writes the location file and reloads the settings.
bool RunSetupCommand(CMainFrame& frame, QWidget* parent);
// "操作＆ヘルプ" (F1): Help.txt of the program folder.
bool RunHelpCommand(CMainFrame& frame, QWidget* parent);

}  // namespace vek
