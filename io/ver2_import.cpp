#include "io/ver2_import.h"

#include <cstdio>
#include <cstdlib>

#include "core/encoding.h"
#include "io/int_text.h"

namespace vek {

namespace {

// Position of `pattern` in CP932 `text`, matched only at character starts (a double-byte
// character's trail byte never starts a match); npos when absent.
size_t FindCharacter(std::string_view text, std::string_view pattern) {
  for (size_t i = 0; i < text.size();) {
    if (text.substr(i, pattern.size()) == pattern) return i;
    i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  return std::string_view::npos;
}

std::string IntText(int v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d", v);
  return buf;
}

// Two bytes of `text` from byte index `from` (fewer at the end, none beyond it).
std::string TwoFrom(const std::string& text, size_t from) {
  if (from >= text.size()) return {};
  return text.substr(from, 2);
}

// Header fields whose old values are pressures, or scale with the pressure, and their factor
// multipliers (0: stored as read). The curve coefficients give P in the old unit, and P is linear in
// them, so they take the factor as the calibration rows do; only the test's results are held there
// beside them.
double HeaderScale(DataKind kind, int field) {
  if (field >= hf::CalCoefficient1 && field <= hf::CalCoefficient5) return 1.0;
  if (kind != DataKind::Test) return 0.0;
  switch (field) {
    case 33:
    case 34:
    case 35:
    case 36:
      return 1.0;
    case 38:
      return 0.1;
    case 39:
      return 0.001;
    default:
      return 0.0;  // not converted
  }
}

}  // namespace

double SiFactorOf(const SheetSettings& settings) { return std::atof(settings.SiFactor.c_str()); }

std::string ScaleOldValue(std::string_view text, double factor) {
  if (IsNumericText(text) <= 0) return {};
  char buf[64];
  std::snprintf(buf, sizeof buf, "%g", std::atof(std::string(text).c_str()) * factor);
  return buf;
}

int Ver2HeaderField(DataKind kind, int position) {
  if (position == 40) return hf::LegacyOrigin;
  if (kind == DataKind::Calibration) {
    static constexpr int kCalMap[] = {0, 1, 2, 16, 4, 5, 8, 11, 22, 23, 24};
    if (position >= 1 && position <= 10) return kCalMap[position];
    if (position >= 22 && position <= 26) return position + 3;  // coefficients 25-29
    return 0;
  }
  static constexpr int kTestMap[] = {0, 1, 2, 3, 4, 5, 6, 8, 11, 12, 13};
  if (position >= 1 && position <= 10) return kTestMap[position];
  if (position >= 11 && position <= 37) return position + 4;
  return 0;
}

void FixUpVer2Header(Record& record) {
  TextField& f8 = record.Header(hf::DateYear);
  const int year = std::atoi(f8.c_str());
  static const std::string kMonthMark = Sjis("月");
  static const std::string kYearMark = Sjis("年");

  if (size_t m = FindCharacter(f8, kMonthMark); m != std::string::npos) {
    record.Header(hf::DateDay) = IntText(std::atoi(f8.c_str() + m + kMonthMark.size()));
  } else {
    record.Header(hf::DateDay) = f8.size() >= 2 ? f8.substr(f8.size() - 2) : f8;
  }
  if (size_t y = FindCharacter(f8, kYearMark); y != std::string::npos) {
    record.Header(hf::DateMonth) = IntText(std::atoi(f8.c_str() + y + kYearMark.size()));
  } else if (year > 999) {
    record.Header(hf::DateMonth) = TwoFrom(f8, 5);  // 1998/05/12
  } else if (year > 9) {
    record.Header(hf::DateMonth) = TwoFrom(f8, 3);  // 98/05/12
  }
  f8 = IntText(year);

  TextField& f41 = record.Header(hf::PeScaleMax);
  f41 = TruncatedIntText(std::atof(f41.c_str()) * 100);
  record.Header(hf::LegacyOrigin) = std::string(kLegacyOriginMark);
}

void ParseVer2Line(RecordStore& store, SectionState& s, DataKind kind, std::string_view line, double factor) {
  if (!line.empty() && line[0] == '$') {
    s.letter = line.size() > 1 ? line[1] : '_';
    s.row = 1;
    s.column = 1;
    return;
  }
  Record& record = kind == DataKind::Calibration ? store.calibration : store.test;
  switch (s.letter) {
    case 'Z': {
      if (s.row > 40) return;
      if (int field = Ver2HeaderField(kind, s.row); field > 0) {
        const double scale = HeaderScale(kind, field);
        record.Header(field) = scale > 0.0 ? ScaleOldValue(line, factor * scale) : TextField(line);
      }
      if (s.row == 40) FixUpVer2Header(record);
      ++s.row;
      return;
    }
    case 'A': {
      if (kind != DataKind::Test || s.row > kMaxTestRows) return;
      const int f = s.column;
      const bool pressure = f == tf::Pressure || f == tf::GasPressure || f == tf::PG || f == tf::PGMinusP || f == tf::Pe;
      record.Test(s.row, f) = pressure ? ScaleOldValue(line, factor) : TextField(line);
      if (s.column == kTestFieldCount) {
        s.column = 1;
        ++s.row;
      } else {
        ++s.column;
      }
      return;
    }
    case 'C': {
      if (s.row > kMaxCalRows) return;
      const int f = s.column;
      record.Cal(s.row, f) = f == cf::Pressure ? ScaleOldValue(line, factor) : TextField(line);
      if (s.column == kCalFieldCount) {
        s.column = 1;
        ++s.row;
      } else {
        ++s.column;
      }
      return;
    }
    default:
      return;
  }
}

}  // namespace vek
