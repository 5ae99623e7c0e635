#include "io/settings_header_defaults.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/header_fields.h"

namespace vek {
namespace {

TEST(FillHeaderDefaults, EmptyStoreGetsEveryDefault) {
  SheetSettings s;
  s.SystemEngineerLabel = Sjis("担当者");
  s.SystemFormulaTitle = Sjis("計算経過式");
  RecordStore store;
  FillHeaderDefaults(s, store);
  const Record& t = store.test;
  const Record& c = store.calibration;
  EXPECT_EQ(t.Header(hf::SondeRadius), "4.0000");
  EXPECT_EQ(t.Header(hf::SondeLength), "60.0000");
  EXPECT_EQ(t.Header(hf::StandpipeArea), "108.5000");
  EXPECT_EQ(t.Header(hf::PeScaleMax), "1600");
  EXPECT_EQ(t.Header(hf::PeScaleStep), "400");
  EXPECT_EQ(c.Header(hf::TableTitle), Sjis("キャリブレーション測定表"));
  EXPECT_EQ(c.Header(hf::GraphTitle), Sjis("キャリブレーショングラフ"));
  EXPECT_EQ(t.Header(hf::TableTitle), "");  // the test record keeps empty titles
  EXPECT_EQ(t.Header(hf::GraphTitle), "");
  for (const Record* r : {&t, &c}) {
    EXPECT_EQ(r->Header(hf::NoCaption), Sjis("Ｎｏ．"));
    EXPECT_EQ(r->Header(hf::SurveyNameCaption), Sjis("調査名"));
    EXPECT_EQ(r->Header(hf::EngineerCaption), Sjis("担当者"));
    EXPECT_EQ(r->Header(hf::CompanyName), Sjis("株式会社 "));
  }
  EXPECT_EQ(t.Header(hf::FormulaTitle), Sjis("計算経過式"));
  EXPECT_EQ(c.Header(hf::FormulaTitle), "");
  // The calibration record has no probe or scale defaults.
  EXPECT_EQ(c.Header(hf::SondeRadius), "");
  EXPECT_EQ(c.Header(hf::PeScaleMax), "");
}

TEST(FillHeaderDefaults, SmallNumbersAreReplacedAndGoodValuesKept) {
  SheetSettings s;
  s.DefaultSondeRadius = 3.5;
  RecordStore store;
  Record& t = store.test;
  t.Header(hf::SondeRadius) = "0.09";
  t.Header(hf::SondeLength) = "0.1";     // not below 0.1: kept as typed
  t.Header(hf::StandpipeArea) = "abc";   // reads as 0
  t.Header(hf::PeScaleMin) = "";
  t.Header(hf::PeScaleMax) = "0";
  t.Header(hf::PeScaleStep) = "0";
  t.Header(hf::NoCaption) = " ";         // not empty: kept
  t.Header(hf::CompanyName) = "ACME";
  FillHeaderDefaults(s, store);
  EXPECT_EQ(t.Header(hf::SondeRadius), "3.5000");
  EXPECT_EQ(t.Header(hf::SondeLength), "0.1");
  EXPECT_EQ(t.Header(hf::StandpipeArea), "108.5000");
  EXPECT_EQ(t.Header(hf::PeScaleMax), "1600");
  EXPECT_EQ(t.Header(hf::PeScaleStep), "400");
  EXPECT_EQ(t.Header(hf::NoCaption), " ");
  EXPECT_EQ(t.Header(hf::CompanyName), "ACME");

  // The step comes from the scale ends, truncated; a set maximum is kept.
  t.Header(hf::PeScaleMin) = "100";
  t.Header(hf::PeScaleMax) = "1003";
  t.Header(hf::PeScaleStep) = "0.05";
  FillHeaderDefaults(s, store);
  EXPECT_EQ(t.Header(hf::PeScaleMax), "1003");
  EXPECT_EQ(t.Header(hf::PeScaleStep), "225");

  // Absurd ends cannot overflow the step, and texts that are not finite numbers count as small.
  t.Header(hf::PeScaleMin) = "-1e300";
  t.Header(hf::PeScaleStep) = "";
  t.Header(hf::SondeLength) = "inf";
  FillHeaderDefaults(s, store);
  EXPECT_EQ(t.Header(hf::PeScaleStep), "2147483647");
  EXPECT_EQ(t.Header(hf::SondeLength), "60.0000");
}

}  // namespace
}  // namespace vek
