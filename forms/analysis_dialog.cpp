#include "forms/analysis_dialog.h"

#include <QTimer>

#include "io/data_file_lines.h"
#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"

namespace vek {

namespace {

constexpr int kScaleBytes = 20;  // a number edit

}  // namespace

CAnalysisDlg::CAnalysisDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink), form_(store, settings, Sink()) {
  ui.setupUi(this);
  // Po and the first sign are checked before the radios are bound: opening draws nothing yet.
  ui.typePo->setChecked(true);
  ui.sign1->setChecked(true);
  ui.hidePl->setChecked(form_.HidePl());
  Bind();
  for (int k = 0; k < AnalysisLogic::kFormulaLines; ++k) {
    QLineEdit* edit = std::array{ui.formulaPl, ui.formulaPy, ui.formulaPo, ui.formulaK1, ui.formulaK2, ui.formulaE}[k];
    // A header line longer than a read of the file gives would come back split.
    LimitToCp932(edit, static_cast<int>(kFrameworkLineBytes), TextSlot::HeaderText);
  }
  for (QLineEdit* edit : {ui.peMax, ui.peMin, ui.peStep}) LimitToCp932(edit, kScaleBytes, TextSlot::NumberCell);
  Refresh();
  opened_ = Shown();
}

QStringList CAnalysisDlg::Shown() const {
  const AnalysisRows& rows = form_.Chosen();
  QStringList shown = {QString::number(rows.po), QString::number(rows.py), QString::number(rows.pl),
                       ui.hidePl->isChecked() ? QStringLiteral("1") : QStringLiteral("0")};
  for (const QLineEdit* edit : {ui.formulaPl, ui.formulaPy, ui.formulaPo, ui.formulaK1, ui.formulaK2, ui.formulaE,
                                ui.peMax, ui.peMin, ui.peStep})
    shown << edit->text();
  return shown;
}

void CAnalysisDlg::Bind() {
  ui.graph->SetDrawer([this](DrawDevice& device, int w, int h) { form_.DrawGraph(device, w, h); });
  connect(ui.graph, &DrawFrame::Clicked, this, [this](QPoint p) {
    if (form_.ChooseAt(p.x(), p.y(), ui.graph->width(), ui.graph->height())) Refresh();
  });
  connect(ui.graph, &DrawFrame::KeyPressed, this, &CAnalysisDlg::OnGraphKey);

  const std::pair<QRadioButton*, int> types[] = {
      {ui.typePo, AnalysisLogic::kPo}, {ui.typePy, AnalysisLogic::kPy}, {ui.typePl, AnalysisLogic::kPl}};
  for (auto [radio, type] : types) {
    connect(radio, &QRadioButton::toggled, this, [this, type](bool on) {
      if (!on) return;
      form_.ChooseType(type);
      Refresh();
    });
  }
  const std::pair<QRadioButton*, int> signs[] = {{ui.sign1, 1}, {ui.sign2, 2}, {ui.sign3, 3}};
  for (auto [radio, sign] : signs) {
    connect(radio, &QRadioButton::toggled, this, [this, sign](bool on) {
      if (on) form_.SetSign(sign);
    });
  }
  auto action = [this](QPushButton* button, auto step) {
    connect(button, &QPushButton::clicked, this, [this, step] {
      step();
      Refresh();
    });
  };
  action(ui.upButton, [this] { form_.StepUp(); });
  action(ui.downButton, [this] { form_.StepDown(); });
  action(ui.drawButton, [this] { form_.ShowChosen(); });
  action(ui.suggestButton, [this] { form_.Suggest(); });
  action(ui.updateButton, [this] { form_.UpdateFormula(); });
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  const std::pair<QLineEdit*, int> lines[] = {{ui.formulaPl, 0}, {ui.formulaPy, 1}, {ui.formulaPo, 2},
                                              {ui.formulaK1, 3}, {ui.formulaK2, 4}, {ui.formulaE, 5}};
  for (auto [edit, index] : lines) {
    connect(edit, &QLineEdit::textChanged, this,
            [this, index](const QString& text) { form_.SetFormulaLine(index, ToCp932Accepted(text)); });
  }
  const std::pair<QLineEdit*, int> scales[] = {
      {ui.peMin, AnalysisLogic::kPeMin}, {ui.peMax, AnalysisLogic::kPeMax}, {ui.peStep, AnalysisLogic::kPeStep}};
  for (auto [edit, which] : scales) {
    connect(edit, &QLineEdit::textChanged, this,
            [this, which](const QString& text) { form_.SetPeScaleText(which, ToCp932Accepted(text)); });
  }
  // Leaving either end of the Pe scale draws the graph on the new scale.
  for (QLineEdit* edit : {ui.peMin, ui.peMax}) {
    connect(edit, &QLineEdit::editingFinished, this, [this] {
      form_.Redraw();
      Refresh();
    });
  }
  connect(ui.hidePl, &QCheckBox::toggled, this, [this](bool on) { form_.SetHidePl(on); });
}

