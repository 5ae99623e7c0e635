#include "io/record_csv_import.h"

#include <cstdlib>
#include <optional>

#include "core/encoding.h"
#include "core/site_summary.h"
#include "io/record_csv_labels.h"
#include "io/storable_text.h"
#include "io/table_text.h"

namespace vek {

namespace {

template <size_t N>
std::optional<int> FieldOf(std::string_view label, const LabelledField (&fields)[N]) {
  for (const LabelledField& f : fields) {
    if (label == f.label) return f.field;
  }
  return std::nullopt;
}

std::optional<int> HeaderFieldOf(std::string_view label, DataKind kind) {
  for (int i = 0; i < 5; ++i) {
    if (label == kCsvCoefficientLabels[i]) return hf::CalCoefficient1 + i;
  }
  if (kind == DataKind::Calibration) return FieldOf(label, kCsvCalibrationHeader);
  if (auto f = FieldOf(label, kCsvTestHeader)) return f;
  return FieldOf(label, kCsvTestResults);
}

// "令和5年4月1日" -> era, year, month, day (CP932). False when the text is not such a date.
bool SplitDate(const TextField& text, std::array<TextField, 4>& parts) {
  static const TextField kYear = Sjis("年"), kMonth = Sjis("月"), kDay = Sjis("日");
  const size_t y = text.find(kYear);
  const size_t m = y == TextField::npos ? y : text.find(kMonth, y + kYear.size());
  const size_t d = m == TextField::npos ? m : text.find(kDay, m + kMonth.size());
  if (d == TextField::npos || d + kDay.size() != text.size()) return false;
  size_t yearStart = y;
  while (yearStart > 0 && ((text[yearStart - 1] >= '0' && text[yearStart - 1] <= '9') || text[yearStart - 1] == ' ')) {
    --yearStart;
  }
  parts = {text.substr(0, yearStart), text.substr(yearStart, y - yearStart),
           text.substr(y + kYear.size(), m - y - kYear.size()), text.substr(m + kMonth.size(), d - m - kMonth.size())};
  return true;
}

class ExportReader {
 public:
  ExportReader(DataKind kind, Record& record, CsvImportResult& result) : kind_(kind), record_(record), result_(result) {}

  void Pair(const TableRow& row) {
    const std::string& label = row.cells[0];
    const std::string value = row.cells.size() > 1 ? row.cells[1] : std::string();
    for (size_t c = 2; c < row.cells.size(); ++c) {
      if (!row.cells[c].empty()) Refuse(row, static_cast<int>(c) + 1, label, "余分な列です");
    }
    const std::optional<std::string> text = TryUtf8ToCp932(value);
    if (!text) return Refuse(row, 2, label, "ファイルに保存できない文字があります");
    if (!IsStorableHeaderText(*text)) return Refuse(row, 2, label, "改行または \"$$\" はファイルに保存できません");
    if (label == kCsvDateLabel) return Date(row, *text);
    if (label == kCsvCurveLabel) return Curve(row, value);
    if (const std::optional<int> field = HeaderFieldOf(label, kind_)) {
      record_.Header(*field) = *text;
      return;
    }
    Refuse(row, 1, label, "この項目は読めません");
  }

 private:
  void Refuse(const TableRow& row, int column, const std::string& name, std::string reason) {
    result_.refusals.push_back({row.line, column, name, std::move(reason)});
  }

  void Date(const TableRow& row, const TextField& text) {
    if (text == DateText(record_)) return;  // the record's own date, in whichever spelling it holds
    std::array<TextField, 4> parts;
    if (text.empty()) {
      parts = {record_.Header(hf::DateEra), {}, {}, {}};
    } else if (!SplitDate(text, parts)) {
      return Refuse(row, 2, kCsvDateLabel, "日付として読めません (例: 令和5年4月1日)");
    }
    record_.Header(hf::DateEra) = parts[0];
    record_.Header(hf::DateYear) = parts[1];
    record_.Header(hf::DateMonth) = parts[2];
    record_.Header(hf::DateDay) = parts[3];
  }

