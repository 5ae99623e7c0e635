#pragma once
// The analysis form ("解析・計算経過式・目盛り") as plain C++: the three chosen steps (Po, Py', Pl')
// moved with the arrows, by a click on the graph or by the suggestion, the calculation text
// updated from them, the Pe scale of the result graph, and what OK writes back to the test record.
// The form works on a copy of the test record; only Finish after OK puts it back.
#include <array>
#include <string>

#include "core/analysis.h"
#include "core/form_outcome.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "forms/logic/analysis_graph.h"
#include "forms/logic/record_working_copy.h"

namespace vek {

class DrawDevice;

class AnalysisLogic {
 public:
  enum StepType { kPo = 1, kPy = 2, kPl = 3 };
  enum PeScale { kPeMin = 0, kPeMax = 1, kPeStep = 2 };
  // The field a refused OK names.
  enum class Field { None, PeMin, PeMax, PeStep };
  static constexpr int kFormulaLines = 6;  // Pl, Py, Po, K formula, K value, E

  // Opens on the test record: N, the initial chosen steps, the formula lines, "表示しない", the Pe
  // scale and the results as stored. The graph is not drawn until Redraw().
  AnalysisLogic(RecordStore& store, const SheetSettings& settings, MessageSink& sink);
  // The form refers to its own copy: it is not copied.
  AnalysisLogic(const AnalysisLogic&) = delete;
  AnalysisLogic& operator=(const AnalysisLogic&) = delete;

  int Analysable() const { return n_; }
  const AnalysisRows& Chosen() const { return chosen_; }
  const AnalysisRows& Shown() const { return shown_; }
  int CurrentType() const { return type_; }
  int Cursor() const { return cursor_; }
  int Sign() const { return sign_; }
  bool Changed() const { return changed_; }
  bool GraphDrawn() const { return drawn_; }

  // r ("%.4f") and Pe ("%.2f") of a type's chosen step, as the read-only edits show them.
  const std::string& StepRText(int type) const { return stepR_[Index(type)]; }
  const std::string& StepPeText(int type) const { return stepPe_[Index(type)]; }

  // The six formula lines (CP932), editable.
  const TextField& FormulaLine(int index) const { return lines_[index]; }
  void SetFormulaLine(int index, TextField text) { lines_[index] = std::move(text); }
  bool HidePl() const { return hidePl_; }
  void SetHidePl(bool hide) { hidePl_ = hide; }
  // The Pe scale edits, as typed.
  const std::string& PeScaleText(int which) const { return peScale_[which]; }
  void SetPeScaleText(int which, std::string text) { peScale_[which] = std::move(text); }

  // The read-only edits at the graph's axis ends: r from and to (from the probe radius), Pe from
  // and to (refreshed by every drawing).
  const std::string& RAxisFromText() const { return rAxisFrom_; }
  const std::string& RAxisToText() const { return rAxisTo_; }
  const std::string& PeAxisFromText() const { return peAxisFrom_; }
  const std::string& PeAxisToText() const { return peAxisTo_; }

  // The radio buttons "Po ", "Py'", "Pl'": the type the arrows move; the cursor goes to its chosen
  // step and the other types are shown at their chosen steps.
  void ChooseType(int type);
  // "↑" (next row, at most N) and "↓" (previous row, at least 1). Without a cursor the first press
  // puts the cursor on the current type's shown step. The current type's chosen step follows.
  void StepUp();
  void StepDown();
  // A click on the graph at device pixel (x, y) of a width x height frame: the step under it becomes
  // the current type's chosen step as if the arrows had moved there. False when no step is there.
  bool ChooseAt(int x, int y, int width, int height);
  // "グラフ描画": the chosen steps are shown, the cursor cleared.
  void ShowChosen();
  // "推奨点": the suggested steps become the chosen (and shown) steps. Fewer than five analysable
  // steps: the form says why and nothing changes (false).
  bool Suggest();
  // The sign radios "・ ", "x ", "* " (1-3); used by the next update.
  void SetSign(int sign) { sign_ = sign; }
  // "経過式更新": the analysis from the chosen steps; refills the formula lines and marks the form
  // changed. Nothing at all happens with N = 0.
  void UpdateFormula();

  // Works out the scales (message 4008 and the replacement scales when they are unusable) and
  // refreshes the Pe axis edits; the graph is drawn from these until the next Redraw.
  void Redraw();
  void DrawGraph(DrawDevice& device, int width, int height) const;
  AnalysisGraphView GraphView() const;

  // OK: checks the Pe scale (numbers; the step within 0.001-10000), then writes the formula lines,
  // "表示しない", the Pe scale, the chosen steps and the results into the form's copy of the test
  // record and the copy into the record when they differ. Returns the refused field (nothing
  // written) or Field::None.
  Field Commit();

  // After the form has closed: whether OK closed it and changed the test record.
  FormOutcome Finish(bool accepted) const { return {accepted, accepted && recordChanged_}; }

 private:
  static int Index(int type) { return type - 1; }
  int& ChosenOf(int type);
  int ShownOf(int type) const;
  void ShowStepValues(int type, int row);
  void MoveCursorTo(int row);

  RecordWorkingCopy copy_;
  // The copy as a store: everything the form reads and writes.
  RecordStore& store_;
  const SheetSettings& settings_;
  MessageSink& sink_;
  int n_ = 0;
  AnalysisRows chosen_, shown_;
  int type_ = kPo;
  int cursor_ = 0;
  int sign_ = 1;
  bool changed_ = false;
  bool recordChanged_ = false;
  bool drawn_ = false;
  AnalysisResult result_;
  std::array<std::string, 3> stepR_, stepPe_;
  std::array<TextField, kFormulaLines> lines_;
  bool hidePl_ = false;
  std::array<std::string, 3> peScale_;
  std::string rAxisFrom_, rAxisTo_, peAxisFrom_, peAxisTo_;
  double rFrom_ = 4, rTo_ = 7, peFrom_ = 0, peTo_ = 1600;
};

}  // namespace vek
