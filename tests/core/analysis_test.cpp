#include "core/analysis.h"

#include <gtest/gtest.h>

#include <string>

#include "core/encoding.h"
#include "core/header_fields.h"

namespace vek {
namespace {

// Six reduced steps (Pe kN/m2, r cm) as the reduction writes them.
class AnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* rows[][2] = {{"0.000000", "4.300000"},   {"50.000000", "4.500000"},  {"200.000000", "4.600000"},
                             {"450.000000", "4.900000"}, {"700.000000", "5.200000"}, {"900.000000", "5.600000"}};
    for (int r = 0; r < 6; ++r) {
      store.test.Test(r + 1, tf::Pe) = rows[r][0];
      store.test.Test(r + 1, tf::R) = rows[r][1];
    }
    store.test.Header(hf::PoissonRatio) = "0.3";
    settings.DigitsPoPyPl = 1;
    settings.DigitsK = 1;
    settings.DigitsE = 2;
    settings.DigitsDr = 3;
  }

  AnalysisResult Run(AnalysisRows rows, int sign = 1) {
    AnalysisResult r;
    EXPECT_TRUE(UpdateAnalysis(store, settings, rows, AnalysableRowCount(store), sign, r));
    return r;
  }

  static std::string Lines(const AnalysisResult& r) {
    return Cp932ToUtf8(r.plText + "|" + r.pyText + "|" + r.poText + "|" + r.kText1 + "|" + r.kText2 + "|" + r.eText);
  }

  RecordStore store;
  SheetSettings settings;
};

TEST_F(AnalysisTest, WorkedExampleGivesTheSixLinesAndStoredTexts) {
  const AnalysisResult r = Run({2, 4, 6});
  EXPECT_EQ(Lines(r), "Pl=900.0-50.0|Py=450.0-50.0|Po=50.0 |K =400.0/(0.049-0.045)|  =100.0(MN/m3)|"
                      "E =1.30･0.047･100.0=6.11(MN/㎡)");
  EXPECT_EQ(r.eText.find('\xA5'), 7u);  // the half-width middle dot is the single byte 0xA5

  StoreAnalysis(store, r);
  const Record& t = store.test;
  EXPECT_EQ(t.Header(hf::PoPoint) + "," + t.Header(hf::PyPoint) + "," + t.Header(hf::PlPoint), "2,4,6");
  EXPECT_EQ(t.Header(hf::Po), "50");
  EXPECT_EQ(t.Header(hf::PyNet), "400");
  EXPECT_EQ(t.Header(hf::PlNet), "850");
  EXPECT_EQ(t.Header(hf::MeanRadius), "4.7");
  EXPECT_EQ(t.Header(hf::KValue), "100");
  EXPECT_EQ(t.Header(hf::EModulus), "6.11");

  StoreFormulaLines(store, r);
  EXPECT_EQ(t.Header(hf::FormulaPlText), r.plText);
  EXPECT_EQ(t.Header(hf::FormulaKText2), r.kText2);
  EXPECT_EQ(t.Header(hf::FormulaEText), r.eText);
}

TEST_F(AnalysisTest, MultiplicationSignChoices) {
  EXPECT_EQ(Cp932ToUtf8(Run({2, 4, 6}, 2).eText), "E =1.30x0.047x100.0=6.11(MN/㎡)");
  EXPECT_EQ(Cp932ToUtf8(Run({2, 4, 6}, 3).eText), "E =1.30*0.047*100.0=6.11(MN/㎡)");
  EXPECT_EQ(Cp932ToUtf8(Run({2, 4, 6}, 7).eText), "E =1.30*0.047*100.0=6.11(MN/㎡)");
  EXPECT_EQ(Cp932ToUtf8(Run({2, 4, 6}, 0).eText), "E =1.300.047100.0=6.11(MN/㎡)");
  // Every other line is the same whatever the sign.
  EXPECT_EQ(Run({2, 4, 6}, 2).kText1, Run({2, 4, 6}, 1).kText1);
}

TEST_F(AnalysisTest, DigitsAndPoissonRatio) {
  store.test.Header(hf::PoissonRatio).clear();
  settings.DigitsPoPyPl = 9;  // counts as 6
  settings.DigitsK = 0;
  settings.DigitsE = 4;
  settings.DigitsDr = 5;
  EXPECT_EQ(Lines(Run({2, 4, 6})), "Pl=900.000000-50.000000|Py=450.000000-50.000000|Po=50.000000 |"
                                   "K =400.000000/(0.04900-0.04500)|  = 100(MN/m3)|E =1.00･0.04700･ 100=4.7000(MN/㎡)");
}

