#include "forms/logic/analysis_logic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/header_fields.h"
#include "core/number_format.h"
#include "core/step_suggestion.h"

namespace vek {

namespace {

constexpr int kFormulaFields[AnalysisLogic::kFormulaLines] = {hf::FormulaPlText, hf::FormulaPyText, hf::FormulaPoText,
                                                            hf::FormulaKText1,  hf::FormulaKText2, hf::FormulaEText};
constexpr int kPeScaleFields[3] = {hf::PeScaleMin, hf::PeScaleMax, hf::PeScaleStep};
constexpr double kPeStepMin = 0.001, kPeStepMax = 10000;
constexpr double kDefaultProbeRadius = 4.0;  // cm, when the record has none
constexpr double kRAxisSpan = 3.0;           // cm
constexpr double kDefaultPeFrom = 0, kDefaultPeTo = 1600;

double FieldValue(const Record& record, int field) { return std::atof(record.Header(field).c_str()); }

// A whole decimal number, blanks around it allowed (the text of a number edit at OK).
bool ParseNumberText(const std::string& text, double& out) {
  if (text.find_first_not_of("0123456789+-.eE \t") != std::string::npos) return false;
  const char* begin = text.c_str();
  char* end = nullptr;
  out = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(out)) return false;
  while (*end == ' ' || *end == '\t') ++end;
  return *end == '\0';
}

}  // namespace

AnalysisLogic::AnalysisLogic(RecordStore& store, const SheetSettings& settings, MessageSink& sink)
    : copy_(store, kTestSheet), store_(copy_.Work()), settings_(settings), sink_(sink) {
  const Record& test = store_.test;
  n_ = AnalysableRowCount(store_);
  chosen_ = DefaultAnalysisRows(store_, n_);
  shown_ = chosen_;
  for (int type : {kPo, kPy, kPl}) {
    if (ChosenOf(type) > 0) ShowStepValues(type, ChosenOf(type));
  }
  result_ = StoredAnalysis(store_, chosen_);
  for (int k = 0; k < kFormulaLines; ++k) lines_[k] = test.Header(kFormulaFields[k]);
  hidePl_ = std::atoi(test.Header(hf::HidePl).c_str()) != 0;
  for (int k = 0; k < 3; ++k) peScale_[k] = FormatDouble("%g", FieldValue(test, kPeScaleFields[k]));
  int rFloor = static_cast<int>(std::floor(FieldValue(test, hf::SondeRadius)));
  if (rFloor <= 0) rFloor = 4;
  rAxisFrom_ = FormatText("%d", rFloor);
  rAxisTo_ = FormatText("%d", rFloor + 3);
}

int& AnalysisLogic::ChosenOf(int type) {
  return type == kPo ? chosen_.po : type == kPy ? chosen_.py : chosen_.pl;
}

int AnalysisLogic::ShownOf(int type) const { return type == kPo ? shown_.po : type == kPy ? shown_.py : shown_.pl; }

void AnalysisLogic::ShowStepValues(int type, int row) {
  stepR_[Index(type)] = FormatText("%.4f", std::atof(store_.test.Test(row, tf::R).c_str()));
  stepPe_[Index(type)] = FormatText("%.2f", std::atof(store_.test.Test(row, tf::Pe).c_str()));
}

void AnalysisLogic::ChooseType(int type) {
  type_ = std::clamp(type, static_cast<int>(kPo), static_cast<int>(kPl));
  cursor_ = ChosenOf(type_);
  for (int other : {kPo, kPy, kPl}) {
    if (other == type_) continue;
    (other == kPo ? shown_.po : other == kPy ? shown_.py : shown_.pl) = ChosenOf(other);
  }
  Redraw();
}

// Every arrow press draws the graph once; with a cursor the current type's step follows it.
void AnalysisLogic::MoveCursorTo(int row) {
  cursor_ = row;
  Redraw();
  if (cursor_ < 1) return;
  ShowStepValues(type_, cursor_);
  ChosenOf(type_) = cursor_;
}

void AnalysisLogic::StepUp() {
  MoveCursorTo(cursor_ == 0 ? ShownOf(type_) : std::min(cursor_ + 1, n_));
}

void AnalysisLogic::StepDown() {
  MoveCursorTo(cursor_ == 0 ? ShownOf(type_) : std::max(cursor_ - 1, 1));
}

