#pragma once
// Qt's own texts (standard buttons, file, print, page setup and preview dialogs) in Japanese, as
// everything else the user sees.
class QCoreApplication;

namespace vek {

// Installs Qt's Japanese translation (qtbase_ja from Qt's translations folder) into `app`,
// whatever the desktop's language. False, and Qt's English texts stay, when it is not installed.
bool InstallJapaneseQtTranslations(QCoreApplication& app);

}  // namespace vek
