#include "core/cal_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/header_fields.h"
#include "core/messages.h"

namespace vek {
namespace {

// Calibration readings H' with the initial level 10 cm; H = H' - 10 is what the fit sees.
const std::vector<std::string> kReadings = {"12.1", "16.5", "21.8", "27", "31.9", "36.3", "40.2", "43.6", "46.5", "49"};
const std::vector<std::string> kPressures = {"0", "50", "100", "150", "200", "250", "300", "350", "400", "450"};

void FillCalibration(RecordStore& store, size_t rows) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "10";
  for (size_t i = 0; i < rows; ++i) {
    store.calibration.Cal(static_cast<int>(i) + 1, cf::Pressure) = kPressures[i];
    store.calibration.Cal(static_cast<int>(i) + 1, cf::Reading) = kReadings[i];
  }
  RecomputeCalH(store.calibration);
}

void ExpectCoefficients(const RecordStore& store, const std::array<double, 5>& reference) {
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(store.calCoefficients[i], reference[i], std::fabs(reference[i]) * 1e-7) << "c" << i;
    EXPECT_NEAR(std::atof(store.calibration.Header(hf::CalCoefficient1 + i).c_str()), reference[i],
                std::fabs(reference[i]) * 5e-6)
        << "text of c" << i;
  }
}

void ExpectUnfitted(const RecordStore& store) {
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(store.calCoefficients[i], 0.0);
    EXPECT_EQ(store.calibration.Header(hf::CalCoefficient1 + i), "_");
  }
}

// References: the exact rational least-squares solution of the same n + 2 points (the n rows and
// two origin points), computed outside this program and rounded to double.
TEST(FitCalRegression, MatchesIndependentLeastSquaresFit) {
  RecordStore store;
  FillCalibration(store, 10);
  RecordingMessageSink sink;
  EXPECT_EQ(FitCalRegression(store, 1, sink), kFitOk);
  EXPECT_TRUE(sink.shown.empty());
  ExpectCoefficients(store, {-2.9954020101733962, 5.5582544362879656, 0.40226426126165477, -0.015724527090971618,
                             0.0002412520615112707});
  EXPECT_EQ(store.calibration.Header(hf::CalCoefficient1), "-2.9954");
  EXPECT_EQ(store.calibration.Header(hf::CalCoefficient5), "0.000241252");
}

TEST(FitCalRegression, SixRowsFitFiveRowsAreTooFew) {
  RecordStore store;
  FillCalibration(store, 6);
  RecordingMessageSink sink;
  EXPECT_EQ(FitCalRegression(store, 1, sink), kFitOk);
  ExpectCoefficients(store, {-1.6526574663350433, 1.8698155789400361, 1.1673348709354352, -0.063142294808653396,
                             0.0011378236452898303});

  // Emptying row 6 leaves five rows: the earlier fit is reset, the message appears only when asked.
  store.calibration.Cal(6, cf::Reading).clear();
  store.calibration.Cal(6, cf::H).clear();
  EXPECT_EQ(FitCalRegression(store, 0, sink), kFitTooFewData);
  EXPECT_TRUE(sink.shown.empty());
  ExpectUnfitted(store);
  EXPECT_EQ(FitCalRegression(store, 1, sink), kFitTooFewData);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "高次回帰はデータ数不足で計算できません");
}

TEST(FitCalRegression, UsesTheShorterOfTheLeadingPressureAndFallColumns) {
  RecordStore eight;
  FillCalibration(eight, 8);
  NullMessageSink sink;
  ASSERT_EQ(FitCalRegression(eight, 0, sink), kFitOk);

  // Pressures in 10 rows, falls in only 8: the same fit as the 8-row table.
  RecordStore mixed;
  FillCalibration(mixed, 10);
  mixed.calibration.Cal(9, cf::H).clear();
  mixed.calibration.Cal(10, cf::H) = "50";
  ASSERT_EQ(FitCalRegression(mixed, 0, sink), kFitOk);
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(mixed.calCoefficients[i], eight.calCoefficients[i]);

  // A gap in the pressure column ends the table there too.
  mixed.calibration.Cal(4, cf::Pressure) = "x";
  EXPECT_EQ(FitCalRegression(mixed, 0, sink), kFitTooFewData);
}

TEST(FitCalRegression, OriginPointsPullAStraightLine) {
  NullMessageSink sink;
  RecordStore store;
  // P = 30 + 8 H: the two extra origin points make c0 fall well short of 30.
  for (int r = 1; r <= 8; ++r) {
    store.calibration.Cal(r, cf::H) = std::to_string(r * 5);
    store.calibration.Cal(r, cf::Pressure) = std::to_string(30 + 8 * r * 5);
  }
  ASSERT_EQ(FitCalRegression(store, 0, sink), kFitOk);
  EXPECT_LT(store.calCoefficients[0], 29.0);

  // Through the origin the line is reproduced.
  for (int r = 1; r <= 8; ++r) store.calibration.Cal(r, cf::Pressure) = std::to_string(8 * r * 5);
  ASSERT_EQ(FitCalRegression(store, 0, sink), kFitOk);
  EXPECT_NEAR(store.calCoefficients[0], 0.0, 1e-6);
  EXPECT_NEAR(store.calCoefficients[1], 8.0, 1e-6);
  EXPECT_NEAR(EvalCalPolynomial(37.5, store.calCoefficients), 300.0, 1e-6);
}

