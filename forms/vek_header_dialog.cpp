#include "forms/vek_header_dialog.h"

#include <QEvent>
#include <QPalette>

namespace vek {

CTestHeaderDlg::CTestHeaderDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings,
                               FileChooser& chooser, MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink), logic_(store, settings), chooser_(chooser) {
  ui.setupUi(this);
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ui.engineerCaptionEdit->setAccessibleName(QStringLiteral("担当者の見出し"));
  ui.tableTitleButton->setAccessibleName(QStringLiteral("← データ表タイトル"));
  ui.graphTitleButton->setAccessibleName(QStringLiteral("← グラフタイトル"));
  ui.formulaTitleButton->setAccessibleName(QStringLiteral("← タイトル"));
  ui.previewFrame->setAccessibleName(QStringLiteral("キャリブレーションファイル"));
  ui.previewFrame->setAutoFillBackground(true);
  QPalette white = ui.previewFrame->palette();
  white.setColor(QPalette::Window, Qt::white);
  ui.previewFrame->setPalette(white);
  ui.previewFrame->SetDrawer([this](DrawDevice& device, int w, int h) { logic_.DrawPreview(device, w, h); });

  BindSharedHeaderFields(binding_, ui, logic_);
  binding_.AddEdit(ui.depthEdit, hf::TestDepth, kSignedLevelBytes);
  binding_.AddEdit(ui.poissonEdit, hf::PoissonRatio);
  binding_.AddEdit(ui.engineerCaptionEdit, hf::EngineerCaption);
  binding_.AddCombo(ui.soilCombo, hf::SoilName, logic_.Soils());
  binding_.AddEdit(ui.nValueEdit, hf::NValue);
  binding_.AddEdit(ui.waterLevelEdit, hf::BoreholeWaterLevel, kSignedLevelBytes);
  binding_.AddEdit(ui.sondeRadiusEdit, hf::SondeRadius);
  binding_.AddEdit(ui.sondeLengthEdit, hf::SondeLength);
  binding_.AddEdit(ui.standpipeAreaEdit, hf::StandpipeArea);
  binding_.AddEdit(ui.formulaTitleEdit, hf::FormulaTitle);
  binding_.AddEdit(ui.calFileEdit, hf::CalFileName);
  binding_.Show(logic_);
  fitNotice_.Attach(ui.fitNoticeLabel, binding_, logic_);

  connect(ui.tableTitleButton, &QPushButton::clicked, this, [this] { CopyTitle(ui.tableTitleEdit, hf::TableTitle); });
  connect(ui.graphTitleButton, &QPushButton::clicked, this, [this] { CopyTitle(ui.graphTitleEdit, hf::GraphTitle); });
  connect(ui.formulaTitleButton, &QPushButton::clicked, this,
          [this] { CopyTitle(ui.formulaTitleEdit, hf::FormulaTitle); });
  connect(ui.openButton, &QPushButton::clicked, this, &CTestHeaderDlg::OpenCalibration);
  connect(ui.drawButton, &QPushButton::clicked, this, [this] {
    logic_.RecountPreview();
    ui.previewFrame->update();
  });
}

void CTestHeaderDlg::CopyTitle(QLineEdit* edit, int field) {
  if (logic_.CopySystemTitle(field, Sink())) HeaderFieldBinding::ShowEdit(logic_, edit, field);
}

void CTestHeaderDlg::OpenCalibration() {
  if (!logic_.OpenCalibration(chooser_, Sink())) return;
  HeaderFieldBinding::ShowEdit(logic_, ui.calFileEdit, hf::CalFileName);
  ui.previewFrame->update();
}

void CTestHeaderDlg::LeaveLevel(QLineEdit* edit, int field) {
  HeaderFieldBinding::TakeEdit(logic_, edit, field);
  if (logic_.LeaveLevelField(field)) HeaderFieldBinding::ShowEdit(logic_, edit, field);
}

bool CTestHeaderDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == ui.depthEdit) LeaveLevel(ui.depthEdit, hf::TestDepth);
    if (watched == ui.waterLevelEdit) LeaveLevel(ui.waterLevelEdit, hf::BoreholeWaterLevel);
  }
  return FormDialog::eventFilter(watched, event);
}

bool CTestHeaderDlg::CommitForm() {
  if (QLineEdit* refused = binding_.RefusedNumberEdit(TestHeaderNumberFields(), Sink())) {
    FocusField(refused);
    return false;
  }
  binding_.Take(logic_);
  logic_.Accept(Sink());
  return true;
}

}  // namespace vek
