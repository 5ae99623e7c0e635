#pragma once
// The lines command: the lines form on the process-wide settings.
class QWidget;

namespace vek {

class CMainFrame;

// Runs the lines form; the settings it changes are stored at once, no record changes (false).
bool RunLinesCommand(CMainFrame& frame, QWidget* parent);

}  // namespace vek
