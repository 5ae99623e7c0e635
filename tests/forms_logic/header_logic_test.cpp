// The two header forms: titles and lists on opening, the GL sign rule, "←", taking over a
// calibration file, the preview, OK's checks and what Cancel leaves behind.
#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/messages.h"
#include "forms/logic/cal_header_logic.h"
#include "forms/logic/vek_header_logic.h"
#include "io/file_v.h"
#include "support/program_home.h"
#include "support/recording_device.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::CalFileBytes;
using testing::WriteFileBytes;

// Answers "開く" with one path (or cancels) and keeps the request.
class OneAnswerChooser : public FileChooser {
 public:
  explicit OneAnswerChooser(std::optional<fs::path> answer) : answer_(std::move(answer)) {}
  std::optional<fs::path> ChooseOpenFile(const FileChooserRequest& r) override {
    filter = std::string(r.filter);
    extension = r.defaultExtension;
    folder = r.initialFolder;
    return answer_;
  }
  std::optional<fs::path> ChooseSaveFile(const FileChooserRequest&) override { return std::nullopt; }
  std::string filter, extension;
  fs::path folder;

 private:
  std::optional<fs::path> answer_;
};

class HeaderFormsTest : public ::testing::Test {
 protected:
  fs::path WriteCal(const std::string& name, const std::string& firstLine, int rows) {
    const fs::path p = home.home / name;
    WriteFileBytes(p, CalFileBytes(firstLine, rows));
    return p;
  }
  std::optional<AttachResult> Open(TestHeaderLogic& form, std::optional<fs::path> path) {
    OneAnswerChooser chooser(path);
    return form.OpenCalibration(chooser, sink);
  }
  // A test with three steps and an attached calibration of its own ("old.cdw", P = H = 5 r).
  void GiveTheTestSteps() {
    store.test.Header(hf::CalFileName) = "old.cdw";
    store.test.Header(hf::SondeRadius) = "4.0";
    store.test.Header(hf::SondeLength) = "60.0";
    store.test.Header(hf::StandpipeArea) = "108.5";
    for (int r = 1; r <= 3; ++r) {
      store.test.Cal(r, 1) = std::to_string(5 * r);
      store.test.Cal(r, 3) = std::to_string(5 * r);
      store.test.Test(r, 1) = std::to_string(100 * r);
      for (int f = 3; f <= 6; ++f) store.test.Test(r, f) = std::to_string(10 * r + f);
    }
    for (int n = 25; n <= 29; ++n) store.test.Header(n) = "0";
    store.RefreshTestCoefficients();
  }

  testing::ProgramHome home;
  RecordStore store;
  RecordingMessageSink sink;
};