TEST_F(AnalysisTest, UnusableStepsGiveBareLines) {
  // Po step outside 1..N: nothing can be formed.
  AnalysisResult r = Run({7, 4, 6});
  EXPECT_EQ(Lines(r), "Pl=|Py=|Po=|K =||E =");
  EXPECT_EQ(r.Po + r.Py + r.Pl + r.K + r.rm + r.E, 0.0);
  EXPECT_EQ(Lines(Run({0, 4, 6})), "Pl=|Py=|Po=|K =||E =");

  // A radius of 0.1 cm or less: no K line, but Po, Py and Pl are formed.
  store.test.Test(4, tf::R) = "0.1";
  r = Run({2, 4, 6});
  EXPECT_EQ(Lines(r), "Pl=900.0-50.0|Py=450.0-50.0|Po=50.0 |K =||E =");
  EXPECT_EQ(r.Py, 400.0);
  EXPECT_EQ(r.K + r.rm + r.E, 0.0);

  // No Py' or Pl' step: their lines are bare; without a Py' radius there is no K line either.
  store.test.Test(4, tf::R) = "4.900000";
  EXPECT_EQ(Lines(Run({2, 0, 0})), "Pl=|Py=|Po=50.0 |K =||E =");
}

TEST_F(AnalysisTest, PyStepAtOrBelowPoStepShowsTheKFormulaOnly) {
  AnalysisResult r = Run({4, 4, 6});
  EXPECT_EQ(Lines(r), "Pl=900.0-450.0|Py=450.0-450.0|Po=450.0 |K = 0.0/(0.049-0.049)||E =");
  EXPECT_EQ(r.Py, 0.0);
  EXPECT_EQ(r.K + r.rm + r.E, 0.0);

  r = Run({4, 2, 6});  // negative radius difference
  EXPECT_EQ(Cp932ToUtf8(r.kText1), "K =-400.0/(0.045-0.049)");
  EXPECT_EQ(r.kText2, "");
  EXPECT_EQ(r.K, 0.0);
}

TEST_F(AnalysisTest, NothingChangesWithoutAnalysableRows) {
  store.test.Test(1, tf::R).clear();  // the first row ends the analysable table
  EXPECT_EQ(AnalysableRowCount(store), 0);
  AnalysisResult r;
  r.plText = "keep";
  r.K = 12.0;
  EXPECT_FALSE(UpdateAnalysis(store, settings, {1, 2, 3}, 0, 1, r));
  EXPECT_EQ(r.plText, "keep");
  EXPECT_EQ(r.K, 12.0);
}

TEST_F(AnalysisTest, AnalysableRowsEndAtTheFirstRowWithoutPeOrR) {
  EXPECT_EQ(AnalysableRowCount(store), 6);
  store.test.Test(4, tf::Pe).clear();
  EXPECT_EQ(AnalysableRowCount(store), 3);
  for (int r = 1; r <= 120; ++r) store.test.Test(r, tf::Pe) = store.test.Test(r, tf::R) = "1";
  EXPECT_EQ(AnalysableRowCount(store), 120);
}

TEST_F(AnalysisTest, DefaultRowsFillEmptyChoicesAndClampToN) {
  AnalysisRows rows = DefaultAnalysisRows(store, 9);
  EXPECT_EQ(rows.po, 1);
  EXPECT_EQ(rows.py, 4);
  EXPECT_EQ(rows.pl, 9);

  store.test.Header(hf::PoPoint) = "3";
  store.test.Header(hf::PyPoint) = "-2";
  store.test.Header(hf::PlPoint) = "15";
  rows = DefaultAnalysisRows(store, 10);
  EXPECT_EQ(rows.po, 3);
  EXPECT_EQ(rows.py, 5);
  EXPECT_EQ(rows.pl, 10);

  rows = DefaultAnalysisRows(store, 1);
  EXPECT_EQ(rows.py, 1);  // 1/2 is 0, so the first row

  rows = DefaultAnalysisRows(store, 0);  // nothing to choose from
  EXPECT_EQ(rows.po, 0);
  EXPECT_EQ(rows.py, -2);
  EXPECT_EQ(rows.pl, 0);
}

TEST_F(AnalysisTest, ConfirmingWithoutUpdateRewritesTheStoredValues) {
  Record& t = store.test;
  t.Header(hf::Po) = "50.0";
  t.Header(hf::KValue) = "1.250000";
  t.Header(hf::EModulus) = "";
  t.Header(hf::FormulaPoText) = Sjis("Po=手入力");
  const AnalysisResult r = StoredAnalysis(store, {1, 2, 3});
  EXPECT_EQ(r.poText, Sjis("Po=手入力"));
  StoreAnalysis(store, r);
  EXPECT_EQ(t.Header(hf::Po), "50");
  EXPECT_EQ(t.Header(hf::KValue), "1.25");
  EXPECT_EQ(t.Header(hf::EModulus), "0");
  EXPECT_EQ(t.Header(hf::PlPoint), "3");
}

}  // namespace
}  // namespace vek
