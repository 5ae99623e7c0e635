// Qt's own dialogs speak Japanese once the translation is installed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include "qt/japanese_translations.h"

namespace vek {
namespace {

TEST(JapaneseTranslations, StandardButtonsOfAQuestionAreJapanese) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QDir(folder).exists(QStringLiteral("qtbase_ja.qm"))) GTEST_SKIP() << "qt6-translations-l10n not installed";
  ASSERT_TRUE(InstallJapaneseQtTranslations(*qApp));
  QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Save)->text(), QString::fromUtf8("保存"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
  EXPECT_NE(box.button(QMessageBox::Discard)->text(), QStringLiteral("Discard"));
}

}  // namespace
}  // namespace vek
