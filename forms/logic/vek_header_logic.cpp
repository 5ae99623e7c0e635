#include "forms/logic/vek_header_logic.h"

#include <cstdlib>

#include "core/encoding.h"
#include "core/messages.h"
#include "io/document_commands.h"
#include "io/file_v.h"
#include "io/master_list.h"
#include "io/record_commands.h"
#include "io/settings_location.h"
#include "render/draw_device.h"
#include "render/primitives.h"

namespace vek {

namespace {

constexpr int kTestFormFields[] = {
    hf::SurveyName,  hf::BoringNo,    hf::TestDepth,   hf::StandpipeInitialLevel, hf::StandpipeInsertedLevel,
    hf::PoissonRatio, hf::DateEra,    hf::DateYear,    hf::DateMonth,             hf::DateDay,
    hf::Engineer,    hf::SoilName,    hf::NValue,      hf::BoreholeWaterLevel,    hf::Memo,
    hf::SondeRadius, hf::SondeLength, hf::StandpipeArea, hf::CalFileName,         hf::TableTitle,
    hf::GraphTitle,  hf::CompanyName, hf::NoCaption,   hf::SurveyNameCaption,     hf::EngineerCaption,
    hf::FormulaTitle};

constexpr double kWaterLevelLimit = 1000.0;

// Preview axes: P from -2 to 300 kN/m² across, H from -2 to 82 cm upwards.
constexpr double kPreviewPMin = -2, kPreviewPMax = 300, kPreviewHMin = -2, kPreviewHMax = 82;
constexpr Colour kPreviewGrey = 0x808080;

}  // namespace

TestHeaderLogic::TestHeaderLogic(RecordStore& store, const SheetSettings& settings)
    : HeaderLogic(store, settings, kTestSheet, kMasterFormLineBytes) {
  const std::filesystem::path soilList = MasterListHostPath(settings, MasterListKind::SoilNames);
  std::error_code ec;
  if (std::filesystem::is_regular_file(soilList, ec)) {
    soils_ = ReadListLines(soilList, kMasterFormLineBytes);
  } else {
    soils_ = DefaultSoilNames();
  }
  RecountPreview();
}

std::span<const int> TestHeaderLogic::FormFields() const { return kTestFormFields; }

bool TestHeaderLogic::CopySystemTitle(int field, MessageSink& sink) {
  const TextField& title = field == hf::GraphTitle   ? settings_.SystemGraphTitle
                           : field == hf::TableTitle ? settings_.SystemTableTitle
                                                     : settings_.SystemFormulaTitle;
  if (title.empty()) {
    sink.Show(msg::NoData);
    return false;
  }
  SetField(field, title);
  return true;
}

bool TestHeaderLogic::LeaveLevelField(int field) {
  bool signed_ = false;
  SetField(field, WithGlSign(Field(field), &signed_));
  changed_ = changed_ || signed_;
  return signed_;
}

FileChooserRequest TestHeaderLogic::AttachRequest() const {
  FileChooserRequest request;
  request.filter = kAttachCalFilter;
  request.defaultExtension = "cdw";
  const FileV fileV = ReadFileV(ProgramFolderHostPath(settings_));
  if (!fileV.folder.empty()) request.initialFolder = FieldToPath(fileV.folder);
  return request;
}

std::optional<AttachResult> TestHeaderLogic::OpenCalibration(FileChooser& chooser, MessageSink& sink) {
  const std::optional<std::filesystem::path> chosen = chooser.ChooseOpenFile(AttachRequest());
  if (!chosen) return std::nullopt;
  // Field 20 keeps the name: one it cannot hold is refused before anything is taken over.
  const std::optional<TextField> name = StorablePathField(*chosen);
  if (!name) {
    sink.Show(msg::FileNameNotStorable, chosen->string());
    return AttachResult::NameNotStorable;
  }
  const AttachResult result = AttachCalibration(copy_.Work(), *chosen, sink, false);
  if (result == AttachResult::Attached) {
    if (name->size() > 1) {
      SetField(hf::CalFileName, *name);
      changed_ = true;
    }
    RecountPreview();
  }
  return result;
}

int TestHeaderLogic::RecountPreview() {
  previewRows_ = 0;
  const Record& test = copy_.Copy();
  while (previewRows_ < kMaxCalRows && IsNumericText(test.Cal(previewRows_ + 1, cf::Pressure)) == 1 &&
         IsNumericText(test.Cal(previewRows_ + 1, cf::H)) == 1) {
    ++previewRows_;
  }
  return previewRows_;
}

void TestHeaderLogic::DrawPreview(DrawDevice& device, int width, int height) const {
  const Record& test = copy_.Copy();
  for (int r = 1; r <= previewRows_; ++r) {
    const double p = std::atof(test.Cal(r, cf::Pressure).c_str());
    const double h = std::atof(test.Cal(r, cf::H).c_str());
    const int x = static_cast<int>((p - kPreviewPMin) / (kPreviewPMax - kPreviewPMin) * width);
    const int y = static_cast<int>((h - kPreviewHMin) / (kPreviewHMax - kPreviewHMin) * height);
    DrawCircle(device, x, height - y, 2, PenStyle::Solid, 2, kPreviewGrey);
  }
}

void TestHeaderLogic::Accept(MessageSink& sink) {
  ApplyAcceptRules(copy_.Copy());
  const double level = std::atof(Field(hf::BoreholeWaterLevel).c_str());
  if (level < -kWaterLevelLimit || level > kWaterLevelLimit) sink.Show(msg::BadWaterLevel);
}

void TestHeaderLogic::ApplyAcceptRules(Record& record) const {
  for (int field : {hf::TestDepth, hf::BoreholeWaterLevel}) record.Header(field) = WithGlSign(record.Header(field));
}

FormOutcome TestHeaderLogic::Finish(bool accepted, MessageSink& sink) {
  if (!accepted) return {};
  const bool changed = CommitCopy();
  const Record& test = store_.test;
  bool warnBadCalibration = false;
  if (test.Header(hf::CalFileName).size() <= 1) {
    sink.Show(msg::NoCalFile);
  } else {
    const TextField& initial = test.Header(hf::StandpipeInitialLevel);
    if (!initial.empty() && IsNumericText(initial) < 1) sink.Show(msg::BadStandpipe);
    warnBadCalibration = true;
  }
  // The checks speak on every OK; the reduction runs only on a record that changed.
  if (changed) {
    ReduceTestRecord(store_, settings_, sink, warnBadCalibration);
  } else if (warnBadCalibration && !HasUsableCalibrationCopy(store_)) {
    sink.Show(msg::BadCalData);
  }
  return {true, changed};
}

}  // namespace vek
