#pragma once
// A filled-in heading (survey, date, engineer, soil, depths, levels) for tests that draw heading blocks.
#include "core/encoding.h"
#include "core/record_store.h"

namespace vek::testing {

inline void FillExampleHeading(Record& r) {
  r.Header(hf::SurveyNameCaption) = Sjis("調査名");
  r.Header(hf::SurveyName) = Sjis("北町地区調査");
  r.Header(hf::NoCaption) = Sjis("Ｎｏ．");
  r.Header(hf::BoringNo) = "B-1";
  r.Header(hf::DateEra) = Sjis("令和");
  r.Header(hf::DateYear) = "5";
  r.Header(hf::DateMonth) = "12";
  r.Header(hf::DateDay) = "1";
  r.Header(hf::EngineerCaption) = Sjis("担当者");
  r.Header(hf::Engineer) = Sjis("山田");
  r.Header(hf::SoilName) = Sjis("粘土");
  r.Header(hf::NValue) = "12";
  r.Header(hf::TestDepth) = "12.5";
  r.Header(hf::StandpipeInitialLevel) = "5";
  r.Header(hf::StandpipeInsertedLevel) = "12.25";
  r.Header(hf::PoissonRatio) = "0.3";
  r.Header(hf::PressureOffset) = "12.345";
}

}  // namespace vek::testing
