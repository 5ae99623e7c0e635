// Test result graph: scales, labels, points, marks, analysis lines and the formula corner, checked
// to the device unit on a 96-dpi recording device.
#include "render/result_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/encoding.h"
#include "render/primitives.h"
#include "sheet_test_fixture.h"

namespace vek::testing {
namespace {

class TestGraphTest : public SheetTest {
 protected:
  TestGraphTest() {
    settings.FrameLineWidth = 4;   // frame and mark leaders
    settings.SymbolLineWidth = 2;  // rings and crosses
    settings.GridLineWidth = 1;
    settings.RLineWidth = 3;
    settings.DhLineWidth = 5;
    settings.FormulaPosition = 0;
    Header(hf::SondeRadius) = "4.3";
    Header(hf::PeScaleMin) = "0";
    Header(hf::PeScaleMax) = "1600";
    Header(hf::PeScaleStep) = "400";
  }

  TextField& Header(int field) { return store.test.Header(field); }

  void SetRow(int row, const char* r, const char* pe, const char* dh) {
    store.test.Test(row, tf::R) = r;
    store.test.Test(row, tf::Pe) = pe;
    store.test.Test(row, tf::DH) = dh;
  }

  // Three steps chosen as Po, Py' and Pl'.
  void SetThreeAnalysedSteps() {
    SetRow(1, "4.5", "400", "1");
    SetRow(2, "4.6", "800", "2");
    SetRow(3, "4.9", "1200", "4");
    Header(hf::PoPoint) = "1";
    Header(hf::PyPoint) = "2";
    Header(hf::PlPoint) = "3";
  }

  void Draw() {
    SheetCanvas c = Canvas();
    c.placement.blockOffset = 63.0;
    SelectRoleFont(c, 3);
    DrawTestGraph(c, FontMm(3));
  }

  TestGraphScales Scales() const { return MakeTestGraphScales(store.test, settings); }

  // Device units of block millimetres on the graph page (margins 15 / 20, block offset 63).
  static int DevX(double x) { return Px(15 + x); }
  static int DevY(double y) { return Px(20 + 63 + y); }
};

TEST_F(TestGraphTest, RadiusScaleStartsAtTheWholeCentimetreBelowTheProbeRadius) {
  const TestGraphScales s = Scales();
  EXPECT_DOUBLE_EQ(s.XOfR(4.0), 16.0);
  EXPECT_DOUBLE_EQ(s.XOfR(7.0), 166.0);
  EXPECT_DOUBLE_EQ(s.XOfR(4.5), 41.0);
  EXPECT_DOUBLE_EQ(s.XOfDh(15.0), 166.0);
  EXPECT_DOUBLE_EQ(s.YOfPe(800.0), 85.0);

  Draw();
  const char* labels[] = {"4.00", "5.00", "6.00", "7.00"};
  for (int j = 0; j < 4; ++j) {
    const auto t = device.TextsEqual(labels[j]);
    ASSERT_EQ(t.size(), 1u) << labels[j];
    EXPECT_EQ(t[0].x, DevX(16 + 50 * j));
    EXPECT_EQ(t[0].y, DevY(166));
    EXPECT_EQ(t[0].align.horizontal, HAlign::Centre);
    EXPECT_EQ(t[0].align.vertical, VAlign::Top);
  }
  const auto name = device.TextsEqual("半径ｒ （cm）");
  ASSERT_EQ(name.size(), 1u);
  EXPECT_EQ(name[0].y, DevY(165 + 1.5 * FontMm(3)));
}

TEST_F(TestGraphTest, MissingProbeRadiusUsesTheDefaultAndMetresDivideByHundred) {
  Header(hf::SondeRadius) = "0";
  settings.DefaultSondeRadius = 5.5;
  settings.LengthUnit = 1;
  EXPECT_DOUBLE_EQ(Scales().XOfR(5.0), 16.0);
  Draw();
  for (const char* label : {"0.06", "0.07", "0.08"}) EXPECT_EQ(CountTexts(label), 1u) << label;
  EXPECT_EQ(CountTexts("0.05"), 2u);  // r origin 5 cm and dH label 5 cm
  EXPECT_EQ(CountTexts("半径ｒ （m）"), 1u);
  EXPECT_EQ(CountTexts("dH（m）"), 1u);
  EXPECT_EQ(CountTexts("0.03"), 1u);  // dH label 3 cm in metres
}

TEST_F(TestGraphTest, DhLabelsAboveTheFrame) {
  Draw();
  for (int i = 0; i <= 5; ++i) {
    const auto t = device.TextsEqual(std::to_string(i));
    ASSERT_EQ(t.size(), 1u) << i;
    EXPECT_EQ(t[0].x, DevX(16 + 10 * i));
    EXPECT_EQ(t[0].y, DevY(4));
    EXPECT_EQ(t[0].align.vertical, VAlign::Bottom);
  }
  const auto name = device.TextsEqual("dH（cm）");
  ASSERT_EQ(name.size(), 1u);
  EXPECT_EQ(name[0].x, DevX(79));
}

TEST_F(TestGraphTest, PeLabelsFollowTheScaleFields) {
  auto labels = PeScaleLabels(store.test);
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_EQ(labels[0].text, "   0");
  EXPECT_EQ(labels[4].text, "1600");

  Draw();
  const double h = FontMm(3);
  const double ys[] = {165, 125, 85, 45, 5};
  const char* texts[] = {"   0", " 400", " 800", "1200", "1600"};
  for (int i = 0; i < 5; ++i) {
    const auto t = device.TextsEqual(texts[i]);
    ASSERT_EQ(t.size(), 1u) << texts[i];
    EXPECT_EQ(t[0].x, DevX(15));
    EXPECT_EQ(t[0].y, DevY(ys[i] - 0.5 * h));
    EXPECT_EQ(t[0].align.horizontal, HAlign::Right);
  }

  // Decimals follow the typed minimum and step.
  Header(hf::PeScaleMin) = "0.0";
  Header(hf::PeScaleStep) = "50";
  Header(hf::PeScaleMax) = "100";
  labels = PeScaleLabels(store.test);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[1].text, "50.0");
  Header(hf::PeScaleStep) = "0.125";
  labels = PeScaleLabels(store.test);
  EXPECT_EQ(labels[1].text, "0.125");

