#pragma once
// Whether the window can reach a display, asked before Qt is started: without one Qt would abort
// the process with a core dump instead of telling the user what to do.
#include <string>

namespace vek {

// What the environment names: the Qt platform (QT_QPA_PLATFORM), an X display (DISPLAY) and a
// Wayland display (WAYLAND_DISPLAY); nullptr or "" for an unset variable. A platform that is not a
// window system (offscreen, minimal, vnc, ...) needs no display.
bool DisplayNamed(const char* platform, const char* x11Display, const char* waylandDisplay);

// The text `vek FILE` prints when there is no display.
std::string NoDisplayText();

// Starts the window's QApplication only if a display can be reached; otherwise prints
// NoDisplayText() and ends the process with status 1 (also when Qt itself finds the named display
// unreachable). Call right before constructing the QApplication.
void RequireDisplayOrExit();

// After the QApplication exists: Qt's later fatal messages take their usual course again.
void ReleaseDisplayGuard();

}  // namespace vek
