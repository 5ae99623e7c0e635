#include "core/analysis.h"

#include <algorithm>
#include <cstdlib>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/number_format.h"

namespace vek {

namespace {

constexpr int kMaxDigits = 6;

bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }

// Column of a test row, read as atof; rows outside the table read as empty (0).
double TestValue(const RecordStore& store, int row, int field) {
  if (row < 1 || row > kMaxTestRows) return 0.0;
  return TextToDouble(store.test.Test(row, field));
}

struct LineTexts {
  TextField plBare = "Pl=", pyBare = "Py=", poBare = "Po=", kBare = "K =", eBare = "E =";
  TextField eTemplate = Sjis("E =%4.2f%s%s%s%s=%s(MN/㎡)");
  TextField sign1 = Sjis("･");
};

const LineTexts& Texts() {
  static const LineTexts texts;
  return texts;
}

}  // namespace

int AnalysableRowCount(const RecordStore& store) {
  int n = 0;
  for (int r = 1; r <= kMaxTestRows; ++r) {
    if (!IsNumber(store.test.Test(r, tf::Pe)) || !IsNumber(store.test.Test(r, tf::R))) break;
    ++n;
  }
  return n;
}

AnalysisRows StoredAnalysisRows(const RecordStore& store) {
  const Record& test = store.test;
  return {std::atoi(test.Header(hf::PoPoint).c_str()), std::atoi(test.Header(hf::PyPoint).c_str()),
          std::atoi(test.Header(hf::PlPoint).c_str())};
}

AnalysisRows DefaultAnalysisRows(const RecordStore& store, int n) {
  AnalysisRows rows = StoredAnalysisRows(store);
  rows.po = std::min(rows.po, n);
  rows.py = std::min(rows.py, n);
  rows.pl = std::min(rows.pl, n);
  if (n > 0) {
    if (rows.po <= 0) rows.po = 1;
    if (rows.py <= 0) rows.py = std::max(n / 2, 1);
    if (rows.pl <= 0) rows.pl = n;
  }
  return rows;
}

TextField MultiplicationSign(int signChoice) {
  if (signChoice <= 0) return {};
  if (signChoice == 1) return Texts().sign1;
  if (signChoice == 2) return "x";
  return "*";
}

int StoredSignChoice(const RecordStore& store) {
  const TextField& line = store.test.Header(hf::FormulaEText);
  const TextField& bare = Texts().eBare;
  if (line.compare(0, bare.size(), bare) != 0) return 1;
  size_t i = bare.size();
  while (i < line.size() && (line[i] == ' ' || line[i] == '-' || line[i] == '.' || (line[i] >= '0' && line[i] <= '9')))
    ++i;
  if (i == bare.size() || i >= line.size()) return 1;
  const std::string_view next(line.data() + i, line.size() - i);
  for (int choice = 2; choice <= 3; ++choice)
    if (next.starts_with(MultiplicationSign(choice))) return choice;
  return 1;
}

AnalysisResult StoredAnalysis(const RecordStore& store, AnalysisRows rows) {
  const Record& test = store.test;
  auto value = [&](int field) { return TextToDouble(test.Header(field)); };
  AnalysisResult r;
  r.rows = rows;
  r.Po = value(hf::Po);
  r.Py = value(hf::PyNet);
  r.Pl = value(hf::PlNet);
  r.rm = value(hf::MeanRadius);
  r.K = value(hf::KValue);
  r.E = value(hf::EModulus);
  r.plText = test.Header(hf::FormulaPlText);
  r.pyText = test.Header(hf::FormulaPyText);
  r.poText = test.Header(hf::FormulaPoText);
  r.kText1 = test.Header(hf::FormulaKText1);
  r.kText2 = test.Header(hf::FormulaKText2);
  r.eText = test.Header(hf::FormulaEText);
  return r;
}

