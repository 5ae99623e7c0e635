#include "io/record_csv.h"

#include <cstdlib>

#include "core/encoding.h"
#include "io/csv_text.h"
#include "io/record_csv_labels.h"

namespace vek {

namespace {

bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }

template <size_t N>
void AppendFields(CsvText& csv, const Record& record, const LabelledField (&fields)[N]) {
  for (const LabelledField& f : fields) csv.Pair(Sjis(f.label), record.Header(f.field));
}

// Date, curve kind and the five coefficients: what both records carry.
void AppendCurve(CsvText& csv, const Record& record) {
  csv.Pair(Sjis(kCsvCurveLabel),
           Sjis(std::atoi(record.Header(hf::CalCurveType).c_str()) != 0 ? kCsvCurveRegression : kCsvCurveLinear));
  for (int i = 0; i < 5; ++i) csv.Pair(Sjis(kCsvCoefficientLabels[i]), record.Header(hf::CalCoefficient1 + i));
}

void AppendTestSteps(CsvText& csv, const Record& test) {
  csv.Row({Sjis("段階"), Sjis("セル水圧 P (kN/㎡)"), Sjis("ガス圧 (kN/㎡)"), Sjis("15” (cm)"), Sjis("30” (cm)"),
           Sjis("60” (cm)"), Sjis("120” (cm)"), Sjis("ｄＨ (cm)"), Sjis("Ｈ (cm)"), Sjis("ＰG (kN/㎡)"),
           Sjis("ＰG-Ｐ (kN/㎡)"), Sjis("Ｐe (kN/㎡)"), Sjis("ｒ (cm)")});
  // The rows the data file holds: from row 1 while P or the gas pressure is a number.
  for (int r = 1; r <= kMaxTestRows; ++r) {
    const TestRow& row = test.TestRows[r];
    if (!IsNumber(row[tf::Pressure]) && !IsNumber(row[tf::GasPressure])) break;
    const std::string step = std::to_string(r);
    csv.Row({step, row[1], row[2], row[3], row[4], row[5], row[6], row[7], row[8], row[9], row[10], row[11],
             row[12]});
  }
}

void AppendCalibrationRows(CsvText& csv, const Record& cal) {
  csv.Row({Sjis("行"), Sjis("セル水圧 P (kN/㎡)"), Sjis("Ｈ’ (cm)"), Sjis("Ｈ (cm)")});
  for (int r = 1; r <= kMaxCalRows; ++r) {
    const CalRow& row = cal.CalRows[r];
    if (!IsNumber(row[cf::Pressure]) && !IsNumber(row[cf::Reading])) break;
    csv.Row({std::to_string(r), row[1], row[2], row[3]});
  }
}

}  // namespace

std::string RecordCsv(const RecordStore& store, int sheet) {
  CsvText csv;
  if (sheet == kCalibrationSheet) {
    const Record& cal = store.calibration;
    csv.Pair(Sjis(kCsvKindLabel), Sjis(kCsvKindCalibration));
    AppendFields(csv, cal, kCsvCalibrationHeader);
    csv.Pair(Sjis(kCsvDateLabel), DateText(cal));
    AppendCurve(csv, cal);
    csv.EmptyRow();
    AppendCalibrationRows(csv, cal);
    return csv.Cp932();
  }
  const Record& test = store.test;
  csv.Pair(Sjis(kCsvKindLabel), Sjis(kCsvKindTest));
  AppendFields(csv, test, kCsvTestHeader);
  csv.Pair(Sjis(kCsvDateLabel), DateText(test));
  AppendCurve(csv, test);
  csv.EmptyRow();
  AppendFields(csv, test, kCsvTestResults);
  csv.EmptyRow();
  AppendTestSteps(csv, test);
  return csv.Cp932();
}

std::string SummaryCsv(const std::vector<SummaryRow>& rows, CsvEncoding encoding,
                       std::vector<std::string>* unconvertible) {
  CsvText header;
  header.Row({Sjis("ファイル"), Sjis("調査名"), Sjis("ボーリングNo."), Sjis("測定深度 (GL. m)"), Sjis("試験日"),
           Sjis("Po (kN/㎡)"), Sjis("Py (kN/㎡)"), Sjis("Pl (kN/㎡)"), Sjis("K (MN/m3)"), Sjis("rm (cm)"),
           Sjis("E (MN/㎡)"), Sjis("Po 段階"), Sjis("Py’ 段階"), Sjis("Pl’ 段階"),
           Sjis("キャリブレーションファイル")});
  std::string out = EncodeCsv(header.Cp932(), encoding);
  for (const SummaryRow& r : rows) {
    // The record's texts are CP932; the file name is the system's own (UTF-8) and goes in as such.
    CsvText rest;
    rest.Row({r.surveyName, r.boringNo, r.depth, r.date, r.po, r.py, r.pl, r.k, r.rm, r.e, r.poStep, r.pyStep,
              r.plStep, r.calFile});
    std::string name = r.file;
    if (encoding == CsvEncoding::Cp932) {
      std::optional<std::string> cp932 = TryUtf8ToCp932(r.file);
      if (!cp932 && unconvertible) unconvertible->push_back(r.file);
      name = cp932 ? *cp932 : Sjis(r.file);
      out += CsvField(name) + "," + rest.Cp932();
    } else {
      out += CsvField(name) + "," + Cp932ToUtf8(rest.Cp932());
    }
  }
  return out;
}

}  // namespace vek
