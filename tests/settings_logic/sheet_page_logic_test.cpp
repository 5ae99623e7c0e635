#include "settings/logic/sheet_page_logic.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/header_fields.h"

namespace vek {
namespace {

using namespace hf;

constexpr PaperSizeMm kA4{210, 297};

// A record whose footer is fully set, away from the standard values.
Record SetUpRecord() {
  Record r;
  r.Header(GraphFooterPrefix) = "(";
  r.Header(GraphFooterPage) = "3";
  r.Header(GraphFooterSuffix) = ")";
  r.Header(TableFooterPrefix) = Sjis("表");
  r.Header(TableFooterPage) = "1";
  r.Header(FooterVerticalMode) = "0";
  r.Header(FooterTopMargin) = "270";
  r.Header(FooterNameOffset) = "8.5";
  r.Header(FooterHorizontalMode) = "0";
  r.Header(FooterLeftMargin) = "20";
  r.Header(FooterCentreOffset) = "105";
  return r;
}

TEST(SheetPageFormTest, StandardValuesFollowThePaperTheViewKnows) {
  struct Case {
    PaperSizeMm paper;
    const char* top;
    const char* left;
    const char* centre;
  } cases[] = {
      {kA4, "281", "105", "105"},
      {{420, 297}, "281", "150", "210"},  // A3 landscape: the left distance stops at 150
      {{280, 280}, "264", "140", "140"},  // no printer: the view's 280 mm square
      {{301, 100}, "84", "150", "150"},
  };
  for (const Case& c : cases) {
    Record r;  // both distances empty: the standard settings as the form opens
    SheetPageLogic form(r, kTestSheet, c.paper);
    const SheetPageValues& v = form.Values();
    EXPECT_EQ(v.topMargin, c.top);
    EXPECT_EQ(v.leftMargin, c.left);
    EXPECT_EQ(v.centreOffset, c.centre);
    EXPECT_EQ(v.nameOffset, "5.0");
    EXPECT_EQ(v.vertical, FooterVertical::CompanyName);
    EXPECT_EQ(v.horizontal, FooterHorizontal::Centred);
  }
}

TEST(SheetPageFormTest, OpensOnTheRecordWhenOneDistanceIsSet) {
  Record r;
  r.Header(FooterLeftMargin) = "12";
  r.Header(FooterCentreOffset) = "140";  // a file saved on another paper
  SheetPageLogic form(r, kCalibrationSheet, kA4);
  EXPECT_EQ(form.Caption(), "CAL ページ設定");
  EXPECT_EQ(form.Values().topMargin, "");
  EXPECT_EQ(form.Values().leftMargin, "12");
  EXPECT_EQ(form.Values().vertical, FooterVertical::PaperTop);
  EXPECT_EQ(form.Values().centreOffset, "105");  // the centre always follows the current paper
  EXPECT_EQ(SheetPageLogic(r, kTestSheet, kA4).Caption(), "VEK ページ設定");
}

TEST(SheetPageFormTest, FooterBelowTheUsablePaperIsWarnedAndStillStored) {
  struct Case {
    FooterVertical vertical;
    const char* top;
    bool warned;
  } cases[] = {
      {FooterVertical::PaperTop, "281", true},
      {FooterVertical::PaperTop, "280", false},
      {FooterVertical::PaperTop, "281.9mm", true},  // the integer part counts, the text is shown
      {FooterVertical::PaperTop, "280.9", false},
      {FooterVertical::CompanyName, "400", false},  // the distance from the top is not in use
  };
  for (const Case& c : cases) {
    Record r = SetUpRecord();
    SheetPageLogic form(r, kTestSheet, kA4);
    form.Values().vertical = c.vertical;
    form.Values().topMargin = c.top;
    RecordingMessageSink sink;
    EXPECT_TRUE(form.Commit(sink));
    if (c.warned) {
      ASSERT_EQ(sink.shown.size(), 1u) << c.top;
      EXPECT_EQ(sink.shown[0], NumberedMessage(msg::FooterOffPaper, c.top));
    } else {
      EXPECT_TRUE(sink.shown.empty()) << c.top;
    }
    EXPECT_EQ(r.Header(FooterTopMargin), c.top);
  }
}

TEST(SheetPageFormTest, OpeningTheBeforeListCompletesAnEmptyAfterText) {
  struct Case {
    const char* prefix;
    const char* suffix;
    const char* page;
    const char* wantPrefix;
    const char* wantSuffix;
    const char* preview;
  } cases[] = {
      {"(", "", "1", "(", ")", "(1)"},
      {"-", "", "2", "-", "-", "-2-"},
      {"(", "]", "1", "(", "]", "(1]"},  // an after-text of the user's own stays
      {"   <無し>", "", "5", "", "", "5"},
      {"p.", "", "5", "p.", "", "p.5"},
  };
  for (const Case& c : cases) {
    Record r = SetUpRecord();
    SheetPageLogic form(r, kTestSheet, kA4);
    FooterRowTexts& row = form.Values().rows[static_cast<int>(FooterRow::Table)];
    row.prefix = Sjis(c.prefix);
    row.suffix = c.suffix;
    row.page = c.page;
    form.PrefixListDropped(FooterRow::Table);
    EXPECT_EQ(row.prefix, Sjis(c.wantPrefix)) << c.prefix;
    EXPECT_EQ(row.suffix, c.wantSuffix) << c.prefix;
    EXPECT_EQ(form.Preview(FooterRow::Table), Sjis(c.preview)) << c.prefix;
    EXPECT_EQ(form.Preview(FooterRow::Graph), "(3)");  // the other row is left alone
  }
}

TEST(SheetPageFormTest, PreviewShowsTheTextsOfTheLastRefreshAndNoneNeverReachesTheRecord) {
  Record r = SetUpRecord();
  SheetPageLogic form(r, kTestSheet, kA4);
  EXPECT_EQ(form.Preview(FooterRow::Table), Sjis("表1"));
  FooterRowTexts& graph = form.Values().rows[static_cast<int>(FooterRow::Graph)];
  graph.page = "7";
  EXPECT_EQ(form.Preview(FooterRow::Graph), "(3)");
  form.RefreshPreview(FooterRow::Graph);
  EXPECT_EQ(form.Preview(FooterRow::Graph), "(7)");

  // "<無し>" picked from the list and OK at once: the footer gets no before-text.
  graph.prefix = Sjis("   <無し>");
  RecordingMessageSink sink;
  form.Commit(sink);
  EXPECT_EQ(r.Header(GraphFooterPrefix), "");
}

TEST(SheetPageFormTest, OkWritesReferencesAsIndexesAndSaysWhetherTheRecordChanged) {
  Record r = SetUpRecord();
  RecordingMessageSink sink;
  EXPECT_FALSE(SheetPageLogic(r, kTestSheet, kA4).Commit(sink));
  EXPECT_EQ(r.HeaderFields, SetUpRecord().HeaderFields);

  SheetPageLogic form(r, kTestSheet, kA4);
  form.Values().vertical = FooterVertical::CompanyName;
  form.Values().horizontal = FooterHorizontal::Centred;
  form.PlaceAtCompanyName();
  EXPECT_TRUE(form.Commit(sink));
  EXPECT_EQ(r.Header(FooterVerticalMode), "1");
  EXPECT_EQ(r.Header(FooterHorizontalMode), "1");
  EXPECT_EQ(r.Header(FooterNameOffset), "0");
  EXPECT_EQ(r.Header(FooterTopMargin), "270");

  // A centre saved for another paper is brought up to date: that is a change of the record.
  Record other = SetUpRecord();
  EXPECT_TRUE(SheetPageLogic(other, kTestSheet, {297, 420}).Commit(sink));
  EXPECT_EQ(other.Header(FooterCentreOffset), "148");
}

TEST(SheetPageFormTest, StandardSetsOnlyThePositionAndReachesTheRecordOnlyOnOk) {
  Record r = SetUpRecord();
  SheetPageLogic form(r, kTestSheet, kA4);
  form.ApplyStandard();
  EXPECT_EQ(form.Values().rows, SheetPageLogic(r, kTestSheet, kA4).Values().rows);
  EXPECT_EQ(form.Values().topMargin, "281");
  EXPECT_TRUE(form.NameOffsetEnabled());
  EXPECT_FALSE(form.TopMarginEnabled());
  EXPECT_FALSE(form.LeftMarginEnabled());
  // Cancel: the form is dropped, the record is as it was.
  EXPECT_EQ(r.HeaderFields, SetUpRecord().HeaderFields);
}

}  // namespace
}  // namespace vek
