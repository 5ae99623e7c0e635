#pragma once
// The one place that binds every form to its menu command: each handler opens its form on the
// records of the frame's document, runs the form's after-step and says whether the record changed.

namespace vek {

class CMainFrame;

void RegisterFormCommands(CMainFrame& frame);

}  // namespace vek
