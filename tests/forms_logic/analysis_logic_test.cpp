#include "forms/logic/analysis_logic.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "support/recording_device.h"
#include "support/reduced_steps.h"

namespace vek {
namespace {

using testing::RecordingDevice;

constexpr int kW = 400, kH = 300;  // the graph frame in the tests

class AnalysisFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ThreePieceCurve curve;
    curve.steps = 10;
    testing::FillReducedSteps(store.test, testing::MakeCurve(curve));
    Record& t = store.test;
    t.Header(hf::SondeRadius) = "4.3";
    t.Header(hf::PeScaleMin) = "0.0";
    t.Header(hf::PeScaleMax) = "600";
    t.Header(hf::PeScaleStep) = "100";
  }

  AnalysisLogic Open() { return AnalysisLogic(store, settings, sink); }

  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
};

std::string Rows(const AnalysisRows& r) {
  return std::to_string(r.po) + "," + std::to_string(r.py) + "," + std::to_string(r.pl);
}

TEST_F(AnalysisFormTest, OpeningLimitsTheStoredStepsToTheAnalysableRows) {
  struct Case {
    const char *po, *py, *pl;
    int rows;
    const char* expected;
  };
  const Case cases[] = {
      {"", "", "", 9, "1,4,9"},       // nothing stored: first, middle, last
      {"2", "5", "15", 10, "2,5,10"}, // a Pl' step beyond the table
      {"0", "-3", "7", 10, "1,5,7"},
      {"3", "", "", 1, "1,1,1"},      // one row: the middle is row 1
      {"3", "4", "5", 0, "0,0,0"},    // nothing analysable
  };
  for (const Case& c : cases) {
    store.test.Header(hf::PoPoint) = c.po;
    store.test.Header(hf::PyPoint) = c.py;
    store.test.Header(hf::PlPoint) = c.pl;
    store.test.Test(c.rows + 1, tf::R) = "";  // the analysable rows end here
    AnalysisLogic form = Open();
    EXPECT_EQ(form.Analysable(), c.rows);
    EXPECT_EQ(Rows(form.Chosen()), c.expected) << c.po << "," << c.py << "," << c.pl;
    EXPECT_EQ(Rows(form.Shown()), c.expected);
    SetUp();
  }
}

TEST_F(AnalysisFormTest, OpeningFillsTheEditsFromTheRecord) {
  store.test.Header(hf::PyPoint) = "4";
  store.test.Test(4, tf::R) = "4.56789";
  store.test.Test(4, tf::Pe) = "150.006";
  store.test.Header(hf::PeScaleStep) = "50.0";
  store.test.Header(hf::HidePl) = "1";
  store.test.Header(hf::FormulaKText2) = Sjis("  =手入力");
  AnalysisLogic form = Open();
  EXPECT_EQ(form.StepRText(AnalysisLogic::kPy), "4.5679");
  EXPECT_EQ(form.StepPeText(AnalysisLogic::kPy), "150.01");
  EXPECT_EQ(form.PeScaleText(AnalysisLogic::kPeMin), "0");
  EXPECT_EQ(form.PeScaleText(AnalysisLogic::kPeStep), "50");
  EXPECT_TRUE(form.HidePl());
  EXPECT_EQ(form.FormulaLine(4), Sjis("  =手入力"));
  EXPECT_EQ(form.CurrentType(), AnalysisLogic::kPo);
  EXPECT_EQ(form.Cursor(), 0);
  EXPECT_FALSE(form.GraphDrawn());

  // The r axis edits show the whole centimetres of the probe radius (4 when there is none).
  for (auto [radius, from, to] : {std::tuple{"4.3", "4", "7"}, {"5.99", "5", "8"}, {"", "4", "7"}, {"0.5", "4", "7"}}) {
    store.test.Header(hf::SondeRadius) = radius;
    AnalysisLogic f = Open();
    EXPECT_EQ(f.RAxisFromText() + "-" + f.RAxisToText(), std::string(from) + "-" + to) << radius;
  }
}

