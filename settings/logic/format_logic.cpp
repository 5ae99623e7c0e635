#include "settings/logic/format_logic.h"

#include <cstdlib>

#include "core/encoding.h"
#include "settings/logic/entry_checks.h"
#include "settings/logic/settings_storage.h"

namespace vek {

namespace {

constexpr TextField SheetSettings::*kTextSetting[kFormatTextCount] = {
    &SheetSettings::SystemSurveyNameLabel, &SheetSettings::SystemNoLabel,
    &SheetSettings::SystemEngineerLabel,   &SheetSettings::SystemGraphTitle,
    &SheetSettings::SystemTableTitle,      &SheetSettings::SystemFormulaTitle,
    &SheetSettings::ModulusHeading,        &SheetSettings::ModulusSymbol,
    &SheetSettings::SystemCompanyName,
};

constexpr int SheetSettings::*kDigitsSetting[kFormatDigitsCount] = {
    &SheetSettings::DigitsPoPyPl,   &SheetSettings::DigitsK,       &SheetSettings::DigitsE,
    &SheetSettings::DigitsRm,       &SheetSettings::DigitsPressure, &SheetSettings::DigitsReading,
    &SheetSettings::DigitsH,        &SheetSettings::DigitsPe,      &SheetSettings::DigitsR,
    &SheetSettings::DigitsDr,
};

constexpr const char* kSurveyNamePresets[] = {"調査名", "調査件名", ""};
constexpr const char* kNoPresets[] = {"Ｎｏ．", "ボーリングNo.", "ボーリングＮｏ．", "ボーリング名", ""};
constexpr const char* kEngineerPresets[] = {"試験者", "担当者", "技術者", ""};
constexpr const char* kGraphTitlePresets[] = {
    "試験結果図", "測定結果図", "ＶＥＫ試験結果図", "孔内水平載荷試験結果図",
    "地盤の指標値を求めるためのプレッシャーメータ試験", ""};
constexpr const char* kTableTitlePresets[] = {
    "測定結果表", "測定記録表", "測定データシート", "ＶＥＫ測定データシート", "孔内水平載荷試験結果表",
    "地盤の指標値を求めるためのプレッシャーメータ試験", ""};
constexpr const char* kFormulaTitlePresets[] = {
    "孔内水平載荷試験結果", "計算経過式", "孔内水平載荷試験計算経過式",
    "地盤の指標値を求めるためのプレッシャーメータ試験計算経過式", ""};
constexpr const char* kModulusHeadingPresets[] = {"変形係数", "弾性係数"};
constexpr const char* kModulusSymbolPresets[] = {"Ｅ", "Ｇ"};

// Digits that suit a unit: dH, H, r and rm, and dr (m) when switching to metres.
struct UnitDigits {
  int reading, h, r, rm;
};
constexpr UnitDigits kCentimetreDigits{1, 1, 2, 2};
constexpr UnitDigits kMetreDigits{3, 3, 4, 4};
constexpr int kMetreDrDigits = 5;

}  // namespace

std::span<const char* const> FormatPresets(FormatText control) {
  switch (control) {
    case FormatText::SurveyNameLabel: return kSurveyNamePresets;
    case FormatText::NoLabel: return kNoPresets;
    case FormatText::EngineerLabel: return kEngineerPresets;
    case FormatText::GraphTitle: return kGraphTitlePresets;
    case FormatText::TableTitle: return kTableTitlePresets;
    case FormatText::FormulaTitle: return kFormulaTitlePresets;
    case FormatText::ModulusHeading: return kModulusHeadingPresets;
    case FormatText::ModulusSymbol: return kModulusSymbolPresets;
    case FormatText::CompanyName: break;
  }
  return {};
}

FormatLogic::FormatLogic(const SheetSettings& s)
    : rotateAxisNames(s.RotateAxisNames != 0),
      hidePointLetters(s.HidePointLetters != 0),
      formulaPosition(s.FormulaPosition),
      lengthUnit_(s.LengthUnit) {
  for (int i = 0; i < kFormatTextCount; ++i) texts_[i] = s.*kTextSetting[i];
  for (int i = 0; i < kFormatDigitsCount; ++i) digits_[i] = std::to_string(s.*kDigitsSetting[i]);
}

int FormatLogic::DigitsValue(FormatDigits edit) const { return std::atoi(Digits(edit).c_str()); }

void FormatLogic::SetDigits(FormatDigits edit, int value) { Digits(edit) = std::to_string(value); }

void FormatLogic::ChooseLengthUnit(int unit, MessageSink& sink) {
  const int reading = DigitsValue(FormatDigits::Reading);
  const int h = DigitsValue(FormatDigits::H);
  const int r = DigitsValue(FormatDigits::R);
  const int rm = DigitsValue(FormatDigits::Rm);
  const bool metres = unit == 1;
  const bool unsuited = metres ? (reading <= 2 || h <= 2 || r <= 3 || rm <= 3 || DigitsValue(FormatDigits::Dr) <= 3)
                               : (reading >= 3 || h >= 3 || r >= 4 || rm >= 4);
  if (unsuited && sink.Ask(msg::ResetDigits)) {
    const UnitDigits& d = metres ? kMetreDigits : kCentimetreDigits;
    SetDigits(FormatDigits::Reading, d.reading);
    SetDigits(FormatDigits::H, d.h);
    SetDigits(FormatDigits::R, d.r);
    SetDigits(FormatDigits::Rm, d.rm);
    if (metres) SetDigits(FormatDigits::Dr, kMetreDrDigits);
  }
  lengthUnit_ = metres ? 1 : 0;
}

void FormatLogic::SetStandardValues() {
  lengthUnit_ = 0;
  Text(FormatText::NoLabel) = Sjis("Ｎｏ．");
  Text(FormatText::TableTitle) = Sjis("測定結果表");
  Text(FormatText::GraphTitle) = Sjis("測定結果図");
  Text(FormatText::ModulusHeading) = Sjis("変形係数");
  Text(FormatText::ModulusSymbol) = Sjis("Ｅ");
  Text(FormatText::SurveyNameLabel) = Sjis("調査名");
  Text(FormatText::EngineerLabel) = Sjis("試験者");
  Text(FormatText::FormulaTitle) = Sjis("計算経過式");
  constexpr std::pair<FormatDigits, int> kStandardDigits[] = {
      {FormatDigits::Pressure, 0}, {FormatDigits::Reading, 1}, {FormatDigits::H, 1},
      {FormatDigits::Pe, 1},       {FormatDigits::R, 2},       {FormatDigits::PoPyPl, 1},
      {FormatDigits::K, 2},        {FormatDigits::E, 2},       {FormatDigits::Rm, 2},
      {FormatDigits::Dr, 5},
  };
  for (const auto& [edit, value] : kStandardDigits) SetDigits(edit, value);
  rotateAxisNames = true;
  hidePointLetters = false;
  formulaPosition = 1;
}

std::optional<FormatDigits> FormatLogic::Commit(SheetSettings& s, MessageSink& sink) const {
  for (int i = 0; i < kFormatDigitsCount; ++i) {
    if (!CheckIntegerInRange(digits_[i], 0, kMaxDigits, sink)) return static_cast<FormatDigits>(i);
  }
  for (int i = 0; i < kFormatTextCount; ++i) s.*kTextSetting[i] = texts_[i];
  for (int i = 0; i < kFormatDigitsCount; ++i) s.*kDigitsSetting[i] = *ParseIntegerEntry(digits_[i]);
  s.RotateAxisNames = rotateAxisNames ? 1 : 0;
  s.HidePointLetters = hidePointLetters ? 1 : 0;
  s.FormulaPosition = formulaPosition;
  s.LengthUnit = lengthUnit_;
  StoreSystemSettings(s, sink);
  return std::nullopt;
}

}  // namespace vek