bool UpdateAnalysis(const RecordStore& store, const SheetSettings& settings, AnalysisRows rows, int n,
                    int signChoice, AnalysisResult& out) {
  if (n <= 0) return false;
  AnalysisResult r;
  r.rows = rows;

  const char* fP = DigitsFormat(std::min(settings.DigitsPoPyPl, kMaxDigits));
  const char* fK = DigitsFormat(std::min(settings.DigitsK, kMaxDigits));
  const char* fE = DigitsFormat(std::min(settings.DigitsE, kMaxDigits));
  const char* fR = DigitsFormat(std::min(settings.DigitsDr, kMaxDigits));
  const double nu = TextToDouble(store.test.Header(hf::PoissonRatio));

  bool poLine = false, pyLine = false, plLine = false, kLine = false, kValueLine = false;
  if (rows.po >= 1 && rows.po <= n) {
    r.Po = TestValue(store, rows.po, tf::Pe);
    poLine = true;
    if (rows.py >= 1) {
      r.peY = TestValue(store, rows.py, tf::Pe);
      r.Py = r.peY - r.Po;
      pyLine = true;
    }
    if (rows.pl >= 1) {
      r.peL = TestValue(store, rows.pl, tf::Pe);
      r.Pl = r.peL - r.Po;
      plLine = true;
    }
    r.rO = TestValue(store, rows.po, tf::R);
    r.rY = TestValue(store, rows.py, tf::R);
    if (r.rO > 0.1 && r.rY > 0.1) {
      kLine = true;
      const double dr = r.rY - r.rO;
      if (dr > 0.001) {
        r.K = r.Py * 0.1 / dr;           // kN/m2 per cm -> MN/m3
        r.rm = (r.rY + r.rO) * 0.5;      // cm
        r.E = r.K * r.rm * (1.0 + nu) * 0.01;  // rm in metres
        kValueLine = true;
      }
    }
  }

  // Each line: first its format is assembled from the digits formats, then the values are printed.
  const LineTexts& t = Texts();
  r.plText = plLine ? FormatText(FormatText("Pl=%s-%s", fP, fP).c_str(), r.peL, r.Po) : t.plBare;
  r.pyText = pyLine ? FormatText(FormatText("Py=%s-%s", fP, fP).c_str(), r.peY, r.Po) : t.pyBare;
  r.poText = poLine ? FormatText(FormatText("Po=%s ", fP).c_str(), r.Po) : t.poBare;
  r.kText1 = kLine ? FormatText(FormatText("K =%s/(%s-%s)", fP, fR, fR).c_str(), r.Py, r.rY * 0.01, r.rO * 0.01) : t.kBare;
  r.kText2 = kValueLine ? FormatText(FormatText("  =%s(MN/m3)", fK).c_str(), r.K) : TextField();
  if (kValueLine) {
    const TextField sign = MultiplicationSign(signChoice);
    const std::string format = FormatText(t.eTemplate.c_str(), 1.0 + nu, sign.c_str(), fR, sign.c_str(), fK, fE);
    r.eText = FormatText(format.c_str(), r.rm * 0.01, r.K, r.E);
  } else {
    r.eText = t.eBare;
  }
  out = r;
  return true;
}

void StoreAnalysis(RecordStore& store, const AnalysisResult& result) {
  Record& test = store.test;
  test.Header(hf::PoPoint) = FormatText("%d", result.rows.po);
  test.Header(hf::PyPoint) = FormatText("%d", result.rows.py);
  test.Header(hf::PlPoint) = FormatText("%d", result.rows.pl);
  test.Header(hf::Po) = FormatDouble("%g", result.Po);
  test.Header(hf::PyNet) = FormatDouble("%g", result.Py);
  test.Header(hf::PlNet) = FormatDouble("%g", result.Pl);
  test.Header(hf::MeanRadius) = FormatDouble("%g", result.rm);
  test.Header(hf::KValue) = FormatDouble("%g", result.K);
  test.Header(hf::EModulus) = FormatDouble("%g", result.E);
}

void StoreFormulaLines(RecordStore& store, const AnalysisResult& result) {
  Record& test = store.test;
  test.Header(hf::FormulaPlText) = result.plText;
  test.Header(hf::FormulaPyText) = result.pyText;
  test.Header(hf::FormulaPoText) = result.poText;
  test.Header(hf::FormulaKText1) = result.kText1;
  test.Header(hf::FormulaKText2) = result.kText2;
  test.Header(hf::FormulaEText) = result.eText;
}

}  // namespace vek
