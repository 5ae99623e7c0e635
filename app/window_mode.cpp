#include "app/window_mode.h"

#include <QApplication>
#include <clocale>

#include "app/display_check.h"
#include "app/form_commands.h"
#include "app/main_frame.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/settings_install.h"
#include "qt/file_dialogs.h"
#include "qt/japanese_translations.h"

namespace vek {

void NameApplication() {
  QApplication::setOrganizationName(QStringLiteral("Vek"));
  QApplication::setApplicationName(QStringLiteral("Vek"));
}

void PrepareWindowApplication(QApplication& app) {
  // QApplication takes the number format from the environment; the records need the "C" one.
  std::setlocale(LC_NUMERIC, "C");
  // Qt's dialogs speak Japanese as the rest of the program; without the translation, Qt's English.
  InstallJapaneseQtTranslations(app);
  // A fresh machine gets its program folder with the factory settings, as an installation would.
  InstallSettingsOnFirstStart();
}

int RunWindow(int& argc, char** argv, const CommandLineOptions& options) {
  NameApplication();
  RequireDisplayOrExit();
  JapaneseQtLocale japanese;
  QApplication app(argc, argv);
  japanese.Finish();
  ReleaseDisplayGuard();
  PrepareWindowApplication(app);

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
  frame.show();
  return true;
}

}  // namespace vek
