#include "io/csv_text.h"

#include <algorithm>
#include <cctype>

#include "core/encoding.h"
#include "io/safe_write.h"

namespace vek {

std::optional<CsvEncoding> CsvEncodingByName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower == "utf-8" || lower == "utf8") return CsvEncoding::Utf8Bom;
  if (lower == "cp932" || lower == "shift_jis" || lower == "sjis") return CsvEncoding::Cp932;
  return std::nullopt;
}

std::string CsvField(std::string_view text) {
  // Double-byte CP932 characters never hold these bytes as their second byte, so a byte search is
  // safe on CP932 text.
  const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

CsvText& CsvText::Row(std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (std::string_view f : fields) {
    if (!first) text_ += ',';
    text_ += CsvField(f);
    first = false;
  }
  text_ += "\r\n";
  return *this;
}

CsvText& CsvText::EmptyRow() {
  text_ += "\r\n";
  return *this;
}

std::string EncodeCsv(std::string_view cp932, CsvEncoding encoding) {
  if (encoding == CsvEncoding::Cp932) return std::string(cp932);
  return "\xEF\xBB\xBF" + Cp932ToUtf8(cp932);
}

bool WriteCsvFile(const std::filesystem::path& path, std::string_view cp932, CsvEncoding encoding) {
  return WriteFileAtomically(path, EncodeCsv(cp932, encoding));
}

}  // namespace vek
