#include "core/record_store.h"

#include <cstdlib>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/number_format.h"

namespace vek {

namespace {

void ClearHeader(Record& r) {
  for (int n = 1; n <= kHeaderFieldCount; ++n) r.HeaderFields[n].clear();
}

void ClearCal(std::array<CalRow, kCalRowSlots>& rows) {
  for (int r = 1; r <= kMaxCalRows; ++r)
    for (int f = 1; f <= kCalFieldCount; ++f) rows[r][f].clear();
}

constexpr size_t kMaxCsvLine = 2600;

}  // namespace

void RecordStore::ClearCalibrationHeader() { ClearHeader(calibration); }
void RecordStore::ClearCalibrationRows() { ClearCal(calibration.CalRows); }
void RecordStore::ClearTestHeader() { ClearHeader(test); }
void RecordStore::ClearTestCalRows() { ClearCal(test.CalRows); }

void RecordStore::ClearTestRows() {
  for (int r = 1; r <= kMaxTestRows; ++r)
    for (int f = 1; f <= kTestFieldCount; ++f) test.TestRows[r][f].clear();
}

int RecordStore::CountDataRows(int field) const {
  int n = 0;
  for (int r = 1; r <= kMaxTestRows; ++r) {
    if (IsNumericText(test.TestRows[r][field]) <= 0) break;
    ++n;
  }
  return n;
}

void RecordStore::NewDocument() {
  if (currentSheet == kTestSheet) {
    ClearTestHeader();
    ClearTestRows();
    ClearTestCalRows();
    testFilePath.clear();
  } else {
    ClearCalibrationHeader();
    ClearCalibrationRows();
    calFilePath.clear();
  }
}

void RecordStore::RefreshTestCoefficients() {
  for (int i = 0; i < 5; ++i) testCoefficients[i] = TextToDouble(test.HeaderFields[hf::CalCoefficient1 + i]);
}

int IsNumericText(std::string_view text) {
  size_t i = 0;
  // Skip leading white space; a double-byte character is never white space here and ends the skip.
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') {
      ++i;
      continue;
    }
    break;
  }
  if (i >= text.size()) return -1;
  static constexpr std::string_view kNumberStart = "1234567890.+-!";
  const char first = text[i];
  for (size_t k = 0; k < 13; ++k) {
    if (kNumberStart[k] == first) return 1;
  }
  return 0;
}

int GetCsvField(std::string_view line, int n, TextField& field, MessageSink& sink) {
  field.clear();
  if (line.empty()) return -1;
  if (line.size() > kMaxCsvLine) {
    sink.ShowMessage("too many csv");
    line = line.substr(0, kMaxCsvLine);
  }
  int count = 1;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      quoted = !quoted;
      continue;
    }
    if (c == '\n') break;  // a line feed ends the line and its last field
    if (c == ',' && !quoted) {
      if (count == n) return 1;
      ++count;
      field.clear();
      continue;
    }
    field += c;
  }
  if (count == n) return 1;
  field.clear();
  return 0;
}

TextField ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement) {
  if (text.empty()) return {};
  if (pattern.empty()) return TextField(text);
  TextField out;
  size_t pos = 0;
  while (true) {
    size_t hit = text.find(pattern, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(replacement);
    pos = hit + pattern.size();
  }
  out.append(text.substr(pos));
  return out;
}

int SignOf(int value) { return (value > 0) - (value < 0); }

}  // namespace vek
