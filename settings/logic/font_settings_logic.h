#pragma once
// The font form ("フォント"): the six role fonts of the sheets, one row each. A row's button opens
// the font chooser; OK takes the working copy into the settings and writes all six font files.
#include <array>
#include <string>

#include "core/messages.h"
#include "core/sheet_settings.h"

namespace vek {

// One row of the form: its button text, the note beside it (UTF-8) and the font number (1-6).
struct FontRow {
  const char* button;
  const char* note;
  int fontNumber;
};

constexpr int kFontRowCount = 6;
extern const std::array<FontRow, kFontRowCount> kFontRows;

// What the font chooser returned: face (CP932), the height in the chooser's pixels (negative for a
// character height, as the chooser reports it), colour 0x00BBGGRR and the underline effect.
struct ChosenFont {
  std::string face;
  int height = 0;
  int32_t colour = 0;
  bool underline = false;
};

// A font file keeps a face name of at most 78 bytes on one line.
bool IsStorableFaceName(const std::string& cp932);

// The cell height the chooser starts from: the integer part of size × dpi ÷ 72.
int ChooserStartHeight(double sizePoints, int dpi);
// Points from a chooser height: |height| × 72 ÷ dpi, not rounded.
double PointsFromChooserHeight(int height, int dpi);

// The size column: " %2d     (%.1f)" of the size rounded to whole points and the exact size.
std::string FontSizeText(double sizePoints);

class FontSettingsLogic {
 public:
  explicit FontSettingsLogic(const SheetSettings& settings);

  // The working copy of the font shown in a row (0-5, top to bottom).
  const RoleFont& RowFont(int row) const;

  // The chooser confirmed `chosen` for a row: the row's font takes it and the change counter grows.
  void ApplyChoice(int row, const ChosenFont& chosen, int dpi);

  int ChangeCount() const { return changes_; }
  bool HasChanges() const { return changes_ > 0; }

  // OK: the six fonts replace those of the settings and all six files are written; a file that
  // cannot be written is named in a message. The form closes either way.
  void Commit(SheetSettings& settings, MessageSink& sink) const;

 private:
  std::array<RoleFont, kRoleFontCount> fonts_;
  int changes_ = 0;
};

}  // namespace vek
