#pragma once
// What the calibration header form and the test header form share: the working copy of the header
// fields, the curve-type choice, the era presets, the engineer list and the copy back of a form's
// own field set.
#include <span>
#include <string>
#include <vector>

#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

// Byte limits of the header entries: a header field is one line of the data file, and the reader
// that loads recent and command-line files takes 400 bytes a line; the depth and the water level are
// read back with 31 bytes when OK applies their sign rule.
constexpr int kHeaderTextBytes = 400;
constexpr int kSignedLevelBytes = 31;

// The era combo's presets (CP932), in list order; the combo also takes free text.
std::span<const std::string> EraPresets();

// The plain number typed into a depth or water-level field as a GL value: "-" in front of a
// non-empty, number-like text that holds neither "+" nor "-" anywhere. Other texts come back as
// they are; `changed` tells whether the sign was added.
TextField WithGlSign(const TextField& text, bool* changed = nullptr);

class HeaderFormLogic {
 public:
  virtual ~HeaderFormLogic() = default;

  // The form's text of header field n (CP932, as typed).
  const TextField& Field(int n) const { return fields_[n]; }
  void SetField(int n, TextField text) { fields_[n] = std::move(text); }

  // Method radio: 0 "直線近似", 1 "回帰曲線　".
  int CurveType() const { return curveType_; }
  void SetCurveType(int index) { curveType_ = index; }

  // Names offered by the engineer combo (CP932, list order).
  const std::vector<std::string>& Engineers() const { return engineers_; }

  // The form's after-step, run by its command when the form has closed.
  virtual void Finish(bool accepted, MessageSink& sink) = 0;

 protected:
  HeaderFormLogic(RecordStore& store, const SheetSettings& settings, const Record& record,
                  size_t engineerLineBytes);

  // Copies the given fields back into the record; field 21 becomes "1" for a radio index of 1 or
  // more, else "0".
  void CopyBack(Record& record, std::span<const int> fields) const;

  RecordStore& store_;
  const SheetSettings& settings_;

 private:
  std::array<TextField, kHeaderSlots> fields_;
  int curveType_ = 0;
  std::vector<std::string> engineers_;
};

}  // namespace vek
