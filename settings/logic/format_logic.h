#pragma once
// The format form ("様式/桁数"): the default titles and captions of new headers, the decimal places
// of every printed quantity, the display unit of lengths, where the calculation text goes, two
// graph options and the default survey company. Works on a copy; OK checks the digits, copies the
// values back and stores Sys.ndx.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/messages.h"
#include "core/sheet_settings.h"

namespace vek {

// The text controls (combo boxes and the company edit), in the form's order.
enum class FormatText : int {
  SurveyNameLabel, NoLabel, EngineerLabel, GraphTitle, TableTitle, FormulaTitle,
  ModulusHeading, ModulusSymbol, CompanyName,
};
constexpr int kFormatTextCount = 9;

// The decimal-place edits, in the form's order (the order OK checks them in).
enum class FormatDigits : int { PoPyPl, K, E, Rm, Pressure, Reading, H, Pe, R, Dr };
constexpr int kFormatDigitsCount = 10;

constexpr int kMaxDigits = 6;

// Preset entries of a combo box (UTF-8), in the order they are listed; empty for the company edit.
std::span<const char* const> FormatPresets(FormatText control);

class FormatLogic {
 public:
  explicit FormatLogic(const SheetSettings& settings);

  // Texts as typed (CP932).
  std::string& Text(FormatText control) { return texts_[static_cast<int>(control)]; }
  const std::string& Text(FormatText control) const { return texts_[static_cast<int>(control)]; }
  std::string& Digits(FormatDigits edit) { return digits_[static_cast<int>(edit)]; }
  const std::string& Digits(FormatDigits edit) const { return digits_[static_cast<int>(edit)]; }

  bool rotateAxisNames = false;
  bool hidePointLetters = false;
  int formulaPosition = 1;  // 0 not shown, 1 inside the graph page, 2 own page

  int LengthUnit() const { return lengthUnit_; }
  // The unit radio: offers the digits that suit the new unit (question 3900) when those shown do
  // not; Yes sets them, No keeps them. The unit changes either way.
  void ChooseLengthUnit(int unit, MessageSink& sink);

  // "標準の設定": every control except the company name takes its standard value.
  void SetStandardValues();

  // OK: every digits edit must hold an integer 0..6 (61712 / 61714). The first refused edit is
  // returned and nothing changes; otherwise the values are copied into `settings` and Sys.ndx is
  // stored, and nullopt is returned.
  std::optional<FormatDigits> Commit(SheetSettings& settings, MessageSink& sink) const;

 private:
  int DigitsValue(FormatDigits edit) const;
  void SetDigits(FormatDigits edit, int value);

  std::array<std::string, kFormatTextCount> texts_;
  std::array<std::string, kFormatDigitsCount> digits_;
  int lengthUnit_ = 0;
};

}  // namespace vek
