#pragma once
// Qt's own texts (standard buttons, file, print, page setup and preview dialogs) in Japanese, as
// everything else the user sees, and Qt's locale Japanese (dates, sizes, default paper).
#include <optional>
#include <string>

class QCoreApplication;

namespace vek {

// Installs Qt's Japanese translation (qtbase_ja from Qt's translations folder) into `app`,
// whatever the desktop's language. False, and Qt's English texts stay, when it is not installed.
bool InstallJapaneseQtTranslations(QCoreApplication& app);

// Qt reads the user's locale from the environment once, when the application object is made; the
// file dialog's dates and sizes and the print dialog's default paper follow it. Made before the
// QApplication, this sets the environment to Japanese; Finish(), right after it, has Qt read its
// locale, puts the environment back, sets the C library's locale from it again (numbers in "C") and
// makes Japanese the default QLocale. The C library's locale and programs started later keep the
// user's own settings.
class JapaneseQtLocale {
 public:
  JapaneseQtLocale();
  ~JapaneseQtLocale();
  JapaneseQtLocale(const JapaneseQtLocale&) = delete;
  JapaneseQtLocale& operator=(const JapaneseQtLocale&) = delete;
  void Finish();

 private:
  std::optional<std::string> saved_;  // LC_ALL as the program found it
  bool finished_ = false;
};

}  // namespace vek