TEST_F(AnalysisFormTest, ArrowsStopAtTheFirstAndLastAnalysableRow) {
  AnalysisLogic form = Open();  // 1, 5, 10
  form.ChooseType(AnalysisLogic::kPy);
  EXPECT_EQ(form.Cursor(), 5);
  for (int k = 0; k < 8; ++k) form.StepUp();
  EXPECT_EQ(form.Cursor(), 10);
  EXPECT_EQ(Rows(form.Chosen()), "1,10,10");
  for (int k = 0; k < 12; ++k) form.StepDown();
  EXPECT_EQ(form.Cursor(), 1);
  EXPECT_EQ(Rows(form.Chosen()), "1,1,10");
  EXPECT_EQ(form.StepPeText(AnalysisLogic::kPy), "0.00");
  // The shown Py' step stays where the type was chosen until the graph is drawn from the choice.
  EXPECT_EQ(form.Shown().py, 5);
  form.ShowChosen();
  EXPECT_EQ(Rows(form.Shown()), "1,1,10");
  EXPECT_EQ(form.Cursor(), 0);
}

TEST_F(AnalysisFormTest, FirstArrowStartsAtTheCurrentTypesShownStep) {
  AnalysisLogic form = Open();
  form.StepUp();  // Po, no cursor yet: the cursor lands on the shown Po step, nothing moves
  EXPECT_EQ(form.Cursor(), 1);
  EXPECT_EQ(Rows(form.Chosen()), "1,5,10");
  form.StepUp();
  EXPECT_EQ(Rows(form.Chosen()), "2,5,10");

  form.ChooseType(AnalysisLogic::kPl);
  form.ShowChosen();  // clears the cursor; the type stays Pl'
  form.StepDown();
  EXPECT_EQ(Rows(form.Chosen()), "2,5,10");  // Pl' is not pulled onto the Po step
  form.StepDown();
  EXPECT_EQ(Rows(form.Chosen()), "2,5,9");
}

TEST_F(AnalysisFormTest, UnusableScalesAreReplacedWithOneMessagePerDrawing) {
  AnalysisLogic form = Open();
  form.Redraw();
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(form.PeAxisFromText() + "-" + form.PeAxisToText(), "0-600");

  form.SetPeScaleText(AnalysisLogic::kPeMax, "0.05");  // narrower than 0.1
  form.Redraw();
  EXPECT_EQ(form.PeAxisFromText() + "-" + form.PeAxisToText(), "0-1600");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "目盛りが異常です");

  store.test.Header(hf::SondeRadius) = "";  // both scales bad: still one message
  AnalysisLogic noRadius = Open();
  noRadius.SetPeScaleText(AnalysisLogic::kPeMax, "0.05");
  noRadius.Redraw();
  EXPECT_EQ(sink.shown.size(), 2u);
  EXPECT_DOUBLE_EQ(noRadius.GraphView().rFrom, 4.0);
  EXPECT_DOUBLE_EQ(noRadius.GraphView().rTo, 7.0);

  form.SetPeScaleText(AnalysisLogic::kPeMin, "300");
  form.SetPeScaleText(AnalysisLogic::kPeMax, "300");  // equal ends
  form.StepUp();                                     // every arrow press draws
  EXPECT_EQ(sink.shown.size(), 3u);
}

TEST_F(AnalysisFormTest, LabelsMoveAwayFromTheRightEdgeAndTheBottom) {
  AnalysisGraphView view;
  const GraphGeometry g = MakeGraphGeometry(view, kW, kH);
  const int right = g.r.pixelFrom + g.r.pixelTo;  // the offsets switch at 0.6 of this sum
  const int top = g.pe.pixelTo;
  struct Case {
    int x, y, dx, dy;
  };
  const Case cases[] = {
      {right * 6 / 10 + 1, 5, -120, 6},    // right part: to the left, even at the bottom
      {right * 6 / 10 + 1, top, -120, 6},
      {right * 6 / 10, top / 2, 4, -2},    // at the boundary: the general place
      {20, top / 10 - 1, 4, 8},            // lowest tenth: raised most
      {20, top / 10 + 1, 4, 3},            // second tenth: raised a little
      {20, top / 5 + 1, 4, -2},
  };
  for (const Case& c : cases) {
    const LabelOffset o = StepLabelOffset(g, c.x, c.y);
    EXPECT_EQ(o.dx, c.dx) << c.x << "," << c.y;
    EXPECT_EQ(o.dy, c.dy) << c.x << "," << c.y;
  }
}

