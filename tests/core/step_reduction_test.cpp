#include "core/step_reduction.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cal_curve.h"
#include "core/header_fields.h"

namespace vek {
namespace {

struct Step {
  const char* p;
  const char* r30;
  const char* r60;
  const char* r120;
};

// A straight-line calibration (P over H: 0/0, 20/10, 40/30, 100/60), initial level 10 cm and the
// probe 4 cm x 60 cm with a 108.5 cm2 standpipe.
class ReductionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* cal[][2] = {{"0", "0"}, {"20", "10"}, {"40", "30"}, {"100", "60"}};
    for (int r = 0; r < 4; ++r) {
      store.TestCalRows()[r + 1][cf::Pressure] = cal[r][0];
      store.TestCalRows()[r + 1][cf::H] = cal[r][1];
    }
    Header(hf::CalCurveType) = "0";
    Header(hf::StandpipeInitialLevel) = "10";
    Header(hf::ReadingTimeBasis) = "0";
    Header(hf::SondeRadius) = "4";
    Header(hf::SondeLength) = "60";
    Header(hf::StandpipeArea) = "108.5";
  }

  TextField& Header(int n) { return store.test.Header(n); }
  TextField& Cell(int row, int field) { return store.test.Test(row, field); }

  void SetSteps(std::initializer_list<Step> steps) {
    int row = 1;
    for (const Step& s : steps) {
      Cell(row, tf::Pressure) = s.p;
      Cell(row, tf::Reading30) = s.r30;
      Cell(row, tf::Reading60) = s.r60;
      Cell(row, tf::Reading120) = s.r120;
      ++row;
    }
  }

  // Columns 7-12 of a row joined with "|".
  std::string Derived(int row) {
    std::string s;
    for (int f = tf::DH; f <= tf::R; ++f) s += (f > tf::DH ? "|" : "") + Cell(row, f);
    return s;
  }

  RecordStore store;
  SheetSettings settings;
};

TEST_F(ReductionTest, OffsetLiftsTheLargestPgMinusPToZero) {
  SetSteps({{"50", "12", "15", "99"}, {"30", "20", "30", "99"}, {"47.5", "45", "50", "99"}});
  RunTestReduction(store, settings);
  // dH | H | PG | PG-P | Pe = P + 12.5 - PG | r = sqrt(H Ac / (3.14159 L) + ro^2)
  EXPECT_EQ(Derived(1), "3|5|10|-40|52.500000|4.344888");
  EXPECT_EQ(Derived(2), "10|20|30|0|12.500000|5.245209");
  EXPECT_EQ(Derived(3), "5|40|60|12.5|0.000000|6.246954");
  EXPECT_EQ(Header(hf::PressureOffset), "12.500000");
}

TEST_F(ReductionTest, PressuresAboveTheMembraneNeedNoOffset) {
  SetSteps({{"50", "12", "15", ""}, {"80", "20", "30", ""}});
  RunTestReduction(store, settings);
  EXPECT_EQ(Header(hf::PressureOffset), "0.000000");
  EXPECT_EQ(Cell(1, tf::Pe), "40.000000");
  EXPECT_EQ(Cell(2, tf::Pe), "50.000000");
}

TEST_F(ReductionTest, ReadingTimeBasisSelectsTheColumnForDhAndH) {
  SetSteps({{"50", "12", "15", "17.5"}});
  Header(hf::ReadingTimeBasis) = "1";
  RunTestReduction(store, settings);
  EXPECT_EQ(Cell(1, tf::DH), "5.5");
  EXPECT_EQ(Cell(1, tf::H), "7.5");
  EXPECT_EQ(Cell(1, tf::PG), "15");

  // An empty 120 s reading leaves the step without H under that basis.
  Cell(1, tf::Reading120).clear();
  RunTestReduction(store, settings);
  EXPECT_EQ(Derived(1), "|||||");
  EXPECT_EQ(Header(hf::PressureOffset), "");
}

TEST_F(ReductionTest, MissingInputsEmptyOnlyWhatDependsOnThem) {
  SetSteps({{"50", "", "15", ""},        // no 30 s reading: no dH
            {"50", "60", "80", ""},      // H = 70 lies beyond the calibration: no PG
            {"50", "", "-90", ""}});     // H = -100 makes the radicand negative: no r
  RunTestReduction(store, settings);
  EXPECT_EQ(Derived(1), "|5|10|-40|40.000000|4.344888");
  EXPECT_EQ(Derived(2), "20|70||||7.502850");
  EXPECT_EQ(Derived(3), "|-100|0|-50|50.000000|");
  EXPECT_EQ(Header(hf::PressureOffset), "0.000000");
}

TEST_F(ReductionTest, EmptyInitialLevelTakesTheRawReading) {
  SetSteps({{"50", "4", "5", ""}});
  Header(hf::StandpipeInitialLevel).clear();
  RunTestReduction(store, settings);
  EXPECT_EQ(Cell(1, tf::H), "5");
}

