#include "settings/colour_chooser.h"

#include <QColorDialog>

namespace vek {

std::optional<QColor> ChooseColourWithDialog(const QColor& initial, QWidget* parent) {
  const QColor chosen = QColorDialog::getColor(initial, parent, QStringLiteral("色の設定"));
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

}  // namespace vek