  // A maximum below the minimum: no labels; a step of 0: stops at 101 labels.
  Header(hf::PeScaleMax) = "-1";
  EXPECT_TRUE(PeScaleLabels(store.test).empty());
  Header(hf::PeScaleMax) = "100";
  Header(hf::PeScaleStep) = "0";
  EXPECT_EQ(PeScaleLabels(store.test).size(), 101u);
}

TEST_F(TestGraphTest, EqualScaleLimitsPutEveryPointOnTheTopEdgeWithoutFailing) {
  Header(hf::PeScaleMin) = "";
  Header(hf::PeScaleMax) = "";
  SetRow(1, "4.5", "300", "1");
  Draw();
  ASSERT_EQ(device.ellipses.size(), 2u);
  EXPECT_EQ((device.ellipses[0].top + device.ellipses[0].bottom) / 2, DevY(0));
}

TEST_F(TestGraphTest, EachStepIsARingedDotWithACreepCross) {
  SetRow(1, "4.5", "800", "2");
  SetRow(2, "4.6", "1200", "");  // no dH: cross on the left frame edge
  SetRow(3, "4.7", "", "3");     // no Pe: ends the points
  SetRow(4, "4.8", "1400", "4");
  Draw();
  ASSERT_EQ(device.ellipses.size(), 4u);
  const RecordedEllipse& outer = device.ellipses[0];
  const RecordedEllipse& inner = device.ellipses[1];
  EXPECT_EQ(outer.left, DevX(41) - Px(1.0));
  EXPECT_EQ(outer.top, DevY(85) - Px(1.0));
  EXPECT_EQ(inner.right - inner.left, 2 * Px(0.2));
  EXPECT_EQ(outer.pen.width, 2);

  const auto crosses = device.LinesOfWidth(2);
  ASSERT_EQ(crosses.size(), 4u);
  // First cross around dH = 2 cm (x = 36 mm), at the height of the point.
  EXPECT_EQ(crosses[0].x1, DevX(35));
  EXPECT_EQ(crosses[0].y1, DevY(86));
  EXPECT_EQ(crosses[0].x2, DevX(37));
  EXPECT_EQ(crosses[0].y2, DevY(84));
  EXPECT_EQ(crosses[1].x1, DevX(35));
  EXPECT_EQ(crosses[1].y1, DevY(84));
  // Second step without dH: at the left edge.
  EXPECT_EQ(crosses[2].x1, DevX(15));
  EXPECT_EQ(crosses[2].x2, DevX(17));
  EXPECT_EQ(crosses[2].y1, DevY(46));
}

TEST_F(TestGraphTest, AnalysisPointsGetLeadersAndLabels) {
  SetThreeAnalysedSteps();
  Draw();
  const double h = FontMm(3);
  const auto po = device.TextsEqual("Po");
  ASSERT_EQ(po.size(), 1u);
  EXPECT_EQ(po[0].x, DevX(41 + 20));
  EXPECT_EQ(po[0].y, DevY(125 - 0.5 * h));
  EXPECT_EQ(CountTexts("Py’"), 1u);
  const auto pl = device.TextsEqual("Pl’");
  ASSERT_EQ(pl.size(), 1u);
  EXPECT_EQ(pl[0].x, DevX(61 + 20));

  // Leaders share the frame's width; four frame lines plus three leaders.
  const auto wide = device.LinesOfWidth(4);
  ASSERT_EQ(wide.size(), 7u);
  const auto leader = std::find_if(wide.begin(), wide.end(), [&](const RecordedLine& l) {
    return l.y1 == DevY(125) && l.y2 == DevY(125);
  });
  ASSERT_NE(leader, wide.end());
  EXPECT_EQ(leader->x1, DevX(42));
  EXPECT_EQ(leader->x2, DevX(59));
}

TEST_F(TestGraphTest, HiddenPlAndHiddenLettersSuppressMarks) {
  SetThreeAnalysedSteps();
  Header(hf::HidePl) = "1";
  Draw();
  EXPECT_EQ(CountTexts("Po"), 1u);
  EXPECT_EQ(CountTexts("Py’"), 1u);
  EXPECT_EQ(CountTexts("Pl’"), 0u);
  EXPECT_EQ(device.LinesOfWidth(4).size(), 6u);

  device.texts.clear();
  device.lines.clear();
  settings.HidePointLetters = 1;
  Draw();
  EXPECT_EQ(CountTexts("Po"), 0u);
  EXPECT_EQ(CountTexts("Py’"), 0u);
  EXPECT_EQ(device.LinesOfWidth(4).size(), 4u);

  // A chosen row beyond the plotted ones marks nothing.
  device.texts.clear();
  settings.HidePointLetters = 0;
  Header(hf::PoPoint) = "9";
  Draw();
  EXPECT_EQ(CountTexts("Po"), 0u);
}

TEST_F(TestGraphTest, PointNumbersWhenAsked) {
  SetRow(1, "4.5", "800", "1");
  SetRow(2, "4.6", "1200", "2");
  Header(hf::ShowDataNo) = "1";
  Draw();
  const auto two = device.TextsEqual("2");
  // "2" is also a dH scale label; the point number is the one beside point 2 (x = 46 mm).
  const auto it = std::find_if(two.begin(), two.end(), [&](const RecordedText& t) {
    return t.x == DevX(46 + 2);
  });
  ASSERT_NE(it, two.end());
  EXPECT_EQ(it->y, DevY(45 - 0.5 * FontMm(3)));
}

TEST_F(TestGraphTest, StraightAnalysisLineJoinsThePoints) {
  const TestGraphScales s = Scales();
  EXPECT_FALSE(AnalysisLineGeometry(s, AnalysisLineKind::Radius, 0, 4.5, 400, 4.6, 800));
  const auto line = AnalysisLineGeometry(s, AnalysisLineKind::Radius, 1, 4.5, 400, 4.6, 800);
  ASSERT_TRUE(line);
  EXPECT_DOUBLE_EQ(line->x1, 41.0);
  EXPECT_DOUBLE_EQ(line->y1, 125.0);
  EXPECT_DOUBLE_EQ(line->x2, 46.0);
  EXPECT_DOUBLE_EQ(line->y2, 85.0);
}

TEST_F(TestGraphTest, ExtendedLineStartsJustBehindAndEndsTenMillimetresAbove) {
  const TestGraphScales s = Scales();
  // Po at r = 4.5, Py' at r = 4.6: the step is the 0.01 cm minimum; the start is r = 4.48.
  auto line = AnalysisLineGeometry(s, AnalysisLineKind::Radius, 2, 4.5, 100, 4.6, 400);
  ASSERT_TRUE(line);
  EXPECT_NEAR(line->x1, 40.0, 1e-9);   // r = 4.48
  EXPECT_NEAR(line->y1, 161.0, 1e-9);  // Pe = 40 on the line
  // Each step rises 3 mm; the fourth is the first more than 10 mm above Py' (y = 125).
  EXPECT_NEAR(line->x2, 48.0, 1e-9);
  EXPECT_NEAR(line->y2, 113.0, 1e-9);

  // A start point far below the frame is replaced by the first point.
  line = AnalysisLineGeometry(s, AnalysisLineKind::Radius, 2, 4.5, 0, 4.52, 800);
  ASSERT_TRUE(line);
  EXPECT_DOUBLE_EQ(line->x1, 41.0);
  EXPECT_DOUBLE_EQ(line->y1, 165.0);
  // The first step is already more than 10 mm above the second point.
  EXPECT_DOUBLE_EQ(line->y2, 45.0);

  // Near the top the frame edge ends the line first: B at y = 10, steps of 5 mm.
  line = AnalysisLineGeometry(s, AnalysisLineKind::Radius, 2, 4.5, 1050, 4.6, 1550);
  ASSERT_TRUE(line);
  EXPECT_NEAR(line->x2, s.XOfR(4.62), 1e-9);
  EXPECT_NEAR(line->y2, 0.0, 1e-9);

  // A nearly flat line is extended by at most 15 steps of 5 % of the distance.
  line = AnalysisLineGeometry(s, AnalysisLineKind::Radius, 2, 4.0, 100, 4.5, 101);
  ASSERT_TRUE(line);
  EXPECT_NEAR(line->x2, s.XOfR(4.5 + 15 * 0.025), 1e-9);

  // Creep line with the second point left of the first: extended leftwards, back-step 0.1 cm.
  line = AnalysisLineGeometry(s, AnalysisLineKind::Creep, 2, 5.0, 400, 3.0, 800);
  ASSERT_TRUE(line);
  EXPECT_NEAR(line->x1, s.XOfDh(5.1), 1e-9);
  EXPECT_LT(line->x2, s.XOfDh(3.0));
}

TEST_F(TestGraphTest, AnalysisLinesDrawnInTheirWidthsAndColours) {
  SetThreeAnalysedSteps();
  settings.RLineMode = 1;
  settings.DhLineMode = 1;
  settings.RLineColour = "0x800000";
  settings.DhLineColour = "0x006000";
  Draw();
  const auto r_lines = device.LinesOfWidth(3);
  ASSERT_EQ(r_lines.size(), 1u);
  EXPECT_EQ(r_lines[0].pen.colour, 0x800000u);
  EXPECT_EQ(r_lines[0].x1, DevX(41));
  EXPECT_EQ(r_lines[0].y1, DevY(125));
  EXPECT_EQ(r_lines[0].x2, DevX(46));
  EXPECT_EQ(r_lines[0].y2, DevY(85));
  const auto dh_lines = device.LinesOfWidth(5);
  ASSERT_EQ(dh_lines.size(), 2u);  // (Po, Py') and (Py', Pl')
  EXPECT_EQ(dh_lines[0].pen.colour, 0x006000u);
  EXPECT_EQ(dh_lines[1].x2, DevX(56));  // dH = 4 cm

  // The Pl' row without dH: only the first creep line.
  device.lines.clear();
  store.test.Test(3, tf::DH) = "";
  Draw();
  EXPECT_EQ(device.LinesOfWidth(5).size(), 1u);

  // Mode 0 draws neither.
  device.lines.clear();
  settings.RLineMode = 0;
  settings.DhLineMode = 0;
  Draw();
  EXPECT_TRUE(device.LinesOfWidth(3).empty());
  EXPECT_TRUE(device.LinesOfWidth(5).empty());
}

TEST_F(TestGraphTest, FormulaInTheGraphLeavesTheCornerFree) {
  settings.FormulaPosition = 1;
  Header(hf::FormulaPlText) = "Pl=1200";
  Header(hf::FormulaEText) = "E=12.3";
  Draw();
  const int corner_left = DevX(106), corner_top = DevY(135);
  int shortened = 0;
  for (const auto& l : device.LinesOfWidth(1)) {
    // No grid piece inside the corner box.
    const bool inside = std::max(l.x1, l.x2) > corner_left && std::max(l.y1, l.y2) > corner_top &&
                        l.x1 < DevX(166) && l.y1 < DevY(165);
    EXPECT_FALSE(inside) << l.x1 << "," << l.y1 << "-" << l.x2 << "," << l.y2;
    if (l.x1 == l.x2 && l.x1 >= DevX(116)) shortened = std::max(shortened, l.y2);
  }
  EXPECT_LE(shortened, corner_top);
  EXPECT_GT(shortened, DevY(125));

  const auto pl = device.TextsEqual("Pl=1200");
  ASSERT_EQ(pl.size(), 1u);
  EXPECT_EQ(pl[0].x, DevX(110));
  EXPECT_EQ(pl[0].y, DevY(135 + 30.0 / 14));
  EXPECT_EQ(pl[0].font.height, static_cast<int>(96 * settings.fonts[3].size / 72));
  const auto e = device.TextsEqual("E=12.3");
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].y, DevY(135 + 30.0 / 14 + 5 * 30.0 / 7));
}

