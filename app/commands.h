#pragma once
// The command table: every menu item and toolbar button, its identifier, texts and shortcut.
// The main frame builds its menus and toolbar from these tables; the identifiers are also the
// numbers of the status-bar strings.
#include <span>
#include <string_view>

#include "core/messages.h"

namespace vek {

enum CommandId : int {
  kCmdNone = 0,
  // File menu.
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSave = 57603,
  kCmdFileSaveAs = 57604,
  kCmdFilePrintSetup = 57606,
  kCmdFilePrint = 57607,
  kCmdFilePrintPreview = 57609,
  kCmdFileMru1 = 57616,  // recent files: kCmdFileMru1 ... kCmdFileMru1 + 3
  kCmdFileExportCsv = 32810,
  kCmdFileReportPrint = 32812,
  kCmdAppAbout = 57664,
  kCmdAppExit = 57665,
  // CAL menu.
  kCmdCalHeader = 32771,
  kCmdCalData = 32772,
  kCmdCalPage = 32788,
  // VEK menu.
  kCmdTestHeader = 32773,
  kCmdTestData = 32774,
  kCmdTestAnalysis = 32775,
  kCmdTestPage = 32789,
  kCmdTestDataCheck = 32811,
  // View menu.
  kCmdViewToolBar = 59392,
  kCmdViewStatusBar = 59393,
  kCmdViewDataNumber = 32784,
  // Settings menu.
  kCmdSetFormat = 32776,
  kCmdSetLines = 32777,
  kCmdSetFont = 32778,
  kCmdSetEngineers = 32782,
  kCmdSetSetup = 32783,
  kCmdSetKey = 32790,
  kCmdSetSoils = 32797,
  // Help menu.
  kCmdHelpForm = 32791,
  // Page navigation (toolbar).
  kCmdPrevPage = 32786,
  kCmdNextPage = 32787,
  kCmdGraphPage = 32795,
  kCmdTablePage = 32796,
};

constexpr int kRecentFileCount = 4;

// What happens to the current sheet before a form command runs.
enum class SheetBefore { Keep, Calibration, Test };

struct CommandInfo {
  int id;
  const char* menuText;    // UTF-8, with "&" mnemonic and "\t" shortcut text where the menu shows one
  const char* shortcut;    // QKeySequence portable text ("Ctrl+N") or nullptr
  const char* statusText;  // status-bar text; for toolbar commands "status\ntooltip"
  SheetBefore sheet;       // sheet set before a form command
  bool isForm;             // opens a form that later builds provide (disabled until one is registered)
};

struct MenuInfo {
  const char* title;
  std::span<const int> items;  // command ids; kCmdNone is a separator, kCmdFileMru1 the recent-file block
};

// Every command, in menu order.
std::span<const CommandInfo> CommandTable();
// The menus of the menu bar, left to right.
std::span<const MenuInfo> MenuTable();
// The toolbar buttons in order; kCmdNone is a gap.
std::span<const int> ToolBarTable();

// The entry of a command, or nullptr.
const CommandInfo* FindCommand(int id);

// The two halves of a "status\ntooltip" string: the status-bar text and the tooltip.
// A text without "\n" is its own tooltip.
struct StatusParts {
  std::string_view status;
  std::string_view tip;
};
StatusParts SplitStatusText(std::string_view text);

// Idle text of the status bar's message pane.
inline constexpr const char* kIdleStatusText =
    "↑↓またはPageUp(RollUp), PageDown(RollDown) ｷｰで改ページ";

// Title of the main window.
inline constexpr const char* kMainWindowTitle = kProgramTitle;

}  // namespace vek
