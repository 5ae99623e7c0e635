#pragma once
// The labels of the record CSV: which header field each labelled row holds. The export writes
// them and the import reads them back, so both use this one list.
#include "core/header_fields.h"

namespace vek {

struct LabelledField {
  const char* label;  // UTF-8
  int field;
};

// Header values of a test, in the order of the heading block.
inline constexpr LabelledField kCsvTestHeader[] = {
    {"調査名", hf::SurveyName},
    {"ボーリングNo.", hf::BoringNo},
    {"測定深度 (GL. m)", hf::TestDepth},
    {"担当者", hf::Engineer},
    {"土質名", hf::SoilName},
    {"N値", hf::NValue},
    {"孔内水位 (GL. m)", hf::BoreholeWaterLevel},
    {"ポアソン比", hf::PoissonRatio},
    {"初期スタンドパイプの水位 (cm)", hf::StandpipeInitialLevel},
    {"挿入後スタンドパイプの水位 (cm)", hf::StandpipeInsertedLevel},
    {"ゾンデ ro (cm)", hf::SondeRadius},
    {"ゾンデ L (cm)", hf::SondeLength},
    {"スタンドパイプ断面積 Ac (cm2)", hf::StandpipeArea},
    {"キャリブレーションファイル", hf::CalFileName},
    {"圧力補正値 (kN/㎡)", hf::PressureOffset},
};

inline constexpr LabelledField kCsvTestResults[] = {
    {"Po 段階", hf::PoPoint},         {"Py’ 段階", hf::PyPoint},       {"Pl’ 段階", hf::PlPoint},
    {"Po (kN/㎡)", hf::Po},           {"Py (kN/㎡)", hf::PyNet},       {"Pl (kN/㎡)", hf::PlNet},
    {"K (MN/m3)", hf::KValue},        {"rm (cm)", hf::MeanRadius},     {"E (MN/㎡)", hf::EModulus},
};

inline constexpr LabelledField kCsvCalibrationHeader[] = {
    {"調査名", hf::SurveyName},
    {"No.", hf::BoringNo},
    {"担当者", hf::Engineer},
    {"初期スタンドパイプの水位 (cm)", hf::StandpipeInitialLevel},
    {"挿入後スタンドパイプの水位 (cm)", hf::StandpipeInsertedLevel},
};

inline constexpr const char* kCsvKindLabel = "種類";
inline constexpr const char* kCsvKindTest = "孔内水平載荷試験";
inline constexpr const char* kCsvKindCalibration = "キャリブレーション";
inline constexpr const char* kCsvDateLabel = "試験日";
inline constexpr const char* kCsvCurveLabel = "キャリブレーション曲線";
inline constexpr const char* kCsvCurveRegression = "回帰曲線";
inline constexpr const char* kCsvCurveLinear = "直線近似";
inline constexpr const char* kCsvCoefficientLabels[5] = {"係数 c0", "係数 c1", "係数 c2", "係数 c3", "係数 c4"};

}  // namespace vek
