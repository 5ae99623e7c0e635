#include "io/settings_header_defaults.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "io/int_text.h"

namespace vek {

namespace {

// Below 0.1, or not a finite number at all ("nan", "inf" would poison every computation).
bool IsSmall(const TextField& text) {
  double v = std::atof(text.c_str());
  return !std::isfinite(v) || v < 0.1;
}

void SetIfSmall(TextField& field, double value) {
  if (!IsSmall(field)) return;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.4f", value);
  field = buf;
}

void SetIfEmpty(TextField& field, const TextField& value) {
  if (field.empty()) field = value;
}

}  // namespace

void FillHeaderDefaults(const SheetSettings& settings, RecordStore& store) {
  Record& test = store.test;
  Record& cal = store.calibration;

  SetIfSmall(test.Header(hf::SondeRadius), settings.DefaultSondeRadius);
  SetIfSmall(test.Header(hf::SondeLength), settings.DefaultSondeLength);
  SetIfSmall(test.Header(hf::StandpipeArea), settings.DefaultStandpipeArea);

  if (IsSmall(test.Header(hf::PeScaleMax))) test.Header(hf::PeScaleMax) = "1600";
  if (IsSmall(test.Header(hf::PeScaleStep))) {
    double span = std::atof(test.Header(hf::PeScaleMax).c_str()) - std::atof(test.Header(hf::PeScaleMin).c_str());
    test.Header(hf::PeScaleStep) = TruncatedIntText(span * 0.25);
  }

  SetIfEmpty(cal.Header(hf::TableTitle), Sjis("キャリブレーション測定表"));
  SetIfEmpty(cal.Header(hf::GraphTitle), Sjis("キャリブレーショングラフ"));

  for (Record* r : {&test, &cal}) {
    SetIfEmpty(r->Header(hf::SurveyNameCaption), settings.SystemSurveyNameLabel);
    SetIfEmpty(r->Header(hf::EngineerCaption), settings.SystemEngineerLabel);
    SetIfEmpty(r->Header(hf::NoCaption), settings.SystemNoLabel);
    SetIfEmpty(r->Header(hf::CompanyName), settings.SystemCompanyName);
  }
  SetIfEmpty(test.Header(hf::FormulaTitle), settings.SystemFormulaTitle);
}

}  // namespace vek