TEST_F(ReductionTest, RegressionCurveUsesTheParsedTestCoefficients) {
  SetSteps({{"50", "12", "15", ""}});
  Header(hf::CalCurveType) = "1";
  Header(hf::CalCoefficient2) = "7";  // the texts are not read here, only the parsed numbers
  store.testCoefficients = {1, 2, 0, 0, 0.001};
  RunTestReduction(store, settings);
  EXPECT_EQ(Cell(1, tf::PG), "11.625");  // 1 + 2*5 + 0.001*625
  EXPECT_EQ(Cell(1, tf::PGMinusP), "-38.375");
}

TEST_F(ReductionTest, ProbeDimensionsBelowATenthComeFromTheSettings) {
  SetSteps({{"50", "12", "30", ""}});
  Header(hf::SondeRadius).clear();
  Header(hf::SondeLength) = "0";
  Header(hf::StandpipeArea) = "0.05";
  settings.DefaultSondeRadius = 3.0;
  settings.DefaultSondeLength = 30.0;
  settings.DefaultStandpipeArea = 50.0;
  RunTestReduction(store, settings);
  EXPECT_EQ(Cell(1, tf::R), "4.428356");  // H = 20 with 3 cm x 30 cm and 50 cm2

  // A length so short that 3.14159 L is at most 0.1 drops the standpipe term: r = ro.
  settings.DefaultSondeLength = 0.01;
  RunTestReduction(store, settings);
  EXPECT_EQ(Cell(1, tf::R), "3.000000");
}

TEST_F(ReductionTest, RowsAfterAGapAreNotReducedButGetPeAndR) {
  SetSteps({{"50", "12", "15", ""}, {"", "20", "30", ""}, {"10", "12", "15", ""}});
  Cell(3, tf::DH) = "keep";
  Cell(3, tf::H) = "5";
  Cell(3, tf::PG) = "3";
  Header(hf::PressureOffset) = "old";
  RunTestReduction(store, settings);
  EXPECT_EQ(Cell(2, tf::H), "");
  EXPECT_EQ(Cell(3, tf::DH), "keep");
  EXPECT_EQ(Cell(3, tf::Pe), "7.000000");
  EXPECT_EQ(Cell(3, tf::R), "4.344888");

  // Without any data row there is no offset text and no Pe, but r still follows H.
  Cell(1, tf::Pressure).clear();
  RunTestReduction(store, settings);
  EXPECT_EQ(Header(hf::PressureOffset), "");
  EXPECT_EQ(Cell(1, tf::Pe), "");
  EXPECT_EQ(Cell(3, tf::Pe), "7.000000");
  EXPECT_EQ(Cell(1, tf::R), "4.344888");
}

TEST_F(ReductionTest, PeReadsThePgTextRoundedToSixDigits) {
  // H = 33.33333 gives PG = 46.66666, stored as "46.6667".
  SetSteps({{"10", "0", "43.3333333", ""}});
  RunTestReduction(store, settings);
  EXPECT_EQ(Cell(1, tf::H), "33.3333");
  EXPECT_EQ(Cell(1, tf::PG), "46.6667");
  EXPECT_EQ(Cell(1, tf::PGMinusP), "36.6667");
  // The offset is the exact 36.66666..., PG is read back as 46.6667: Pe is not exactly 0.
  EXPECT_EQ(Header(hf::PressureOffset), "36.666667");
  EXPECT_EQ(Cell(1, tf::Pe), "-0.000033");
}

TEST_F(ReductionTest, OverflowAndNanInputsGiveMissingValuesNotNanTexts) {
  // A regression curve whose value at H = 90 overflows; "+nan" is number-like by its first byte.
  SetSteps({{"50", "1", "100", ""}, {"+nan", "1", "12", ""}});
  Header(hf::CalCurveType) = "1";
  store.testCoefficients = {1, 2, 0, 0, 1e301};
  RunTestReduction(store, settings);
  EXPECT_EQ(Derived(1), "99|90||||8.234378");
  EXPECT_EQ(Derived(2), "11|2|1.6e+302|||4.141403");
  // Neither step gave a PG - P, so there is no offset (not an infinite one).
  EXPECT_EQ(Header(hf::PressureOffset), "");
}

TEST_F(ReductionTest, ProvisionalPeRHasNoOffset) {
  Cell(4, tf::Pressure) = "50";
  Cell(4, tf::PG) = "60";
  Cell(4, tf::H) = "20";
  Header(hf::PressureOffset) = "10.000000";
  ProvisionalPeR(store, 4, 3.0, 30.0, 50.0);
  EXPECT_EQ(Cell(4, tf::Pe), "-10.000000");
  EXPECT_EQ(Cell(4, tf::R), "4.428356");
  ProvisionalPeR(store, 4, 0.0, 0.0, 0.0);  // factory probe 4 cm x 60 cm, 108.5 cm2
  EXPECT_EQ(Cell(4, tf::R), "5.245209");
  ProvisionalPeR(store, 0, 3.0, 30.0, 50.0);  // outside the table: nothing happens
  ProvisionalPeR(store, 121, 3.0, 30.0, 50.0);
  EXPECT_EQ(ReduceTestStep(store, 121, 0.0), kNoValue);
}

}  // namespace
}  // namespace vek
