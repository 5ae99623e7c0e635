#include "forms/logic/number_fields.h"

#include <array>

#include "core/header_fields.h"
#include "core/messages.h"
#include "core/number_entry.h"

namespace vek {

namespace {

constexpr std::array kTestFields = {
    NumberField{hf::TestDepth, "測定深度", NumberRange::Any},
    NumberField{hf::StandpipeInitialLevel, "初期スタンドパイプの水位", NumberRange::Any},
    NumberField{hf::StandpipeInsertedLevel, "挿入後スタンドパイプの水位", NumberRange::Any},
    NumberField{hf::PoissonRatio, "ポアソン比", NumberRange::Poisson},
    NumberField{hf::BoreholeWaterLevel, "孔内水位", NumberRange::Any},
    NumberField{hf::SondeRadius, "ゾンデ ro cm", NumberRange::Positive},
    NumberField{hf::SondeLength, "Lcm", NumberRange::Positive},
    NumberField{hf::StandpipeArea, "Ac㎡", NumberRange::Positive},
};

constexpr std::array kCalFields = {
    NumberField{hf::StandpipeInitialLevel, "初期スタンドパイプの水位", NumberRange::Any},
    NumberField{hf::StandpipeInsertedLevel, "挿入後スタンドパイプの水位", NumberRange::Any},
};

}  // namespace

std::span<const NumberField> TestHeaderNumberFields() { return kTestFields; }
std::span<const NumberField> CalHeaderNumberFields() { return kCalFields; }

bool IsAcceptableNumberField(std::string_view text, NumberRange range) {
  if (text.find_first_not_of(" \t") == std::string_view::npos) return true;
  const std::optional<double> value = ParseNumberEntry(text);
  if (!value) return false;
  switch (range) {
    case NumberRange::Any: return true;
    case NumberRange::Positive: return *value > 0;
    case NumberRange::Poisson: return *value >= 0 && *value < 0.5;
  }
  return true;
}

std::string NumberFieldRefusal(const NumberField& field, std::string_view text) {
  const std::string name = std::string(field.label) + ": ";
  if (!ParseNumberEntry(text)) return name + NumberedMessage(msg::EnterNumber);
  if (field.range == NumberRange::Poisson) return name + "0 以上 0.5 未満の数字を入力してください。";
  return name + "0 より大きい数字を入力してください。";
}

}  // namespace vek