// A dialog destroyed while shown is hidden by QDialog's destructor, after this class's members are
// gone; the focus then leaves a Pe-scale edit, and its redraw must no longer run.
CAnalysisDlg::~CAnalysisDlg() {
  for (QLineEdit* edit : {ui.peMin, ui.peMax}) disconnect(edit, &QLineEdit::editingFinished, this, nullptr);
}

void CAnalysisDlg::Refresh() {
  auto set = [](QLineEdit* edit, const std::string& cp932) {
    const QString text = FromCp932(cp932);
    if (edit->text() != text) edit->setText(text);
  };
  const std::pair<int, std::pair<QLineEdit*, QLineEdit*>> steps[] = {{AnalysisLogic::kPo, {ui.poR, ui.poPe}},
                                                                    {AnalysisLogic::kPy, {ui.pyR, ui.pyPe}},
                                                                    {AnalysisLogic::kPl, {ui.plR, ui.plPe}}};
  for (const auto& [type, edits] : steps) {
    set(edits.first, form_.StepRText(type));
    set(edits.second, form_.StepPeText(type));
  }
  QLineEdit* lines[] = {ui.formulaPl, ui.formulaPy, ui.formulaPo, ui.formulaK1, ui.formulaK2, ui.formulaE};
  for (int k = 0; k < AnalysisLogic::kFormulaLines; ++k) set(lines[k], form_.FormulaLine(k));
  set(ui.peMin, form_.PeScaleText(AnalysisLogic::kPeMin));
  set(ui.peMax, form_.PeScaleText(AnalysisLogic::kPeMax));
  set(ui.peStep, form_.PeScaleText(AnalysisLogic::kPeStep));
  set(ui.rAxisFrom, form_.RAxisFromText());
  set(ui.rAxisTo, form_.RAxisToText());
  set(ui.peAxisFrom, form_.PeAxisFromText());
  set(ui.peAxisTo, form_.PeAxisToText());
  ui.graph->update();
}

void CAnalysisDlg::OnGraphKey(int key) {
  if (key == Qt::Key_Up) {
    form_.StepUp();
  } else if (key == Qt::Key_Down) {
    form_.StepDown();
  } else {
    return;
  }
  Refresh();
}

void CAnalysisDlg::showEvent(QShowEvent* event) {
  FormDialog::showEvent(event);
  if (firstShown_) return;
  firstShown_ = true;
  // The graph is drawn once the form is on screen, so a scale message appears over the form.
  QTimer::singleShot(0, this, [this] {
    if (form_.GraphDrawn()) return;
    form_.Redraw();
    Refresh();
  });
}

bool CAnalysisDlg::CommitForm() {
  switch (form_.Commit()) {
    case AnalysisLogic::Field::None: return true;
    case AnalysisLogic::Field::PeMin: FocusField(ui.peMin); break;
    case AnalysisLogic::Field::PeMax: FocusField(ui.peMax); break;
    case AnalysisLogic::Field::PeStep: FocusField(ui.peStep); break;
  }
  return false;
}

}  // namespace vek