TEST_F(TestGraphTest, WithoutTheFormulaCornerTheGridIsFullAndNoFormulaIsDrawn) {
  Header(hf::FormulaPlText) = "Pl=1200";
  Draw();
  EXPECT_EQ(CountTexts("Pl=1200"), 0u);
  int longest = 0;
  for (const auto& l : device.LinesOfWidth(1))
    if (l.x1 == l.x2 && l.x1 == DevX(156)) longest = std::max(longest, l.y2);
  EXPECT_GT(longest, DevY(155));
}

TEST_F(TestGraphTest, VerticalAxisNameUprightOrRotated) {
  settings.RotateAxisNames = 0;
  Draw();
  const double h = FontMm(3);
  const double x = std::max(16 - 8 * h, 5.1);
  const auto unit = device.TextsEqual("(kN/㎡)");
  ASSERT_EQ(unit.size(), 1u);
  EXPECT_EQ(unit[0].x, DevX(x));
  EXPECT_EQ(unit[0].y, DevY(85 + 4 * h));
  EXPECT_EQ(CountTexts(" 圧力"), 1u);
  EXPECT_EQ(CountTexts(" Ｐe"), 1u);

  device.texts.clear();
  settings.RotateAxisNames = 1;
  Draw();
  const auto joined = device.TextsEqual(" 圧力 Ｐe(kN/㎡)");
  ASSERT_EQ(joined.size(), 1u);
  EXPECT_EQ(joined[0].font.escapement, 900);
  EXPECT_EQ(joined[0].y, DevY(95));
  // The alignment is left at left/top for whoever draws next.
  EXPECT_EQ(device.align().horizontal, HAlign::Left);
  EXPECT_EQ(device.align().vertical, VAlign::Top);
}

