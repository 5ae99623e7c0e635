#pragma once
// The font command: the font form on the process-wide settings.
class QWidget;

namespace vek {

class CMainFrame;

// Runs the font form; the font files are written on OK, no record changes (false).
bool RunFontCommand(CMainFrame& frame, QWidget* parent);

}  // namespace vek