TEST(FitCalRegression, DegenerateSystemsLeaveTheCoefficientsReset) {
  NullMessageSink sink;
  RecordStore store;
  FillCalibration(store, 8);
  ASSERT_EQ(FitCalRegression(store, 0, sink), kFitOk);

  // Falls of hundredths of a millimetre: the high powers vanish and the last pivot is tiny.
  for (int r = 1; r <= 8; ++r) store.calibration.Cal(r, cf::H) = "0.00" + std::to_string(r);
  EXPECT_EQ(FitCalRegression(store, 0, sink), kFitIllConditioned);
  ExpectUnfitted(store);

  // The same fall at every step: only two distinct points, so a later column has no pivot.
  FillCalibration(store, 8);
  ASSERT_EQ(FitCalRegression(store, 0, sink), kFitOk);
  for (int r = 1; r <= 8; ++r) store.calibration.Cal(r, cf::H) = "5";
  EXPECT_EQ(FitCalRegression(store, 0, sink), kFitSingular);
  ExpectUnfitted(store);

  // Every fall 0: the last pivot is 0 as well, which is reported as ill-conditioned.
  for (int r = 1; r <= 8; ++r) store.calibration.Cal(r, cf::H) = "0";
  EXPECT_EQ(FitCalRegression(store, 0, sink), kFitIllConditioned);
  ExpectUnfitted(store);

  // A fall whose fourth power overflows: no "nan" coefficients, the fit fails.
  FillCalibration(store, 8);
  store.calibration.Cal(8, cf::H) = "1e80";
  EXPECT_EQ(FitCalRegression(store, 0, sink), kFitIllConditioned);
  ExpectUnfitted(store);
}

TEST(EvalCalPolynomial, SumsAllFivePowers) {
  EXPECT_DOUBLE_EQ(EvalCalPolynomial(2.0, {1, 2, 3, 4, 5}), 1 + 4 + 12 + 32 + 80);
  EXPECT_DOUBLE_EQ(EvalCalPolynomial(-1.0, {1, 2, 3, 4, 5}), 1 - 2 + 3 - 4 + 5);
  // Coefficients of a failed fit read back from "_" are 0: the curve is 0 everywhere.
  EXPECT_EQ(EvalCalPolynomial(25.0, {std::atof("_"), 0, 0, 0, 0}), 0.0);
}

void SetLineRow(RecordStore& store, int row, const std::string& p, const std::string& h) {
  store.TestCalRows()[row][cf::Pressure] = p;
  store.TestCalRows()[row][cf::H] = h;
}

TEST(EvalCalLine, InterpolatesWithinTheTableOnly) {
  RecordStore store;
  SetLineRow(store, 1, "10", "2");
  SetLineRow(store, 2, "30", "6");
  SetLineRow(store, 3, "50", "6.0005");  // within 0.001 of the row before
  SetLineRow(store, 4, "90", "16");

  EXPECT_DOUBLE_EQ(EvalCalLine(store, -5.0), 10.0);  // below the first point: no extrapolation
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 2.0), 10.0);
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 3.0), 15.0);
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 6.0), 30.0);
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 6.0003), 50.0);  // the nearly equal pair gives the upper P
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 11.0), 50.0 + 40.0 * (11.0 - 6.0005) / (16.0 - 6.0005));
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 16.0), 90.0);
  EXPECT_EQ(EvalCalLine(store, 16.01), kNoValue);  // above the last row: no value
  EXPECT_TRUE(IsMissing(EvalCalLine(store, 100.0)));

  // A row whose P is not a number ends the table even when later rows are filled.
  store.TestCalRows()[3][cf::Pressure] = "";
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 5.0), 25.0);
  EXPECT_EQ(EvalCalLine(store, 7.0), kNoValue);
}

TEST(EvalCalLine, ReadsThirtyNineRowsAtMost) {
  RecordStore store;
  for (int r = 1; r <= 40; ++r) SetLineRow(store, r, std::to_string(r * 10), std::to_string(r));
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 38.5), 385.0);
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 39.5), 390.0);  // row 40 takes no part
  EXPECT_DOUBLE_EQ(EvalCalLine(store, 1000.0), 390.0);
  // The calibration record's own table is not the one the reduction reads.
  RecordStore other;
  for (int r = 1; r <= 10; ++r) {
    other.calibration.Cal(r, cf::Pressure) = "1";
    other.calibration.Cal(r, cf::H) = std::to_string(r);
  }
  EXPECT_EQ(EvalCalLine(other, 5.0), kNoValue);
}

TEST(RecomputeCalH, SubtractsTheInitialLevelUpToTheFirstGap) {
  Record cal;
  cal.Header(hf::StandpipeInitialLevel) = "10.2";
  cal.Cal(1, cf::Reading) = "12.3";
  cal.Cal(2, cf::Reading) = "10";
  cal.Cal(3, cf::Reading) = "";
  cal.Cal(4, cf::Reading) = "30";
  cal.Cal(4, cf::H) = "old";
  RecomputeCalH(cal);
  EXPECT_EQ(cal.Cal(1, cf::H), "2.1");  // "%g" rounds 2.1000000000000014
  EXPECT_EQ(cal.Cal(2, cf::H), "-0.2");
  EXPECT_EQ(cal.Cal(3, cf::H), "");
  EXPECT_EQ(cal.Cal(4, cf::H), "old");

  cal.Header(hf::StandpipeInitialLevel).clear();  // no initial level: H = H'
  RecomputeCalH(cal);
  EXPECT_EQ(cal.Cal(1, cf::H), "12.3");
}

}  // namespace
}  // namespace vek
