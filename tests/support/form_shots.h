#pragma once
// Pictures of forms for review: saved only when VEK_SHOT_DIR names a folder.
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace vek::testing {

inline void ShootForm(QWidget& form, const char* name) {
  if (const char* dir = std::getenv("VEK_SHOT_DIR")) form.grab().save(QString::fromUtf8(dir) + "/" + name);
}

}  // namespace vek::testing
