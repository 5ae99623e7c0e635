#include "qt/japanese_translations.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace vek {

namespace {

constexpr const char* kLocaleVariable = "LC_ALL";
constexpr const char* kJapaneseLocale = "ja_JP.UTF-8";

QLocale Japanese() { return QLocale(QLocale::Japanese, QLocale::Japan); }

}  // namespace

bool InstallJapaneseQtTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(Japanese(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return app.installTranslator(translator);
}

JapaneseQtLocale::JapaneseQtLocale() {
  if (qEnvironmentVariableIsSet(kLocaleVariable)) saved_ = qgetenv(kLocaleVariable).toStdString();
  qputenv(kLocaleVariable, kJapaneseLocale);
}

JapaneseQtLocale::~JapaneseQtLocale() { Finish(); }

void JapaneseQtLocale::Finish() {
  if (finished_) return;
  finished_ = true;
  (void)QLocale::system();  // Qt reads the environment now, once
  if (saved_)
    qputenv(kLocaleVariable, QByteArray::fromStdString(*saved_));
  else
    qunsetenv(kLocaleVariable);
  // The application object set the C library's locale from the changed environment (a Japanese
  // locale the system may not even have): set it from the user's own again.
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(Japanese());
}

}  // namespace vek
