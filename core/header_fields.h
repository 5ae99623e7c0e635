#pragma once
// Numbers of the header fields of a record (1-90). Fields are referred to by these names or by
// their numbers; numbers not named here are reserved and are stored and saved unchanged.

namespace vek::hf {

enum : int {
  SurveyName = 1,
  BoringNo = 2,
  TestDepth = 3,
  StandpipeInitialLevel = 4,
  StandpipeInsertedLevel = 5,
  PoissonRatio = 6,
  DateEra = 7,
  DateYear = 8,
  DateMonth = 9,
  DateDay = 10,
  Engineer = 11,
  SoilName = 12,
  NValue = 13,
  WaterLevelPrefix = 14,
  BoreholeWaterLevel = 15,
  Memo = 16,
  SondeRadius = 17,
  SondeLength = 18,
  StandpipeArea = 19,
  CalFileName = 20,
  CalCurveType = 21,
  TableTitle = 22,
  GraphTitle = 23,
  CompanyName = 24,
  CalCoefficient1 = 25,
  CalCoefficient2 = 26,
  CalCoefficient3 = 27,
  CalCoefficient4 = 28,
  CalCoefficient5 = 29,
  PoPoint = 30,
  PyPoint = 31,
  PlPoint = 32,
  PressureOffset = 33,
  Po = 34,
  PyNet = 35,
  PlNet = 36,
  MeanRadius = 37,
  KValue = 38,
  EModulus = 39,
  PeScaleMin = 40,
  PeScaleMax = 41,
  PeScaleStep = 42,
  Show120Reading = 43,
  ReadingTimeBasis = 44,
  NoCaption = 45,
  SurveyNameCaption = 46,
  EngineerCaption = 47,
  FormulaTitle = 48,
  FormulaPlText = 51,
  FormulaPyText = 52,
  FormulaPoText = 53,
  FormulaKText1 = 54,
  FormulaKText2 = 55,
  FormulaEText = 56,
  HidePl = 57,
  ShowDataNo = 59,
  GraphFooterPrefix = 61,
  GraphFooterPage = 62,
  GraphFooterSuffix = 63,
  TableFooterPrefix = 64,
  TableFooterPage = 65,
  TableFooterSuffix = 66,
  FooterVerticalMode = 70,
  FooterTopMargin = 71,
  FooterNameOffset = 72,
  FooterHorizontalMode = 73,
  FooterLeftMargin = 74,
  FooterCentreOffset = 75,
  LegacyOrigin = 80,
};

}  // namespace vek::hf

namespace vek {

// Test row fields (TestRows columns 1-12).
namespace tf {
enum : int {
  Pressure = 1,
  GasPressure = 2,
  Reading15 = 3,
  Reading30 = 4,
  Reading60 = 5,
  Reading120 = 6,
  DH = 7,
  H = 8,
  PG = 9,
  PGMinusP = 10,
  Pe = 11,
  R = 12,
};
}  // namespace tf

// Calibration row fields (CalRows / TestCalRows columns 1-3).
namespace cf {
enum : int {
  Pressure = 1,
  Reading = 2,
  H = 3,
};
}  // namespace cf

}  // namespace vek