TEST_F(AnalysisFormTest, GraphColoursTheShownStepsAndTheCursor) {
  AnalysisLogic form = Open();  // shown 1, 5, 10
  RecordingDevice before;
  form.DrawGraph(before, kW, kH);
  EXPECT_TRUE(before.ellipses.empty());  // nothing until the first drawing

  form.ChooseType(AnalysisLogic::kPy);  // cursor on step 5
  form.StepUp();                       // cursor 6
  RecordingDevice d;
  form.DrawGraph(d, kW, kH);
  ASSERT_EQ(d.ellipses.size(), 11u);  // ten steps and the cursor again
  const Colour green = 0x00FF00, blue = 0xFF0000, red = 0x0000FF, grey = 0x808080;
  const Colour expected[] = {green, grey, grey, grey, blue, grey, grey, grey, grey, red, blue};
  for (int k = 0; k < 11; ++k) {
    EXPECT_EQ(d.ellipses[k].pen.colour, expected[k]) << k;
    EXPECT_EQ(d.ellipses[k].pen.width, 2);
    EXPECT_EQ(d.ellipses[k].right - d.ellipses[k].left, 6);
  }
  // The cursor is drawn over step 6, with its label in the cursor's colour; the others are white.
  EXPECT_EQ(d.ellipses[10].left, d.ellipses[5].left);
  EXPECT_EQ(d.ellipses[10].top, d.ellipses[5].top);
  ASSERT_EQ(d.texts.size(), 11u);
  EXPECT_EQ(d.texts[10].colour, blue);
  EXPECT_EQ(d.texts[3].colour, 0xFFFFFFu);
  EXPECT_EQ(d.texts[5].text, "270 (16.0, 16.5, 16.8)");
  EXPECT_EQ(d.texts[5].font.height, 12);
  EXPECT_EQ(d.texts[5].right - d.texts[5].left, 160);
  EXPECT_EQ(d.texts[5].bottom - d.texts[5].top, 20);
  // Higher Pe is higher up the frame; larger r further right.
  EXPECT_LT(d.ellipses[9].top, d.ellipses[0].top);
  EXPECT_GT(d.ellipses[9].left, d.ellipses[0].left);
}

TEST_F(AnalysisFormTest, ClickOnAPointChoosesItForTheCurrentType) {
  AnalysisLogic form = Open();
  EXPECT_FALSE(form.ChooseAt(100, 100, kW, kH));  // no graph yet
  form.ChooseType(AnalysisLogic::kPl);
  RecordingDevice d;
  form.DrawGraph(d, kW, kH);
  const auto& step7 = d.ellipses[6];
  const int cx = (step7.left + step7.right) / 2, cy = (step7.top + step7.bottom) / 2;
  EXPECT_TRUE(form.ChooseAt(cx + 3, cy - 2, kW, kH));
  EXPECT_EQ(Rows(form.Chosen()), "1,5,7");
  EXPECT_EQ(form.Cursor(), 7);
  EXPECT_EQ(form.StepRText(AnalysisLogic::kPl), FormatText("%.4f", std::atof(store.test.Test(7, tf::R).c_str())));
  form.StepUp();  // the arrows go on from the clicked step
  EXPECT_EQ(form.Chosen().pl, 8);
  EXPECT_FALSE(form.ChooseAt(cx + 40, cy - 40, kW, kH));  // empty ground
  EXPECT_EQ(form.Chosen().pl, 8);
}

TEST_F(AnalysisFormTest, OnlyTheFormulaUpdateAsksBeforeCancel) {
  AnalysisLogic form = Open();
  form.ChooseType(AnalysisLogic::kPy);
  form.StepUp();
  form.Suggest();
  form.SetFormulaLine(0, "Pl=hand");
  EXPECT_FALSE(form.Changed());
  form.SetSign(2);
  form.UpdateFormula();
  EXPECT_TRUE(form.Changed());
  EXPECT_EQ(Rows(form.Shown()), Rows(form.Chosen()));
  EXPECT_NE(form.FormulaLine(5).find("x"), std::string::npos);

  // With nothing analysable the update changes nothing at all.
  store.test.Test(1, tf::Pe) = "";
  AnalysisLogic empty = Open();
  empty.SetFormulaLine(2, "Po=kept");
  empty.UpdateFormula();
  EXPECT_FALSE(empty.Changed());
  EXPECT_EQ(empty.FormulaLine(2), "Po=kept");
}

