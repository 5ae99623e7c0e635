#include "settings/logic/lines_logic.h"

#include <cstdio>
#include <limits>

#include "settings/logic/entry_checks.h"
#include "settings/logic/settings_storage.h"

namespace vek {

namespace {

LinesField F(int i) { return static_cast<LinesField>(i); }
int I(LinesField f) { return static_cast<int>(f); }

// Integer edits: widths and lengths without an upper bound, margins with their ranges.
struct IntEdit {
  LinesField field;
  int SheetSettings::*setting;
  int max;  // kNoMax for a width or length
};
constexpr int kNoMax = std::numeric_limits<int>::max();
constexpr IntEdit kIntEdits[] = {
    {LinesField::FrameWidth, &SheetSettings::FrameLineWidth, kNoMax},
    {LinesField::RuleWidth, &SheetSettings::RuleLineWidth, kNoMax},
    {LinesField::SymbolWidth, &SheetSettings::SymbolLineWidth, kNoMax},
    {LinesField::GridWidth, &SheetSettings::GridLineWidth, kNoMax},
    {LinesField::GridDash, &SheetSettings::GridDashLength, kNoMax},
    {LinesField::GridGap, &SheetSettings::GridGapLength, kNoMax},
    {LinesField::RLineWidth, &SheetSettings::RLineWidth, kNoMax},
    {LinesField::DhLineWidth, &SheetSettings::DhLineWidth, kNoMax},
    {LinesField::GraphTop, &SheetSettings::GraphTopMargin, 220},
    {LinesField::GraphLeft, &SheetSettings::GraphLeftMargin, 200},
    {LinesField::FormulaTop, &SheetSettings::FormulaTopMargin, 250},
    {LinesField::FormulaLeft, &SheetSettings::FormulaLeftMargin, 200},
    {LinesField::TableTop, &SheetSettings::TableTopMargin, 220},
    {LinesField::TableLeft, &SheetSettings::TableLeftMargin, 200},
};

struct RealEdit {
  LinesField field;
  double SheetSettings::*setting;
};
constexpr RealEdit kRealEdits[] = {
    {LinesField::SondeRadius, &SheetSettings::DefaultSondeRadius},
    {LinesField::SondeLength, &SheetSettings::DefaultSondeLength},
    {LinesField::StandpipeArea, &SheetSettings::DefaultStandpipeArea},
};

struct TextEdit {
  LinesField field;
  TextField SheetSettings::*setting;
};
constexpr TextEdit kTextEdits[] = {
    {LinesField::GridColour, &SheetSettings::GridColour},
    {LinesField::RLineColour, &SheetSettings::RLineColour},
    {LinesField::DhLineColour, &SheetSettings::DhLineColour},
    {LinesField::SiFactor, &SheetSettings::SiFactor},
};

constexpr const char* kStandardRLineColour = "0x800000";
constexpr const char* kStandardDhLineColour = "0x006000";
// A colour text this short cannot name a colour of the "0x%06x" form.
constexpr size_t kShortestColourText = 2;

const IntEdit* FindIntEdit(LinesField field) {
  for (const IntEdit& e : kIntEdits) {
    if (e.field == field) return &e;
  }
  return nullptr;
}
const RealEdit* FindRealEdit(LinesField field) {
  for (const RealEdit& e : kRealEdits) {
    if (e.field == field) return &e;
  }
  return nullptr;
}

}  // namespace

std::string ProbeDefaultText(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", 15, value);
  return buf;
}

LinesLogic::LinesLogic(const SheetSettings& s)
    : rLineMode(s.RLineMode), dhLineMode(s.DhLineMode), showSiFactor(s.ShowSiFactor != 0) {
  for (const IntEdit& e : kIntEdits) Text(e.field) = std::to_string(s.*e.setting);
  for (const RealEdit& e : kRealEdits) Text(e.field) = ProbeDefaultText(s.*e.setting);
  for (const TextEdit& e : kTextEdits) Text(e.field) = s.*e.setting;
  if (Text(LinesField::RLineColour).size() <= kShortestColourText)
    Text(LinesField::RLineColour) = kStandardRLineColour;
  if (Text(LinesField::DhLineColour).size() <= kShortestColourText)
    Text(LinesField::DhLineColour) = kStandardDhLineColour;
  ChooseGridStyle(s.GridMonochrome == kMonochromeGrid ? kMonochromeGrid : kColourGrid);
}

void LinesLogic::ChooseGridStyle(int style) {
  gridStyle_ = style;
  if (gridStyle_ == kColourGrid) Text(LinesField::GridGap) = "0";
}

const char* LinesLogic::GridNote() const {
  return gridStyle_ == kColourGrid ? "実線のみ描画可能　" : "空白部=0で実線を描画";
}

bool LinesLogic::IsColourField(LinesField field) {
  return field == LinesField::GridColour || field == LinesField::RLineColour ||
         field == LinesField::DhLineColour;
}

void LinesLogic::SetStandardValues() {
  constexpr std::pair<LinesField, const char*> kStandard[] = {
      {LinesField::FrameWidth, "2"},       {LinesField::RuleWidth, "1"},
      {LinesField::SymbolWidth, "2"},      {LinesField::GridWidth, "1"},
      {LinesField::GridDash, "5"},         {LinesField::GridGap, "5"},
      {LinesField::RLineWidth, "1"},       {LinesField::DhLineWidth, "1"},
      {LinesField::SondeRadius, "4"},      {LinesField::SondeLength, "60"},
      {LinesField::StandpipeArea, "108.5"}, {LinesField::SiFactor, "100.0"},
      {LinesField::GraphTop, "20"},        {LinesField::GraphLeft, "15"},
      {LinesField::FormulaTop, "20"},      {LinesField::FormulaLeft, "15"},
      {LinesField::TableTop, "20"},        {LinesField::TableLeft, "15"},
      {LinesField::GridColour, "0x808080"}, {LinesField::RLineColour, kStandardRLineColour},
      {LinesField::DhLineColour, kStandardDhLineColour},
  };
  for (const auto& [field, text] : kStandard) Text(field) = text;
  showSiFactor = false;
  rLineMode = 0;
  dhLineMode = 0;
  ChooseGridStyle(kColourGrid);
}

std::optional<LinesField> LinesLogic::Commit(SheetSettings& s, MessageSink& sink) const {
  for (int i = 0; i < kLinesFieldCount; ++i) {
    const std::string& text = texts_[i];
    bool accepted = true;
    if (const IntEdit* e = FindIntEdit(F(i))) {
      accepted = e->max == kNoMax ? CheckCountEntry(text, sink) : CheckIntegerInRange(text, 0, e->max, sink);
    } else if (FindRealEdit(F(i))) {
      accepted = CheckNumberEntry(text, sink);
    }
    if (!accepted) return F(i);
  }
  for (const IntEdit& e : kIntEdits) s.*e.setting = *ParseIntegerEntry(texts_[I(e.field)]);
  for (const RealEdit& e : kRealEdits) s.*e.setting = *ParseNumberEntry(texts_[I(e.field)]);
  for (const TextEdit& e : kTextEdits) s.*e.setting = texts_[I(e.field)];
  s.GridMonochrome = gridStyle_;
  s.RLineMode = rLineMode;
  s.DhLineMode = dhLineMode;
  s.ShowSiFactor = showSiFactor ? 1 : 0;
  StoreSystemSettings(s, sink);
  return std::nullopt;
}

}  // namespace vek
