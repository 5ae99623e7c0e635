#include "app/window_mode.h"

#include <QApplication>
#include <clocale>

#include "app/commands.h"
#include "app/form_commands.h"
#include "qt/file_dialogs.h"
#include "app/main_frame.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

int RunWindow(int& argc, char** argv, const CommandLineOptions& options) {
  QApplication::setOrganizationName(QStringLiteral("Vek"));
  QApplication::setApplicationName(QStringLiteral("Vek"));
  QApplication app(argc, argv);
  // QApplication takes the number format from the environment; the records need the "C" one.
  std::setlocale(LC_NUMERIC, "C");

  // The records and settings of the run.
  RecordStore store;
  SheetSettings settings;
  CMainFrame frame(store, settings);
  RegisterFormCommands(frame);
  if (!StartMainWindow(frame, options)) return 1;
  return app.exec();
}

bool StartMainWindow(CMainFrame& frame, const CommandLineOptions& options) {
  if (options.inputs.empty()) {
    frame.StartNewDocument();
  } else if (!frame.StartWithFile(QStringToPath(QString::fromLocal8Bit(options.inputs.front().c_str())))) {
    return false;
  }
  frame.setWindowTitle(QString::fromUtf8(kMainWindowTitle));
  frame.show();
  return true;
}

}  // namespace vek
