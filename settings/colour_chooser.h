#pragma once
// The colour chooser the lines form offers; a function so that tests can answer it.
#include <QColor>
#include <functional>
#include <optional>

class QWidget;

namespace vek {

// Returns the confirmed colour, or nullopt when the user cancels.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

// The platform's colour chooser (QColorDialog).
std::optional<QColor> ChooseColourWithDialog(const QColor& initial, QWidget* parent);

}  // namespace vek
