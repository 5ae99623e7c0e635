#pragma once
// Header fields that computation or the sheet reads as numbers. A typed text must be one number and
// nothing else ("0,35", "7,25" and "2a89" are refused, never read as 0, 7 or 2), and a value with a
// physical range must lie in it. An empty field is left for later: the record keeps it empty.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vek {

enum class NumberRange {
  Any,       // depths and water levels (GL values carry their sign)
  Positive,  // probe radius, probe length, standpipe area
  Poisson,   // Poisson's ratio: 0 <= v < 0.5
};

struct NumberField {
  int field;          // header field number
  const char* label;  // the field's label on the form (UTF-8), named in the refusal
  NumberRange range;
};

// The number fields of the test header form and of the calibration header form.
std::span<const NumberField> TestHeaderNumberFields();
std::span<const NumberField> CalHeaderNumberFields();

// True when `text` is empty or a number within `range`.
bool IsAcceptableNumberField(std::string_view text, NumberRange range);

// The message refusing a field's text: 61713 "数字を入力してください。" naming the field, or the
// field's range when the text is a number outside it.
std::string NumberFieldRefusal(const NumberField& field, std::string_view text);

// The first field whose text (given by `textOf`) is refused, if any.
template <typename TextOf>
std::optional<NumberField> FirstRefusedNumberField(std::span<const NumberField> fields, TextOf textOf) {
  for (const NumberField& f : fields) {
    if (!IsAcceptableNumberField(textOf(f.field), f.range)) return f;
  }
  return std::nullopt;
}

}  // namespace vek
