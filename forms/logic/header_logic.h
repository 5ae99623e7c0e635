#pragma once
// What the calibration header form and the test header form share: the working copy of the record,
// the curve-type choice, the era presets, the engineer list and the commit of the copy on OK.
#include <span>
#include <string>
#include <vector>

#include "core/form_outcome.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "forms/logic/record_working_copy.h"
#include "render/heading_block.h"

namespace vek {

class DrawDevice;

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

// The header forms' notice of heading values the sheet prints smaller, naming them by the form
// labels given (UTF-8): "「調査名」は印刷時に縮小されます", several joined by "、". Empty without labels.
std::string CondensedNotice(std::span<const std::string> labels);

// A header field as the form now shows it (CP932, as typed).
struct ShownField {
  int field = 0;
  TextField text;
};

class HeaderLogic {
 public:
  virtual ~HeaderLogic() = default;

  // The form's text of header field n (CP932, as typed). Only the form's own fields take a text;
  // the others keep the record's.
  const TextField& Field(int n) const { return copy_.Copy().Header(n); }
  void SetField(int n, TextField text);

  // The form's copy of the store, as the form has changed it so far.
  const RecordStore& Working() const { return copy_.Work(); }

  // Method radio: 0 "直線近似", 1 "回帰曲線　".
  int CurveType() const { return curveType_; }
  void SetCurveType(int index) { curveType_ = index; }

  // Names offered by the engineer combo (CP932, list order).
  const std::vector<std::string>& Engineers() const { return engineers_; }

  // The heading values the record's sheet would print smaller than the heading font, to fit them in
  // their place, if the form's texts `shown` went back now (with what OK does to them), measured on
  // `device`: a device that only measures, and measures text as the printer does at its resolution.
  // Each value as those of its fields the form shows (the date: era, year, month, day), in the order
  // the sheet prints them; a value of no field of the form is left out.
  std::vector<HeadingFields> CondensedValues(DrawDevice& device, std::span<const ShownField> shown) const;

  // The form's after-step, run by its command when the form has closed: on OK the copy goes back
  // when it differs from the record (only then is the record recomputed), and the outcome says so.
  virtual FormOutcome Finish(bool accepted, MessageSink& sink) = 0;

 protected:
  // Copies the record of `sheet` (both its header and its rows) and reads the engineer list.
  HeaderLogic(RecordStore& store, const SheetSettings& settings, int sheet, size_t engineerLineBytes);

  // The header fields the form shows and edits (field 21 is the radio).
  virtual std::span<const int> FormFields() const = 0;
  bool IsFormField(int field) const;

  // What OK does to the form's texts before they go back (nothing, unless a form has a rule).
  virtual void ApplyAcceptRules(Record&) const {}

  // OK: field 21 becomes "1" for a radio index of 1 or more, else "0", and the copy replaces the
  // record when it differs. True when the record changed.
  bool CommitCopy();

  RecordWorkingCopy copy_;
  RecordStore& store_;
  const SheetSettings& settings_;

 private:
  int sheet_;
  int curveType_ = 0;
  std::vector<std::string> engineers_;
};

}  // namespace vek