TEST_F(AnalysisFormTest, OkChecksThePeScaleFieldsFirst) {
  struct Case {
    const char *min, *max, *step;
    AnalysisLogic::Field refused;
    const char* message;
  };
  const Case cases[] = {
      {"0", "600", "0.0009", AnalysisLogic::Field::PeStep, "0.001 から 10000 までの数値を入力してください。"},
      {"0", "600", "10000.5", AnalysisLogic::Field::PeStep, "0.001 から 10000 までの数値を入力してください。"},
      {"0", "600", "-1", AnalysisLogic::Field::PeStep, "0.001 から 10000 までの数値を入力してください。"},
      {"0", "600", "", AnalysisLogic::Field::PeStep, "数字を入力してください。"},
      {"abc", "600", "100", AnalysisLogic::Field::PeMin, "数字を入力してください。"},
      {"0", "6OO", "100", AnalysisLogic::Field::PeMax, "数字を入力してください。"},
      {"0", "600", "0.001", AnalysisLogic::Field::None, nullptr},
      {" -50 ", "1e3", "10000", AnalysisLogic::Field::None, nullptr},
  };
  for (const Case& c : cases) {
    RecordStore before = store;
    sink.shown.clear();
    AnalysisLogic form = Open();
    form.SetPeScaleText(AnalysisLogic::kPeMin, c.min);
    form.SetPeScaleText(AnalysisLogic::kPeMax, c.max);
    form.SetPeScaleText(AnalysisLogic::kPeStep, c.step);
    EXPECT_EQ(form.Commit(), c.refused) << c.min << " " << c.max << " " << c.step;
    if (c.message) {
      ASSERT_EQ(sink.shown.size(), 1u);
      EXPECT_EQ(sink.shown[0], c.message);
      EXPECT_EQ(store.test.HeaderFields, before.test.HeaderFields);  // nothing written
    }
    store = before;
  }
}

TEST_F(AnalysisFormTest, OkWritesTheFieldsAndTheStepsAsChosen) {
  store.test.Header(hf::Po) = "50.0";
  store.test.Header(hf::KValue) = "100.00";
  AnalysisLogic form = Open();
  form.ChooseType(AnalysisLogic::kPy);
  form.StepUp();  // Py' 6, no update: the stored results stay, in "%g"
  form.SetFormulaLine(3, "K =by hand");
  form.SetHidePl(true);
  form.SetPeScaleText(AnalysisLogic::kPeMax, "800.50");
  ASSERT_EQ(form.Commit(), AnalysisLogic::Field::None);
  EXPECT_EQ(form.Finish(true), (FormOutcome{true, true}));
  const Record& t = store.test;
  EXPECT_EQ(t.Header(hf::PoPoint) + "," + t.Header(hf::PyPoint) + "," + t.Header(hf::PlPoint), "1,6,10");
  EXPECT_EQ(t.Header(hf::Po), "50");
  EXPECT_EQ(t.Header(hf::KValue), "100");
  EXPECT_EQ(t.Header(hf::PyNet), "0");
  EXPECT_EQ(t.Header(hf::FormulaKText1), "K =by hand");
  EXPECT_EQ(t.Header(hf::HidePl), "1");
  EXPECT_EQ(t.Header(hf::PeScaleMin) + "," + t.Header(hf::PeScaleMax) + "," + t.Header(hf::PeScaleStep), "0,800.5,100");
}

TEST_F(AnalysisFormTest, SuggestionSetsTheChosenStepsOrSaysWhyNot) {
  AnalysisLogic form = Open();
  form.ChooseType(AnalysisLogic::kPy);
  EXPECT_TRUE(form.Suggest());
  EXPECT_EQ(Rows(form.Chosen()), "4,9,10");  // where the curve of the fixture breaks
  EXPECT_EQ(Rows(form.Shown()), "4,9,10");
  EXPECT_EQ(form.Cursor(), 0);
  EXPECT_EQ(form.StepPeText(AnalysisLogic::kPo), "150.00");

  store.test.Test(5, tf::Pe) = "";  // four analysable rows
  AnalysisLogic few = Open();
  EXPECT_FALSE(few.Suggest());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "推奨点を求めるには、Pe と r のある点が 5 点以上必要です。（現在 4 点）");
  EXPECT_EQ(Rows(few.Chosen()), "1,2,4");
}

}  // namespace
}  // namespace vek
