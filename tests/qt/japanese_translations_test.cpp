// Qt's own dialogs speak Japanese once the translation is installed, and Qt's locale is Japanese
// while the C library keeps the user's own and numbers stay in "C".
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <clocale>
#include <cstdio>

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

// The test program starts its application as the window mode does (support_qt/qt_test_main.cpp).
TEST(JapaneseQtLocale, FileListsShowJapaneseDatesAndSizesAndNumbersStayC) {
  const QLocale system = QLocale::system();
  EXPECT_EQ(system.language(), QLocale::Japanese);
  EXPECT_EQ(QLocale().language(), QLocale::Japanese);
  EXPECT_EQ(system.toString(QDateTime(QDate(2026, 12, 8), QTime(10, 5)), QLocale::ShortFormat),
            QStringLiteral("2026/12/08 10:05"));
  EXPECT_EQ(system.formattedDataSize(12), QString::fromUtf8("12 バイト"));
  EXPECT_EQ(system.measurementSystem(), QLocale::MetricSystem);  // A4 as the print dialog's paper

  // The file dialog's list: its date column in the Japanese short form.
  QFileSystemModel files;
  const QModelIndex root = files.setRootPath(QStringLiteral(VEK_SOURCE_DIR));
  QTRY_VERIFY_WITH_TIMEOUT(files.rowCount(root) > 0, 5000);
  const QString date = files.index(0, 3, root).data().toString();
  EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d{4}/\d{2}/\d{2} \d{1,2}:\d{2}$)")).match(date).hasMatch())
      << date.toStdString();

  char number[32];
  std::snprintf(number, sizeof number, "%.2f", 1234.5);
  EXPECT_STREQ(number, "1234.50");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

TEST(JapaneseQtLocale, TheEnvironmentIsPutBackForTheCLibraryAndProgramsStartedLater) {
  const QByteArray before = qgetenv("LC_ALL");
  const bool wasSet = qEnvironmentVariableIsSet("LC_ALL");
  qputenv("LC_ALL", "C.UTF-8");
  {
    JapaneseQtLocale japanese;
    EXPECT_EQ(qgetenv("LC_ALL"), "ja_JP.UTF-8");
    japanese.Finish();
    EXPECT_EQ(qgetenv("LC_ALL"), "C.UTF-8");
  }
  qunsetenv("LC_ALL");
  { JapaneseQtLocale japanese; }
  EXPECT_FALSE(qEnvironmentVariableIsSet("LC_ALL"));
  if (wasSet) qputenv("LC_ALL", before);
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace vek
