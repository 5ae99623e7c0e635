#pragma once
// Pictures of forms for review: saved only when VEK_SHOT_DIR names a folder.
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QWidget>
#include <cstdlib>

namespace vek::testing {

inline void ShootForm(QWidget& form, const char* name) {
  if (const char* dir = std::getenv("VEK_SHOT_DIR")) form.grab().save(QString::fromUtf8(dir) + "/" + name);
}

// The whole screen, so that tooltips and question boxes over a form are in the picture too.
inline void ShootScreen(const char* name) {
  const char* dir = std::getenv("VEK_SHOT_DIR");
  if (!dir) return;
  QTest::qWait(150);  // tooltips and boxes appear after a moment
  QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromUtf8(dir) + "/" + name);
}

}  // namespace vek::testing