TEST_F(HeaderFormsTest, DepthAndWaterLevelTypedAsPlainNumbersBecomeNegative) {
  struct Case {
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {{"12.5", "-12.5"}, {"+12.5", "+12.5"}, {"-12.5", "-12.5"}, {"", ""},
                        {"abc", "abc"},    {".5", "-.5"},     {"1e-3", "1e-3"},   {"GL-3", "GL-3"}};
  for (int field : {hf::TestDepth, hf::BoreholeWaterLevel}) {
    for (const Case& c : cases) {
      TestHeaderLogic form(store, home.settings);
      form.SetField(field, c.typed);
      const bool signedNow = form.LeaveLevelField(field);
      EXPECT_EQ(form.Field(field), c.kept) << field << " " << c.typed;
      EXPECT_EQ(form.HasChanges(), signedNow);
      EXPECT_EQ(signedNow, std::string(c.typed) != c.kept);
      form.LeaveLevelField(field);  // leaving again changes nothing more
      EXPECT_EQ(form.Field(field), c.kept);
    }
  }
}

TEST_F(HeaderFormsTest, OkSignsTheLevelsAndWarnsOfAWaterLevelBeyondAThousand) {
  GiveTheTestSteps();
  TestHeaderLogic form(store, home.settings);
  form.SetField(hf::TestDepth, "8");
  form.SetField(hf::BoreholeWaterLevel, "1200");
  form.Accept(sink);
  form.Finish(true, sink);
  EXPECT_EQ(store.test.Header(hf::TestDepth), "-8");
  EXPECT_EQ(store.test.Header(hf::BoreholeWaterLevel), "-1200");  // still stored
  EXPECT_EQ(sink.shown, std::vector<std::string>{NumberedMessage(msg::BadWaterLevel)});

  sink.shown.clear();
  TestHeaderLogic again(store, home.settings);
  again.SetField(hf::BoreholeWaterLevel, "-1000");
  again.Accept(sink);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(HeaderFormsTest, CopyTitleTakesTheSystemTitleOrSaysThereIsNone) {
  home.settings.SystemGraphTitle = Sjis("載荷試験グラフ");
  home.settings.SystemFormulaTitle = "";
  store.test.Header(hf::GraphTitle) = "mine";
  store.test.Header(hf::FormulaTitle) = "kept";
  TestHeaderLogic form(store, home.settings);
  EXPECT_TRUE(form.CopySystemTitle(hf::GraphTitle, sink));
  EXPECT_EQ(form.Field(hf::GraphTitle), Sjis("載荷試験グラフ"));
  EXPECT_FALSE(form.CopySystemTitle(hf::FormulaTitle, sink));
  EXPECT_EQ(form.Field(hf::FormulaTitle), "kept");
  EXPECT_EQ(sink.shown, std::vector<std::string>{NumberedMessage(msg::NoData)});
}

TEST_F(HeaderFormsTest, EmptyTitlesShowTheSystemTitlesAndOkStoresThem) {
  home.settings.SystemTableTitle = Sjis("測定表");
  home.settings.SystemGraphTitle = Sjis("グラフ");
  store.calibration.Header(hf::GraphTitle) = "own";
  CalHeaderLogic cal(store, home.settings);
  EXPECT_EQ(cal.Field(hf::TableTitle), Sjis("測定表"));
  EXPECT_EQ(cal.Field(hf::GraphTitle), "own");
  cal.Finish(true, sink);
  EXPECT_EQ(store.calibration.Header(hf::TableTitle), Sjis("測定表"));

  TestHeaderLogic test(store, home.settings);
  EXPECT_EQ(test.Field(hf::GraphTitle), Sjis("グラフ"));
  test.Finish(true, sink);
  EXPECT_EQ(store.test.Header(hf::GraphTitle), Sjis("グラフ"));
}

TEST_F(HeaderFormsTest, ListsComeFromTheMasterFilesWithSoilDefaultsWhenMissing) {
  WriteFileBytes(home.Folder() / "M.mst", Sjis("山田") + "\r\n" + std::string(70, 'e') + "\r\n");
  TestHeaderLogic test(store, home.settings);
  EXPECT_EQ(test.Engineers(), (std::vector<std::string>{Sjis("山田"), std::string(70, 'e')}));
  EXPECT_EQ(test.Soils(), (std::vector<std::string>{Sjis("シルト"), Sjis("粘土"), Sjis("砂")}));
  CalHeaderLogic cal(store, home.settings);
  EXPECT_EQ(cal.Engineers(), (std::vector<std::string>{Sjis("山田"), std::string(58, 'e')}));

  WriteFileBytes(home.Folder() / "D.mst", "");  // an empty list is a list: no defaults
  EXPECT_TRUE(TestHeaderLogic(store, home.settings).Soils().empty());
}

TEST_F(HeaderFormsTest, OpenAcceptsEveryCalibrationVersionOnItsFirstLine) {
  for (const char* magic : {"$$_VCKARUM3", "$$_VCKARUM304", "$$_VCKARUM305"}) {
    TestHeaderLogic form(store, home.settings);
    const fs::path cal = WriteCal("v.cdw", magic, 3);
    EXPECT_EQ(Open(form, cal), AttachResult::Attached) << magic;
    EXPECT_EQ(form.Working().test.Cal(3, 1), "30");
    EXPECT_EQ(form.Working().test.Header(hf::CalCoefficient5), "0.5");
    EXPECT_DOUBLE_EQ(form.Working().testCoefficients[1], 0.2);
    EXPECT_TRUE(store.test.Cal(3, 1).empty());  // the record waits for OK
    EXPECT_EQ(form.Field(hf::CalFileName), cal.string());
    EXPECT_TRUE(store.test.Header(hf::CalFileName).empty());  // field 20 waits for OK
    EXPECT_TRUE(form.HasChanges());
    EXPECT_EQ(form.PreviewRows(), 3);
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(HeaderFormsTest, OpenRefusesATestFileAndAMissingFileWithoutChangingAnything) {
  GiveTheTestSteps();
  const RecordStore before = store;
  TestHeaderLogic form(store, home.settings);
  EXPECT_EQ(Open(form, WriteCal("t.vdw", "$$_VDKARUM304", 3)), AttachResult::NotCalibration);
  EXPECT_EQ(Open(form, home.home / "none.cdw"), AttachResult::CannotOpen);
  EXPECT_EQ(Open(form, std::nullopt), std::nullopt);  // chooser cancelled
  EXPECT_EQ(sink.shown, (std::vector<std::string>{NumberedMessage(msg::NotCalibrationFile),
                                                  NumberedMessage(msg::FileNotFound, (home.home / "none.cdw").string())}));
  EXPECT_EQ(store.test.CalRows, before.test.CalRows);
  EXPECT_EQ(store.test.HeaderFields, before.test.HeaderFields);
  EXPECT_EQ(form.Field(hf::CalFileName), "old.cdw");
  EXPECT_FALSE(form.HasChanges());
}

TEST_F(HeaderFormsTest, OpenTakesAtMostFortyRows) {
  TestHeaderLogic form(store, home.settings);
  Open(form, WriteCal("big.cdw", "$$_VCKARUM304", 45));
  EXPECT_EQ(form.Working().test.Cal(40, 1), "400");
  EXPECT_TRUE(form.Working().test.Cal(41, 1).empty());
  EXPECT_EQ(form.PreviewRows(), 40);
}

TEST_F(HeaderFormsTest, OpenStartsInTheRememberedFolder) {
  ASSERT_TRUE(WriteFileV(home.Folder(), FileV{(home.home / "data").string(), "x"}));
  TestHeaderLogic form(store, home.settings);
  OneAnswerChooser chooser(std::nullopt);
  form.OpenCalibration(chooser, sink);
  EXPECT_EQ(chooser.folder, home.home / "data");
  EXPECT_EQ(chooser.filter, kAttachCalFilter);
  EXPECT_EQ(chooser.extension, "cdw");
}

TEST_F(HeaderFormsTest, OpenRefusesAFileWhoseNameTheHeaderCannotHold) {
  // "?" for a character outside Shift_JIS, or a name longer than a file line, would be stored
  // in field 20 and lost or shift the fields after it: nothing is attached.
  GiveTheTestSteps();
  const RecordStore before = store;
  TestHeaderLogic form(store, home.settings);
  for (const std::string& name : {std::string("보정.cdw"), std::string(200, 'n') + "/" + std::string(220, 'n') + ".cdw"}) {
    const fs::path cal = home.home / name;
    fs::create_directories(cal.parent_path());
    WriteFileBytes(cal, CalFileBytes("$$_VCKARUM304", 6));
    EXPECT_EQ(Open(form, cal), AttachResult::NameNotStorable);
    EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::FileNameNotStorable, cal.string()));
    EXPECT_EQ(store.test.CalRows, before.test.CalRows);
    EXPECT_EQ(form.Field(hf::CalFileName), "old.cdw");
  }
}

TEST_F(HeaderFormsTest, OpenFillsTheFormsCopyOnlyAndCancelDropsIt) {
  GiveTheTestSteps();
  const RecordStore before = store;
  TestHeaderLogic form(store, home.settings);
  Open(form, WriteCal("new.cdw", "$$_VCKARUM304", 6));
  EXPECT_EQ(form.PreviewRows(), 6);  // the preview shows the copy
  EXPECT_EQ(store.test.CalRows, before.test.CalRows);
  EXPECT_EQ(form.Finish(false, sink), FormOutcome{});
  EXPECT_EQ(store.test.CalRows, before.test.CalRows);
  EXPECT_EQ(store.test.HeaderFields, before.test.HeaderFields);
  EXPECT_EQ(store.testCoefficients, before.testCoefficients);

  TestHeaderLogic kept(store, home.settings);
  const fs::path cal = WriteCal("new.cdw", "$$_VCKARUM304", 6);
  Open(kept, cal);
  kept.Accept(sink);
  kept.Finish(true, sink);
  EXPECT_EQ(store.test.Header(hf::CalFileName), cal.string());
  EXPECT_EQ(store.test.Cal(6, 1), "60");
  EXPECT_EQ(store.test.Header(hf::CalCoefficient1), "0.1");
}

// OK compares the committed copy with the record: without an edit nothing is copied back and
// nothing is recomputed (a stale reduced value stays); one typed field changes the record.
TEST_F(HeaderFormsTest, OkWithoutAnEditChangesNothingAndAnEditRecomputes) {
  GiveTheTestSteps();
  for (Record* record : {&store.test, &store.calibration}) {
    record->Header(hf::TableTitle) = "table";
    record->Header(hf::GraphTitle) = "graph";
    record->Header(hf::CalCurveType) = "0";
  }
  store.test.Test(1, tf::Pe) = "stale";
  store.calibration.Cal(1, 2) = "13";
  store.calibration.Cal(1, 3) = "stale";
  const RecordStore before = store;

  TestHeaderLogic test(store, home.settings);
  test.Accept(sink);
  EXPECT_EQ(test.Finish(true, sink), (FormOutcome{true, false}));
  EXPECT_EQ(store.test, before.test);
  CalHeaderLogic cal(store, home.settings);
  EXPECT_EQ(cal.Finish(true, sink), (FormOutcome{true, false}));
  EXPECT_EQ(store.calibration.CalRows, before.calibration.CalRows);

  TestHeaderLogic edited(store, home.settings);
  edited.SetField(hf::Memo, "m");
  edited.Accept(sink);
  EXPECT_EQ(edited.Finish(true, sink), (FormOutcome{true, true}));
  EXPECT_NE(store.test.Test(1, tf::Pe), "stale");
  CalHeaderLogic calEdited(store, home.settings);
  calEdited.SetField(hf::Memo, "m");
  EXPECT_EQ(calEdited.Finish(true, sink), (FormOutcome{true, true}));
  EXPECT_EQ(store.calibration.Cal(1, 3), "13");
}

TEST_F(HeaderFormsTest, PreviewCountsRowsUpToTheFirstWithoutPAndH) {
  for (int r = 1; r <= 8; ++r) {
    store.test.Cal(r, 1) = std::to_string(r * 30);
    store.test.Cal(r, 3) = std::to_string(r * 8);
  }
  store.test.Cal(5, 3) = "";
  TestHeaderLogic form(store, home.settings);
  EXPECT_EQ(form.PreviewRows(), 4);
  testing::RecordingDevice device;
  form.DrawPreview(device, 302, 84);
  ASSERT_EQ(device.ellipses.size(), 4u);
  // P = 30 lies 32 units from -2 across; H = 8 lies 10 units above -2.
  EXPECT_EQ(device.ellipses[0].left, 32 - 2);
  EXPECT_EQ(device.ellipses[0].bottom, 84 - 10 + 2);
  EXPECT_EQ(device.ellipses[0].pen, (Pen{PenStyle::Solid, 2, 0x808080}));
}

TEST_F(HeaderFormsTest, OkWarnsOfAMissingCalibrationFileBeforeAnythingElse) {
  GiveTheTestSteps();
  store.test.Cal(1, 1) = "x";
  store.test.Header(hf::StandpipeInitialLevel) = "abc";
  struct Case {
    const char* file;
    std::vector<int> messages;
  };
  const Case cases[] = {{"", {msg::NoCalFile}},
                        {"a", {msg::NoCalFile}},
                        {"ab", {msg::BadStandpipe, msg::BadCalData}}};
  for (const Case& c : cases) {
    RecordingMessageSink seen;
    TestHeaderLogic form(store, home.settings);
    form.SetField(hf::CalFileName, c.file);
    form.Accept(seen);
    form.Finish(true, seen);
    std::vector<std::string> expected;
    for (int id : c.messages) expected.push_back(NumberedMessage(id));
    EXPECT_EQ(seen.shown, expected) << c.file;
  }
}

TEST_F(HeaderFormsTest, OkCopiesBackTheFormsFieldsAndReducesTheTest) {
  GiveTheTestSteps();
  store.test.Header(hf::WaterLevelPrefix) = "keep";
  store.test.Header(hf::Po) = "123";
  TestHeaderLogic form(store, home.settings);
  form.SetField(hf::WaterLevelPrefix, "typed");  // not a field of the form
  form.SetField(hf::Po, "typed");
  form.SetField(hf::NValue, "17");
  form.SetCurveType(3);
  form.Accept(sink);
  form.Finish(true, sink);
  EXPECT_EQ(store.test.Header(hf::WaterLevelPrefix), "keep");
  EXPECT_EQ(store.test.Header(hf::Po), "123");
  EXPECT_EQ(store.test.Header(hf::NValue), "17");
  EXPECT_EQ(store.test.Header(hf::CalCurveType), "1");
  EXPECT_FALSE(store.test.Test(1, tf::Pe).empty());
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(HeaderFormsTest, CalibrationOkRecomputesHAndTheCurveIsRefittedEvenOnCancel) {
  for (int r = 1; r <= 6; ++r) {
    store.calibration.Cal(r, 1) = std::to_string(r * 20);
    store.calibration.Cal(r, 2) = std::to_string(r * 3 + 10);
  }
  store.calibration.Header(hf::TestDepth) = "kept";
  store.calCoefficients = {9, 9, 9, 9, 9};
  CalHeaderLogic cancelled(store, home.settings);
  cancelled.SetField(hf::StandpipeInitialLevel, "10");
  cancelled.Finish(false, sink);
  EXPECT_TRUE(store.calibration.Cal(1, 3).empty());  // nothing copied back, H not recomputed
  EXPECT_TRUE(store.calibration.Header(hf::StandpipeInitialLevel).empty());
  EXPECT_EQ(store.calCoefficients, (std::array<double, 5>{}));  // refitted: no H, no curve
  CalHeaderLogic form(store, home.settings);
  form.SetField(hf::StandpipeInitialLevel, "10");
  form.SetField(hf::TestDepth, "typed");
  form.SetCurveType(0);
  form.Finish(true, sink);
  EXPECT_EQ(store.calibration.Header(hf::StandpipeInitialLevel), "10");
  EXPECT_EQ(store.calibration.Header(hf::TestDepth), "kept");
  EXPECT_EQ(store.calibration.Header(hf::CalCurveType), "0");
  EXPECT_EQ(store.calibration.Cal(1, 3), "3");
  EXPECT_EQ(store.calibration.Cal(6, 3), "18");
  EXPECT_NE(store.calCoefficients, (std::array<double, 5>{}));
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

// What the header forms say of heading values too long for their place, on the recording device
// (every byte half the font height wide; 10.5 points at 96 dpi give 14 px, so a value at 35 mm
// has room for 83 bytes and the table page's depth at 124 mm for 35).
class HeadingFitLogicTest : public ::testing::Test {
 protected:
  HeadingFitLogicTest() { home.settings.fonts[0] = {10.5, Sjis("ＭＳ 明朝"), 0, 0}; }
  static std::string Repeat(const char* utf8, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += utf8;
    return Sjis(s);
  }
  testing::ProgramHome home;
  RecordStore store;
  testing::RecordingDevice device{96, 96};
};

TEST_F(HeadingFitLogicTest, TheFormsTextsAreMeasuredNotTheRecords) {
  store.test.Header(hf::SurveyName) = Repeat("北", 45);  // the record's own text is too long
  TestHeaderLogic form(store, home.settings);
  EXPECT_EQ(form.CondensedValues(device, {}), (std::vector<HeadingFields>{{hf::SurveyName}}));
  // As typed now: a short name and a long 孔内水位 (its prefix, field 14, is not on the form).
  const ShownField shown[] = {{hf::SurveyName, Sjis("北町")}, {hf::BoreholeWaterLevel, Repeat("不", 18)}};
  EXPECT_EQ(form.CondensedValues(device, shown), (std::vector<HeadingFields>{{hf::BoreholeWaterLevel}}));
  // A field the form does not edit keeps the record's text.
  const ShownField notOnForm[] = {{hf::PressureOffset, Repeat("9", 90)}};
  EXPECT_EQ(form.CondensedValues(device, notOnForm), (std::vector<HeadingFields>{{hf::SurveyName}}));

  store.calibration.Header(hf::Engineer) = Repeat("山", 40);
  CalHeaderLogic cal(store, home.settings);
  EXPECT_TRUE(cal.CondensedValues(device, {}).empty());  // 80 bytes at 35 mm
  const ShownField engineer[] = {{hf::Engineer, Repeat("山", 42)}};
  EXPECT_EQ(cal.CondensedValues(device, engineer), (std::vector<HeadingFields>{{hf::Engineer}}));
}

TEST_F(HeadingFitLogicTest, TheDepthIsMeasuredWithTheSignOkGivesIt) {
  TestHeaderLogic form(store, home.settings);
  // 26 digits: "GL. <26 digits>.00ｍ" is 35 bytes and fits at 124 mm; OK's "-" makes it 36.
  const ShownField plain[] = {{hf::TestDepth, "12345678901234567890123456"}};
  EXPECT_EQ(form.CondensedValues(device, plain), (std::vector<HeadingFields>{{hf::TestDepth}}));
  const ShownField positive[] = {{hf::TestDepth, "+12345678901234567890123456"}};
  EXPECT_TRUE(form.CondensedValues(device, positive).empty());
}

TEST(HeadingFitNotice, NamesTheLabelsInOneSentence) {
  EXPECT_EQ(CondensedNotice({}), "");
  const std::string one[] = {"調査名"};
  EXPECT_EQ(CondensedNotice(one), "「調査名」は印刷時に縮小されます");
  const std::string two[] = {"調査名", "測定年月日"};
  EXPECT_EQ(CondensedNotice(two), "「調査名」、「測定年月日」は印刷時に縮小されます");
}

}  // namespace
}  // namespace vek