  void Curve(const TableRow& row, const std::string& value) {
    const bool regression = std::atoi(record_.Header(hf::CalCurveType).c_str()) != 0;
    if (value == kCsvCurveRegression) {
      if (!regression) record_.Header(hf::CalCurveType) = "1";
    } else if (value == kCsvCurveLinear) {
      if (regression) record_.Header(hf::CalCurveType) = "0";
    } else {
      Refuse(row, 2, kCsvCurveLabel, std::string("\"") + kCsvCurveRegression + "\" か \"" + kCsvCurveLinear + "\" です");
    }
  }

  DataKind kind_;
  Record& record_;
  CsvImportResult& result_;
};

bool StartsStepTable(const TableRow& row, DataKind kind) {
  return row.cells.size() > 2 && row.cells[0] == (kind == DataKind::Test ? "段階" : "行");
}

void StoreSteps(const StepRowsText& steps, DataKind kind, Record& record) {
  const int fields = StepFieldCount(kind);
  const int maxRows = kind == DataKind::Test ? kMaxTestRows : kMaxCalRows;
  for (int r = 1; r <= maxRows; ++r) {
    for (int f = 1; f <= fields; ++f) {
      TextField& cell = kind == DataKind::Test ? record.Test(r, f) : record.Cal(r, f);
      const size_t i = static_cast<size_t>(r - 1);
      cell = i < steps.rows.size() ? steps.rows[i].fields[f] : TextField{};
    }
  }
}

// A plain table brings new steps without their analysis: the chosen steps, results and formula lines
// of the starting record belong to other steps and would stand on the sheet as if they were these.
void ClearAnalysis(Record& test) {
  for (const LabelledField& f : kCsvTestResults) test.Header(f.field).clear();
  for (int f = hf::FormulaPlText; f <= hf::FormulaEText; ++f) test.Header(f).clear();
}

}  // namespace

CsvImportResult ImportRecordCsv(std::string_view bytes, DataKind kind, RecordStore& store) {
  CsvImportResult result;
  const std::vector<TableRow> rows = SplitTableText(DecodeTableFile(bytes));
  Record record = kind == DataKind::Test ? store.test : store.calibration;
  size_t stepStart = 0;
  const bool exported = !rows.empty() && !rows[0].cells.empty() && rows[0].cells[0] == kCsvKindLabel;
  if (!rows.empty() && !rows[0].cells.empty() && rows[0].cells[0] == kCsvKindLabel) {
    const std::string value = rows[0].cells.size() > 1 ? rows[0].cells[1] : std::string();
    const bool isTest = value == kCsvKindTest;
    if (!isTest && value != kCsvKindCalibration) {
      result.error = std::string("1 行目の種類が \"") + kCsvKindTest + "\" でも \"" + kCsvKindCalibration + "\" でもありません";
      return result;
    }
    if (isTest != (kind == DataKind::Test)) {
      result.error = std::string("CSV は") + (isTest ? "試験" : "キャリブレーション") + "のデータです。保存先の拡張子を " +
                     (isTest ? ".vdw" : ".cdw") + " にしてください";
      return result;
    }
    ExportReader reader(kind, record, result);
    stepStart = 1;
    for (; stepStart < rows.size() && !StartsStepTable(rows[stepStart], kind); ++stepStart) {
      if (!rows[stepStart].cells.empty() && !rows[stepStart].cells[0].empty()) reader.Pair(rows[stepStart]);
    }
  }
  const std::vector<TableRow> stepRows(rows.begin() + static_cast<std::ptrdiff_t>(stepStart), rows.end());
  const StepRowsText steps = ReadStepRows(stepRows, kind, kind == DataKind::Test ? kMaxTestRows : kMaxCalRows);
  result.refusals.insert(result.refusals.end(), steps.refusals.begin(), steps.refusals.end());
  if (steps.rows.empty() && result.refusals.empty()) result.error = "段階のデータがありません";
  if (!result.ok()) return result;
  StoreSteps(steps, kind, record);
  if (kind == DataKind::Test && !exported) ClearAnalysis(record);
  result.steps = static_cast<int>(steps.rows.size());
  if (kind == DataKind::Test) {
    store.test = record;
    store.RefreshTestCoefficients();
  } else {
    store.calibration = record;
  }
  return result;
}

}  // namespace vek
