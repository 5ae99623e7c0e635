#include "forms/logic/cal_header_logic.h"

#include "core/cal_curve.h"
#include "io/calibration_note.h"
#include "io/master_list.h"
#include "io/record_commands.h"

namespace vek {

namespace {

// The fields the calibration form shows and writes back (field 21 is the radio).
constexpr int kCalFormFields[] = {
    hf::SurveyName, hf::BoringNo,  hf::StandpipeInitialLevel, hf::StandpipeInsertedLevel,
    hf::DateEra,    hf::DateYear,  hf::DateMonth,             hf::DateDay,
    hf::Engineer,   hf::Memo,      hf::TableTitle,            hf::GraphTitle,
    hf::CompanyName, hf::NoCaption, hf::SurveyNameCaption};

}  // namespace

CalHeaderLogic::CalHeaderLogic(RecordStore& store, const SheetSettings& settings)
    : HeaderLogic(store, settings, kCalibrationSheet, kCalHeaderLineBytes) {}

std::span<const int> CalHeaderLogic::FormFields() const { return kCalFormFields; }

std::string CalHeaderLogic::FileNote() const { return CalibrationFormNote(store_); }

FormOutcome CalHeaderLogic::Finish(bool accepted, MessageSink& sink) {
  const bool changed = accepted && CommitCopy();
  if (changed) RecomputeCalH(store_.calibration);
  RefitCalibration(store_, sink);
  return {accepted, changed};
}

}  // namespace vek
