#pragma once
// The calibration header form ("キャリブレーション見出し"): the header of the calibration record.
#include "forms/logic/header_logic.h"

namespace vek {

class CalHeaderLogic : public HeaderLogic {
 public:
  // Copies the calibration header in and reads the engineer list (59 bytes a line).
  CalHeaderLogic(RecordStore& store, const SheetSettings& settings);

  // On OK the form's fields go back and, when they changed the record, column 3 (H) is recomputed
  // from H' and the initial level; on OK and on Cancel alike the calibration curve is refitted.
  FormOutcome Finish(bool accepted, MessageSink& sink) override;

  // Which calibration file the form edits, and whether the test's sheet uses another one (UTF-8).
  std::string FileNote() const;

 protected:
  std::span<const int> FormFields() const override;
};

}  // namespace vek
