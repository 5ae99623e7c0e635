#pragma once
// Comma-separated text for spreadsheet programs: fields quoted where they must be, CR LF line ends,
// and the encoding chosen at the end (UTF-8 with a byte-order mark, which spreadsheet programs
// recognise, or CP932 for older ones). Texts are assembled in CP932 like the records they come from.
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

enum class CsvEncoding { Utf8Bom, Cp932 };

// "utf-8" / "utf8" or "cp932" / "shift_jis" / "sjis" (any case); nothing for another name.
std::optional<CsvEncoding> CsvEncodingByName(std::string_view name);

// One field: as it stands, or in double quotes (inner quotes doubled) when it holds a comma, a
// quote, a line end, or leading or trailing blanks a spreadsheet program would drop.
std::string CsvField(std::string_view text);

// Builds a CSV text row by row (CP932).
class CsvText {
 public:
  CsvText& Row(std::initializer_list<std::string_view> fields);
  // A row of a label and one value.
  CsvText& Pair(std::string_view label, std::string_view value) { return Row({label, value}); }
  CsvText& EmptyRow();
  const std::string& Cp932() const { return text_; }

 private:
  std::string text_;
};

// The CP932 text in the chosen encoding.
std::string EncodeCsv(std::string_view cp932, CsvEncoding encoding);

// Writes the text in the chosen encoding as the whole new content of `path`; false when it cannot
// be written (any old file stays as it was).
bool WriteCsvFile(const std::filesystem::path& path, std::string_view cp932, CsvEncoding encoding);

}  // namespace vek
