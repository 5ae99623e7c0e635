#include "settings/font_settings_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "core/colour_text.h"
#include "qt/cp932_text.h"
#include "qt/qt_draw_device.h"

namespace vek {

namespace {

// The chooser's height of a font: a character height, negative, in pixels at `dpi`.
int ChooserHeightOf(const QFont& font, int dpi) {
  if (font.pixelSize() > 0) return -font.pixelSize();
  return -static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0));
}

}  // namespace

std::optional<ChosenFont> ChosenFontOf(const FontAndColour& answer, const RoleFont& original, int dpi) {
  ChosenFont chosen;
  const QString family = answer.font.family();
  if (family == SubstituteFaceName(FromCp932(original.face))) {
    chosen.face = original.face;
  } else {
    const std::optional<std::string> face = ToCp932(family);
    if (!face || !IsStorableFaceName(*face)) return std::nullopt;
    chosen.face = *face;
  }
  chosen.height = ChooserHeightOf(answer.font, dpi);
  chosen.colour = ColourOfRgb({answer.colour.red(), answer.colour.green(), answer.colour.blue()});
  chosen.underline = answer.font.underline();
  return chosen;
}

FontAndColour ChooserStartOf(const RoleFont& font, int dpi) {
  QFont start(SubstituteFaceName(FromCp932(font.face)));
  const int height = ChooserStartHeight(font.size, dpi);
  if (height > 0) start.setPixelSize(height);
  start.setUnderline(font.underline != 0);
  return {start, ToQColor(font.colour)};
}

CFontSettingsDlg::CFontSettingsDlg(QWidget* parent, SheetSettings& settings, MessageSink* sink, FontChooser chooser)
    : FormDialog(parent, settings.EnterKeyMode, sink),
      settings_(settings),
      form_(settings),
      chooser_(chooser ? std::move(chooser) : FontChooser(ChooseFontWithDialog)) {
  ui.setupUi(this);
  rows_ = {{{ui.titleButton, ui.titleFace, ui.titleSize, ui.titleSample},
            {ui.headingButton, ui.headingFace, ui.headingSize, ui.headingSample},
            {ui.tableButton, ui.tableFace, ui.tableSize, ui.tableSample},
            {ui.graphButton, ui.graphFace, ui.graphSize, ui.graphSample},
            {ui.resultButton, ui.resultFace, ui.resultSize, ui.resultSample},
            {ui.pageButton, ui.pageFace, ui.pageSize, ui.pageSample}}};
  for (int row = 0; row < kFontRowCount; ++row) {
    connect(rows_[row].button, &QPushButton::clicked, this, [this, row] { ChooseRow(row); });
    ShowRow(row);
  }
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CFontSettingsDlg::ShowRow(int row) {
  const RoleFont& font = form_.RowFont(row);
  rows_[row].face->setText(FromCp932(font.face));
  rows_[row].size->setText(QString::fromStdString(FontSizeText(font.size)));
  QPalette palette = rows_[row].sample->palette();
  palette.setColor(QPalette::WindowText, ToQColor(font.colour));
  rows_[row].sample->setPalette(palette);
}

void CFontSettingsDlg::ChooseRow(int row) {
  const int dpi = logicalDpiY();
  const RoleFont& font = form_.RowFont(row);
  const std::optional<FontAndColour> answer = chooser_(ChooserStartOf(font, dpi), this);
  if (!answer) return;
  const std::optional<ChosenFont> chosen = ChosenFontOf(*answer, font, dpi);
  if (!chosen) {
    Sink().Show(msg::FaceNameNotStorable, answer->font.family().toStdString());
    return;
  }
  form_.ApplyChoice(row, *chosen, dpi);
  ShowRow(row);
}

bool CFontSettingsDlg::CommitForm() {
  form_.Commit(settings_, Sink());
  return true;
}

}  // namespace vek