// Without steps the graph draws its scale labels and axis names and nothing else: a label too many
// (a fifth r value, a seventh dH value) or one out of place fails here.
TEST_F(TestGraphTest, ExactlyTheScaleLabelsAndAxisNamesAndNoOthers) {
  Draw();
  const double h = FontMm(3);
  struct Placed {
    std::string utf8;
    int x, y;
    bool operator<(const Placed& o) const { return std::tie(utf8, x, y) < std::tie(o.utf8, o.x, o.y); }
    bool operator==(const Placed& o) const = default;
  };
  std::vector<Placed> expected;
  for (int i = 0; i <= 5; ++i) expected.push_back({std::to_string(i), DevX(16 + 10 * i), DevY(4)});
  expected.push_back({"dH（cm）", DevX(79), DevY(4)});
  const char* r[] = {"4.00", "5.00", "6.00", "7.00"};
  for (int j = 0; j < 4; ++j) expected.push_back({r[j], DevX(16 + 50 * j), DevY(166)});
  expected.push_back({"半径ｒ （cm）", DevX(91), DevY(165 + 1.5 * h)});
  const char* pe[] = {"   0", " 400", " 800", "1200", "1600"};
  for (int i = 0; i < 5; ++i) expected.push_back({pe[i], DevX(15), DevY(165 - 40 * i - 0.5 * h)});
  std::vector<Placed> drawn;
  for (const RecordedText& t : device.texts) {
    const std::string utf8 = Cp932ToUtf8(t.text);
    if (utf8 == " 圧力 Ｐe(kN/㎡)") continue;  // the rotated axis name, placed by its own test
    drawn.push_back({utf8, t.x, t.y});
  }
  std::sort(expected.begin(), expected.end());
  std::sort(drawn.begin(), drawn.end());
  EXPECT_EQ(drawn.size(), expected.size());
  EXPECT_TRUE(drawn == expected);
  EXPECT_EQ(device.texts.size(), expected.size() + 1);
}

}  // namespace
}  // namespace vek::testing
