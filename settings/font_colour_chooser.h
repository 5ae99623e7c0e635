#pragma once
// The font chooser of the font form: the platform's font list with its effects (underline,
// strike-out) and a colour, as the sheets give every font a colour. A function type so that tests
// can answer it.
#include <QColor>
#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>

class QFontDialog;
class QLabel;

namespace vek {

struct FontAndColour {
  QFont font;
  QColor colour;
};

using FontChooser = std::function<std::optional<FontAndColour>(const FontAndColour& start, QWidget* parent)>;

// Runs CFontColourChooser; nullopt when the user cancels.
std::optional<FontAndColour> ChooseFontWithDialog(const FontAndColour& start, QWidget* parent);

class CFontColourChooser : public QDialog {
  Q_OBJECT
 public:
  CFontColourChooser(const FontAndColour& start, QWidget* parent = nullptr);
  FontAndColour Selected() const;
  void SetColour(const QColor& colour);

 private:
  void PickColour();

  QFontDialog* fonts_;
  QLabel* swatch_;
  QColor colour_;
};

}  // namespace vek
