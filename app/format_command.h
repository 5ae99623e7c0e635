#pragma once
// The format command: the format form on the process-wide settings, then the page the view
// returns to.
class QWidget;

namespace vek {

class CMainFrame;
struct SheetSettings;
struct ViewState;

// Runs the format form; the settings it changes are stored at once, no record changes (false).
bool RunFormatCommand(CMainFrame& frame, QWidget* parent);

// After the format form, OK or Cancel: the view goes back to page 1 unless the calculation text
// has a page of its own.
void ReturnToPageAfterFormatForm(const SheetSettings& settings, ViewState& view);

}  // namespace vek
