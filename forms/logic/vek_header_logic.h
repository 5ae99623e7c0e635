#pragma once
// The test header form ("ＶＥK見出し"): the header of the test record, and the calibration file the
// test is bound to ("開く": its rows and coefficients are taken over into the test record).
#include <optional>
#include <string_view>

#include "forms/logic/header_logic.h"
#include "io/data_file_attach.h"
#include "io/file_chooser.h"

namespace vek {

class DrawDevice;

// Filter of the "開く" chooser.
inline constexpr std::string_view kAttachCalFilter = "キャリブレーションV5.V4.V3形式(*.cdw)|*.cdw|すべて(*.*)|*.*||";

class TestHeaderLogic : public HeaderLogic {
 public:
  // Copies the test record in and reads the engineer and soil lists (79 bytes a line; the soil list
  // falls back to "シルト", "粘土", "砂").
  TestHeaderLogic(RecordStore& store, const SheetSettings& settings);

  const std::vector<std::string>& Soils() const { return soils_; }

  // "←" beside the graph title (23), the data-table title (22) or the formula title (48): the
  // system title goes into the field; message 4007 and no change when it is empty.
  bool CopySystemTitle(int field, MessageSink& sink);

  // The depth (3) or water-level (15) field lost the focus: a plain number gets its "-". True when
  // the text changed (the form then holds changes).
  bool LeaveLevelField(int field);

  // What "開く" asks the chooser for: the filter above, "cdw", the folder of FileV.ndx line 1.
  FileChooserRequest AttachRequest() const;
  // "開く": chooser, then the calibration file taken over into the form's copy of the test record.
  // The file name goes into field 20 and the preview is recounted when it was taken over. Nothing
  // when cancelled.
  std::optional<AttachResult> OpenCalibration(FileChooser& chooser, MessageSink& sink);

  // Calibration preview: rows from 1 whose P (column 1) and H (column 3) are both number-like.
  int RecountPreview();
  int PreviewRows() const { return previewRows_; }
  // White area, origin bottom-left; P from -2..300 across, H from -2..82 upwards; grey circles.
  void DrawPreview(DrawDevice& device, int width, int height) const;

  // Cancel asks question 132 only when this is set.
  bool HasChanges() const { return changed_; }

  // OK: the depth and water-level sign rule, message 4009 for a water level outside -1000..1000
  // (the form still closes). Call before Finish(true).
  void Accept(MessageSink& sink);

  // OK: the copy (fields 1-13, 15-24, 45-48 and a calibration taken over by "開く") goes back, the
  // checks 4013 / 4011 / 4010 warn and, when the record changed, the reduction runs. Cancel drops the
  // copy, a calibration taken over with it, so the test never keeps the rows of one calibration
  // under the name of another.
  FormOutcome Finish(bool accepted, MessageSink& sink) override;

 protected:
  std::span<const int> FormFields() const override;
  // The depth and the water level get their sign.
  void ApplyAcceptRules(Record& record) const override;

 private:
  std::vector<std::string> soils_;
  bool changed_ = false;
  int previewRows_ = 0;
};

}  // namespace vek
