#pragma once
// Saves a picture of a shown form into $VEK_SHOT_DIR when it is set (for looking at the forms);
// does nothing otherwise.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

namespace vek::testing {

inline void SaveShot(QWidget& form, const char* name) {
  const char* dir = std::getenv("VEK_SHOT_DIR");
  if (!dir || !*dir) return;
  QApplication::processEvents();
  form.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

}  // namespace vek::testing
