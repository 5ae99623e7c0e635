#include "io/settings_sys_format.h"

#include <cstdio>
#include <cstdlib>

#include "core/record_store.h"
#include "io/settings_line_reader.h"

namespace vek {

namespace {

enum class Kind { Int, Real, Text };

// One line of Sys.ndx bound to its member. `nonNumeric` is what an int line that is not
// number-like reads as.
struct SysLine {
  int line;
  Kind kind;
  int SheetSettings::*intValue = nullptr;
  double SheetSettings::*realValue = nullptr;
  TextField SheetSettings::*textValue = nullptr;
  int nonNumeric = 0;
};

constexpr SysLine I(int line, int SheetSettings::*m, int nonNumeric = 0) {
  return {line, Kind::Int, m, nullptr, nullptr, nonNumeric};
}
constexpr SysLine R(int line, double SheetSettings::*m) { return {line, Kind::Real, nullptr, m, nullptr, 0}; }
constexpr SysLine T(int line, TextField SheetSettings::*m) { return {line, Kind::Text, nullptr, nullptr, m, 0}; }

using S = SheetSettings;
constexpr SysLine kLines[] = {
    T(1, &S::SystemNoLabel),        I(2, &S::LengthUnit),          T(3, &S::SystemTableTitle),
    I(4, &S::DigitsPressure),       I(5, &S::DigitsReading),       I(6, &S::DigitsH),
    I(7, &S::DigitsPe),             I(8, &S::DigitsR),             I(10, &S::ShowSiFactor),
    T(11, &S::SystemGraphTitle),    T(12, &S::ModulusHeading),     T(13, &S::ModulusSymbol),
    I(14, &S::RotateAxisNames),     I(15, &S::FormulaPosition),    I(16, &S::DigitsPoPyPl),
    I(17, &S::DigitsK),             I(18, &S::DigitsE),            I(19, &S::DigitsRm),
    I(20, &S::HidePointLetters),    I(21, &S::DigitsDr),           I(24, &S::SymbolLineWidth),
    I(25, &S::FrameLineWidth),      I(26, &S::RuleLineWidth),      I(27, &S::GridLineWidth),
    I(28, &S::GridDashLength),      I(29, &S::GridGapLength),      R(30, &S::DefaultSondeRadius),
    R(31, &S::DefaultSondeLength),  R(32, &S::DefaultStandpipeArea), T(33, &S::SiFactor),
    I(34, &S::GraphTopMargin),      I(35, &S::GraphLeftMargin),    I(36, &S::RLineWidth, 1),
    I(37, &S::DhLineWidth, 1),      T(39, &S::SystemCompanyName),  T(40, &S::ContactLabel),
    T(41, &S::SystemSurveyNameLabel), T(43, &S::SystemEngineerLabel), T(44, &S::SystemFormulaTitle),
    I(45, &S::GridMonochrome),      T(46, &S::GridColour),         T(47, &S::RLineColour),
    T(48, &S::DhLineColour),        I(51, &S::FormulaTopMargin),   I(52, &S::FormulaLeftMargin),
    I(53, &S::TableTopMargin),      I(54, &S::TableLeftMargin),    I(55, &S::RLineMode),
    I(56, &S::DhLineMode),          I(60, &S::EnterKeyMode, 2),
};

constexpr int kSecondNoLabelLine = 42;

const SysLine* FindLine(int line) {
  for (const SysLine& l : kLines)
    if (l.line == line) return &l;
  return nullptr;
}

int ReadInt(const std::string& text, int nonNumeric) {
  return IsNumericText(text) > 0 ? std::atoi(text.c_str()) : nonNumeric;
}


}  // namespace

std::string FormatSystemSettings(const SheetSettings& s) {
  std::string out;
  char buf[64];
  for (int n = 0; n < kSystemSettingsLineCount; ++n) {
    if (n == 0) {
      std::snprintf(buf, sizeof buf, "%d", kSystemSettingsVersion);
      out += buf;
    } else if (n == kSecondNoLabelLine) {
      out += AsOneLine(s.SystemNoLabel);
    } else if (const SysLine* l = FindLine(n)) {
      switch (l->kind) {
        case Kind::Int:
          std::snprintf(buf, sizeof buf, "%d", s.*(l->intValue));
          out += buf;
          break;
        case Kind::Real:
          std::snprintf(buf, sizeof buf, "%.4f", s.*(l->realValue));
          out += buf;
          break;
        case Kind::Text:
          out += AsOneLine(s.*(l->textValue));
          break;
      }
    }
    out += "\r\n";
  }
  return out;
}

int ApplySystemSettingsLines(SheetSettings& s, const std::vector<std::string>& lines) {
  int version = 0;
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string& text = lines[n];
    if (n == 0) {
      version = ReadInt(text, 0);
      continue;
    }
    const SysLine* l = FindLine(static_cast<int>(n));
    if (!l) continue;
    switch (l->kind) {
      case Kind::Int:
        s.*(l->intValue) = ReadInt(text, l->nonNumeric);
        break;
      case Kind::Real:
        s.*(l->realValue) = std::atof(text.c_str());
        break;
      case Kind::Text:
        s.*(l->textValue) = text;
        break;
    }
  }
  return version;
}

void ApplyOldVersionRules(SheetSettings& s) {
  s.SystemSurveyNameLabel = Sjis("調査名");
  s.SystemEngineerLabel = Sjis("担当者");
  s.SystemFormulaTitle = Sjis("計算経過式");
  s.FormulaTopMargin = s.GraphTopMargin;
  s.TableTopMargin = s.GraphTopMargin;
  s.FormulaLeftMargin = s.GraphLeftMargin;
  s.TableLeftMargin = s.GraphLeftMargin;
}

void ResetSystemValuesToFactory(SheetSettings& s) {
  SheetSettings factory;
  for (const SysLine& l : kLines) {
    switch (l.kind) {
      case Kind::Int:
        s.*(l.intValue) = factory.*(l.intValue);
        break;
      case Kind::Real:
        s.*(l.realValue) = factory.*(l.realValue);
        break;
      case Kind::Text:
        s.*(l.textValue) = factory.*(l.textValue);
        break;
    }
  }
}

}  // namespace vek
