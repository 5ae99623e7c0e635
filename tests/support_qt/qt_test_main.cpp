// Runs the app-layer GoogleTest suites inside a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

#include "qt/japanese_translations.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt's locale is Japanese as in the window mode; numbers stay in "C".
  vek::JapaneseQtLocale japanese;
  QApplication app(argc, argv);
  japanese.Finish();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
