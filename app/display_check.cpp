#include "app/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vek {

namespace {

bool Set(const char* value) { return value && *value; }

QtMessageHandler previousHandler = nullptr;

// Qt reports a display it cannot open as a fatal message and then aborts; say instead what to do.
void ExitOnFatalStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "vek: %s\n%s", message.toLocal8Bit().constData(), NoDisplayText().c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

bool DisplayNamed(const char* platform, const char* x11Display, const char* waylandDisplay) {
  if (Set(platform)) {
    const std::string_view p(platform);
    const bool windowSystem = p.starts_with("xcb") || p.starts_with("wayland");
    if (!windowSystem) return true;
    return p.starts_with("xcb") ? Set(x11Display) : Set(waylandDisplay);
  }
  return Set(x11Display) || Set(waylandDisplay);
}

std::string NoDisplayText() {
  return "vek: no display for the window (DISPLAY and WAYLAND_DISPLAY are not set or cannot be opened).\n"
         "     Without a display, draw the sheets with\n"
         "       vek --export-pdf OUT.pdf FILE\n"
         "       vek --export-png OUTDIR FILE\n"
         "     (vek --help lists every option).\n";
}

void RequireDisplayOrExit() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  // The desktop is always there; DISPLAY and WAYLAND_DISPLAY mean nothing on these systems.
  const bool desktop = true;
#else
  const bool desktop = false;
#endif
  if (!desktop && !DisplayNamed(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"))) {
    std::fputs(NoDisplayText().c_str(), stderr);
    std::exit(1);
  }
  previousHandler = qInstallMessageHandler(ExitOnFatalStartMessage);
}

void ReleaseDisplayGuard() { qInstallMessageHandler(previousHandler); }

}  // namespace vek