bool AnalysisLogic::ChooseAt(int x, int y, int width, int height) {
  if (!drawn_) return false;
  const int row = AnalysisGraphRowAt(GraphView(), width, height, x, y);
  if (row == 0) return false;
  MoveCursorTo(row);
  return true;
}

void AnalysisLogic::ShowChosen() {
  shown_ = chosen_;
  cursor_ = 0;
  Redraw();
}

bool AnalysisLogic::Suggest() {
  const StepSuggestion s = SuggestAnalysisRows(store_);
  if (s.reason == NoSuggestion::ValueNotFinite) {
    sink_.Show(msg::SuggestionValueNotFinite, std::to_string(s.badStep));
    return false;
  }
  if (!s.found) {
    sink_.Show(msg::TooFewStepsToSuggest, std::to_string(kMinStepsForSuggestion), std::to_string(s.analysable));
    return false;
  }
  chosen_ = s.rows;
  for (int type : {kPo, kPy, kPl}) ShowStepValues(type, ChosenOf(type));
  ShowChosen();
  return true;
}

void AnalysisLogic::UpdateFormula() {
  AnalysisResult r;
  if (!UpdateAnalysis(store_, settings_, chosen_, n_, sign_, r)) return;
  result_ = r;
  shown_ = chosen_;
  const TextField* texts[kFormulaLines] = {&r.plText, &r.pyText, &r.poText, &r.kText1, &r.kText2, &r.eText};
  for (int k = 0; k < kFormulaLines; ++k) lines_[k] = *texts[k];
  changed_ = true;
}

void AnalysisLogic::Redraw() {
  bool bad = false;
  double ro = FieldValue(store_.test, hf::SondeRadius);
  if (ro <= 0) {
    ro = kDefaultProbeRadius;
    bad = true;
  }
  rFrom_ = ro;
  rTo_ = ro + kRAxisSpan;
  peFrom_ = std::atof(peScale_[kPeMin].c_str());
  peTo_ = std::atof(peScale_[kPeMax].c_str());
  if (!(peTo_ - peFrom_ >= 0.1)) {
    peFrom_ = kDefaultPeFrom;
    peTo_ = kDefaultPeTo;
    bad = true;
  }
  if (bad) sink_.Show(msg::BadScale);
  peAxisFrom_ = FormatDouble("%g", peFrom_);
  peAxisTo_ = FormatDouble("%g", peTo_);
  drawn_ = true;
}

AnalysisGraphView AnalysisLogic::GraphView() const {
  AnalysisGraphView v;
  v.store = &store_;
  v.analysable = n_;
  v.shown = shown_;
  v.cursor = cursor_;
  v.currentType = type_;
  v.rFrom = rFrom_;
  v.rTo = rTo_;
  v.peFrom = peFrom_;
  v.peTo = peTo_;
  return v;
}

void AnalysisLogic::DrawGraph(DrawDevice& device, int width, int height) const {
  if (drawn_) DrawAnalysisGraph(device, GraphView(), width, height);
}

AnalysisLogic::Field AnalysisLogic::Commit() {
  static constexpr Field kScaleField[3] = {Field::PeMin, Field::PeMax, Field::PeStep};
  double scale[3] = {};
  for (int k = 0; k < 3; ++k) {
    if (!ParseNumberText(peScale_[k], scale[k])) {
      sink_.Show(msg::EnterNumber);
      return kScaleField[k];
    }
  }
  if (scale[kPeStep] < kPeStepMin || scale[kPeStep] > kPeStepMax) {
    sink_.Show(msg::EnterNumberRange, FormatDouble("%g", kPeStepMin), FormatDouble("%g", kPeStepMax));
    return Field::PeStep;
  }
  Record& test = store_.test;
  for (int k = 0; k < kFormulaLines; ++k) test.Header(kFormulaFields[k]) = lines_[k];
  test.Header(hf::HidePl) = FormatText("%d", hidePl_ ? 1 : 0);
  for (int k = 0; k < 3; ++k) test.Header(kPeScaleFields[k]) = FormatDouble("%g", scale[k]);
  AnalysisResult stored = result_;
  stored.rows = chosen_;
  StoreAnalysis(store_, stored);
  recordChanged_ = copy_.Commit();
  return Field::None;
}

}  // namespace vek
