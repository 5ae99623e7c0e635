#pragma once
// The lines form ("線種/係数/余白"): line widths, the grid style, line colours and the two
// connecting lines of the result graph, the default probe dimensions, the conversion factor for
// Ver2 files and the margins of the three sheet blocks. Works on a copy; OK checks the numbers,
// copies the values back and stores Sys.ndx.
#include <array>
#include <optional>
#include <string>

#include "core/messages.h"
#include "core/sheet_settings.h"

namespace vek {

// The edits of the form, in its order (the order OK checks them in).
enum class LinesField : int {
  FrameWidth, RuleWidth, SymbolWidth,
  GridWidth, GridDash, GridGap, GridColour,
  RLineWidth, RLineColour, DhLineWidth, DhLineColour,
  SondeRadius, SondeLength, StandpipeArea, SiFactor,
  GraphTop, GraphLeft, FormulaTop, FormulaLeft, TableTop, TableLeft,
};
constexpr int kLinesFieldCount = 21;

// Grid styles (GridMonochrome).
constexpr int kColourGrid = 0;
constexpr int kMonochromeGrid = 1;

class LinesLogic {
 public:
  // Takes the settings; an r-PoPy' or dh colour text of two characters or fewer is replaced by its
  // standard colour, and the grid style rule is applied once.
  explicit LinesLogic(const SheetSettings& settings);

  // Texts as typed (CP932).
  std::string& Text(LinesField field) { return texts_[static_cast<int>(field)]; }
  const std::string& Text(LinesField field) const { return texts_[static_cast<int>(field)]; }

  int rLineMode = 0;   // 0 not drawn, 1 joins the two points, 2 also extends the line
  int dhLineMode = 0;
  bool showSiFactor = false;

  int GridStyle() const { return gridStyle_; }
  // The grid style rule: a colour grid draws solid lines only, so its gap becomes "0" and the dash
  // and gap edits are disabled while the colour edit is enabled; black and white the other way.
  void ChooseGridStyle(int style);
  bool DashAndGapEnabled() const { return gridStyle_ == kMonochromeGrid; }
  bool GridColourEnabled() const { return gridStyle_ == kColourGrid; }
  // The note under the grid group (UTF-8).
  const char* GridNote() const;

  // "標準の設定": every control takes its standard value, then the grid style rule.
  void SetStandardValues();

  // OK: widths and lengths must be integers of at least 0 (61712), γo, Ｌ and Ａ numbers (61713),
  // the margins integers within their ranges (61712 / 61714). The first refused edit is returned
  // and nothing changes; otherwise the values are copied into `settings`, Sys.ndx is stored and
  // nullopt is returned.
  std::optional<LinesField> Commit(SheetSettings& settings, MessageSink& sink) const;

  // True for the three colour edits.
  static bool IsColourField(LinesField field);

 private:
  std::array<std::string, kLinesFieldCount> texts_;
  int gridStyle_ = kColourGrid;
};

// Probe defaults as the form shows them: "%.*g" with 15 significant digits.
std::string ProbeDefaultText(double value);

}  // namespace vek
