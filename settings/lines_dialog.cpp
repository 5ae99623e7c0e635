#include "settings/lines_dialog.h"

#include <QLineEdit>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"
#include "core/colour_text.h"
#include "qt/qt_draw_device.h"
#include "settings/radio_choice.h"
#include "settings/settings_entry_limits.h"

namespace vek {

CLinesDlg::CLinesDlg(QWidget* parent, SheetSettings& settings, MessageSink* sink, ColourChooser chooser)
    : FormDialog(parent, settings.EnterKeyMode, sink),
      settings_(settings),
      form_(settings),
      chooser_(chooser ? std::move(chooser) : ColourChooser(ChooseColourWithDialog)) {
  ui.setupUi(this);
  edits_ = {ui.FrameLineWidth,  ui.RuleLineWidth,      ui.SymbolLineWidth,     ui.GridLineWidth,
            ui.GridDashLength,  ui.GridGapLength,      ui.GridColour,          ui.RLineWidth,
            ui.RLineColour,     ui.DhLineWidth,        ui.DhLineColour,        ui.DefaultSondeRadius,
            ui.DefaultSondeLength, ui.DefaultStandpipeArea, ui.SiFactor,       ui.GraphTopMargin,
            ui.GraphLeftMargin, ui.FormulaTopMargin,   ui.FormulaLeftMargin,   ui.TableTopMargin,
            ui.TableLeftMargin};
  for (int i = 0; i < kLinesFieldCount; ++i) {
    const auto field = static_cast<LinesField>(i);
    const bool text = LinesLogic::IsColourField(field) || field == LinesField::SiFactor;
    LimitToCp932(edits_[i], text ? kSettingsTextBytes : kSettingsNumberBytes);
    if (LinesLogic::IsColourField(field))
      connect(edits_[i], &QLineEdit::textChanged, this, [this, i] { PaintColourEdit(edits_[i]); });
  }
  connect(ui.GridColourButton, &QPushButton::clicked, this, [this] { PickColour(LinesField::GridColour); });
  connect(ui.RLineColourButton, &QPushButton::clicked, this, [this] { PickColour(LinesField::RLineColour); });
  connect(ui.DhLineColourButton, &QPushButton::clicked, this, [this] { PickColour(LinesField::DhLineColour); });
  connect(ui.gridColourStyle, &QRadioButton::toggled, this, [this](bool on) { OnGridStyle(kColourGrid, on); });
  connect(ui.gridMonochromeStyle, &QRadioButton::toggled, this, [this](bool on) { OnGridStyle(kMonochromeGrid, on); });
  connect(ui.standardButton, &QPushButton::clicked, this, &CLinesDlg::OnStandard);
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ShowForm();
}

void CLinesDlg::ShowForm() {
  showing_ = true;
  for (int i = 0; i < kLinesFieldCount; ++i) edits_[i]->setText(FromCp932(form_.Text(static_cast<LinesField>(i))));
  (form_.GridStyle() == kMonochromeGrid ? ui.gridMonochromeStyle : ui.gridColourStyle)->setChecked(true);
  ui.GridColour->setEnabled(form_.GridColourEnabled());
  ui.GridColourButton->setEnabled(form_.GridColourEnabled());
  ui.GridDashLength->setEnabled(form_.DashAndGapEnabled());
  ui.GridGapLength->setEnabled(form_.DashAndGapEnabled());
  ui.gridNote->setText(QString::fromUtf8(form_.GridNote()));
  CheckRadioAt({ui.RModeNone, ui.RModeJoin, ui.RModeExtend}, form_.rLineMode);
  CheckRadioAt({ui.DhModeNone, ui.DhModeJoin, ui.DhModeExtend}, form_.dhLineMode);
  ui.ShowSiFactor->setChecked(form_.showSiFactor);
  showing_ = false;
}

void CLinesDlg::ReadForm() {
  for (int i = 0; i < kLinesFieldCount; ++i) form_.Text(static_cast<LinesField>(i)) = ToCp932Accepted(edits_[i]->text());
  form_.rLineMode = CheckedRadioIndex({ui.RModeNone, ui.RModeJoin, ui.RModeExtend}, form_.rLineMode);
  form_.dhLineMode = CheckedRadioIndex({ui.DhModeNone, ui.DhModeJoin, ui.DhModeExtend}, form_.dhLineMode);
  form_.showSiFactor = ui.ShowSiFactor->isChecked();
}

void CLinesDlg::OnGridStyle(int style, bool checked) {
  if (showing_ || !checked) return;
  ReadForm();
  form_.ChooseGridStyle(style);
  ShowForm();
}

void CLinesDlg::OnStandard() {
  ReadForm();
  form_.SetStandardValues();
  ShowForm();
}

void CLinesDlg::PickColour(LinesField field) {
  QLineEdit* edit = Edit(field);
  const QColor initial = ToQColor(ParseColourText(ToCp932Accepted(edit->text())));
  const std::optional<QColor> chosen = chooser_(initial, this);
  if (!chosen) return;
  edit->setText(QString::fromStdString(ColourText(ColourOfRgb({chosen->red(), chosen->green(), chosen->blue()}))));
}

void CLinesDlg::PaintColourEdit(QLineEdit* edit) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, ToQColor(ParseColourText(ToCp932Accepted(edit->text()))));
  edit->setPalette(palette);
}

bool CLinesDlg::CommitForm() {
  ReadForm();
  if (const std::optional<LinesField> refused = form_.Commit(settings_, Sink())) {
    FocusField(Edit(*refused));
    return false;
  }
  return true;
}

}  // namespace vek
