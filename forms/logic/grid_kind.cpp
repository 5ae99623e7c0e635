#include "forms/logic/grid_kind.h"

#include <cmath>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "forms/logic/small_plot.h"
#include "io/calibration_lookup.h"
#include "io/record_commands.h"

namespace vek {

namespace {

bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }

// "キャリブレーションデータ": P, H' and the derived H of CalRows; P over H on fixed axes.
class CalibrationKind final : public GridKind {
 public:
  using GridKind::Cell;
  const GridLayout& Layout() const override {
    static constexpr GridLayout kLayout{kMaxCalRows, 3, kCalFieldCount, 1, "圧力", cf::Pressure, cf::H, false,
                                        {"セル水圧", "Ｈ’ cm", "Ｈ cm"}};
    return kLayout;
  }
  DataKind FileKind() const override { return DataKind::Calibration; }
  Record& RecordOf(RecordStore& store) const override { return store.calibration; }
  TextField& Cell(Record& record, int line, int column) const override { return record.Cal(line, column); }
  bool IsColumnEditable(int column, bool) const override { return column == cf::Pressure || column == cf::Reading; }
  bool IsEntryWritten(int column) const override { return column != cf::H; }
  bool EditRecomputes(int column, bool) const override { return column == cf::Reading; }
  bool LeavingRecomputes(int column, bool) const override { return column == cf::Reading; }
  bool WarnsWithoutReading() const override { return true; }
  int FocusAfterAdd(bool autoP, bool) const override { return autoP ? cf::Reading : cf::Pressure; }
  bool& AutoIncrementOf(AutoIncrementMemory& memory, int) const override { return memory.calibrationP; }
  void RecomputeLine(RecordStore& copy, int line, const SheetSettings&) const override { RecomputeCalLine(copy, line); }
  void PrepareCopy(RecordStore&, const SheetSettings&) const override {}
  void CompleteCopy(RecordStore& copy, const SheetSettings&, MessageSink&) const override {
    CompleteCalibrationH(copy.calibration);
  }
  void AfterClose(RecordStore& store, MessageSink& sink) const override { RefitCalibration(store, sink); }
  GraphScale Scale(const Record&, MessageSink&) const override { return {0, 300, 0, 80}; }
  std::array<std::string, 4> AxisLabels(const GraphScale&) const override { return {"0", "300", "0", "80"}; }
  TextField PointLabel(const Record& record, int line) const override {
    const auto cell = [&](int c) { return Cell(record, line, c); };
    return cell(1) + " (" + cell(2) + ") " + cell(3);
  }
};

// "ヴェクデータ": the six readings of TestRows, reduced line by line; Pe over r from the header's scale.
class VekKind final : public GridKind {
 public:
  using GridKind::Cell;
  const GridLayout& Layout() const override {
    static constexpr GridLayout kLayout{kMaxTestRows, 6, kTestFieldCount, 2, "深度", tf::R, tf::Pe, true,
                                        {"セル水圧P", "ガス圧", "15”", "30”", "60”", "120”"}};
    return kLayout;
  }
  DataKind FileKind() const override { return DataKind::Test; }
  Record& RecordOf(RecordStore& store) const override { return store.test; }
  TextField& Cell(Record& record, int line, int column) const override { return record.Test(line, column); }
  bool IsColumnEditable(int column, bool uses120) const override { return column != tf::Reading120 || uses120; }
  bool EditRecomputes(int, bool) const override { return true; }
  bool LeavingRecomputes(int column, bool uses120) const override {
    return column == tf::Reading60 || (column == tf::Reading120 && uses120);
  }
  int FocusAfterAdd(bool autoP, bool autoGas) const override {
    if (!autoP) return tf::Pressure;
    return autoGas ? tf::Reading15 : tf::GasPressure;
  }
  bool& AutoIncrementOf(AutoIncrementMemory& memory, int box) const override {
    return box == 0 ? memory.testP : memory.testGas;
  }
  bool HasShow120() const override { return true; }
  void RecomputeLine(RecordStore& copy, int line, const SheetSettings& settings) const override {
    ReduceTestLineProvisionally(copy, line, settings);
  }
  void PrepareCopy(RecordStore& copy, const SheetSettings& settings) const override {
    for (int line = 1; line <= kMaxTestRows; ++line) {
      if (IsNumber(copy.test.Test(line, tf::Pressure))) RecomputeLine(copy, line, settings);
    }
  }
  void CompleteCopy(RecordStore& copy, const SheetSettings& settings, MessageSink& sink) const override {
    ReduceTestRecord(copy, settings, sink, true);
  }
  void AfterClose(RecordStore&, MessageSink&) const override {}
  GraphScale Scale(const Record& record, MessageSink& sink) const override {
    int ro = static_cast<int>(std::floor(TextToDouble(record.Header(hf::SondeRadius))));
    if (ro <= 0) ro = 4;
    const AxisRange pe = CheckedRange(TextToDouble(record.Header(hf::PeScaleMin)),
                                      TextToDouble(record.Header(hf::PeScaleMax)), 0.1, 0, 1600);
    if (pe.replaced) sink.Show(msg::BadScale);
    return {static_cast<double>(ro), static_cast<double>(ro + 3), pe.from, pe.to};
  }
  std::array<std::string, 4> AxisLabels(const GraphScale& s) const override {
    return {FormatText("%d", static_cast<int>(s.xFrom)), FormatText("%d", static_cast<int>(s.xTo)),
            FormatDouble("%g", s.yFrom), FormatDouble("%g", s.yTo)};
  }
  TextField PointLabel(const Record& record, int line) const override {
    const auto cell = [&](int c) { return Cell(record, line, c); };
    return cell(1) + " (" + cell(3) + ", " + cell(4) + ", " + cell(5) + ")";
  }
  // Without the calibration table of an attached calibration no step reduces to Pe and r, so the
  // graph would stay empty without saying why.
  std::vector<std::string> GraphNotice(const Record& record) const override {
    if (IsNumber(record.Cal(1, cf::Pressure)) && IsNumber(record.Cal(1, cf::H))) return {};
    if (!NamesCalibration(record.Header(hf::CalFileName)))
      return {Sjis("キャリブレーション未添付"), Sjis("ＶＥＫ見出しの「開く」で"), Sjis("添付すると点が描かれます")};
    return {Sjis("添付したCALの"), Sjis("データが異常です")};
  }
};

}  // namespace

const GridKind& CalibrationGridKind() {
  static const CalibrationKind kind;
  return kind;
}

const GridKind& VekGridKind() {
  static const VekKind kind;
  return kind;
}

}  // namespace vek
