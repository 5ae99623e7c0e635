#include "settings/font_colour_chooser.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

std::optional<FontAndColour> ChooseFontWithDialog(const FontAndColour& start, QWidget* parent) {
  CFontColourChooser chooser(start, parent);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.Selected();
}

CFontColourChooser::CFontColourChooser(const FontAndColour& start, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("フォントの指定"));
  // Qt's own font dialog, embedded as a page of this one (its buttons are ours).
  fonts_ = new QFontDialog(this);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setCurrentFont(start.font);

  auto* colourButton = new QPushButton(QStringLiteral("色(&C)..."), this);
  colourButton->setAutoDefault(false);
  swatch_ = new QLabel(QStringLiteral("■"), this);
  swatch_->setAccessibleName(QStringLiteral("色"));
  auto* colourRow = new QHBoxLayout;
  colourRow->addWidget(colourButton);
  colourRow->addWidget(swatch_);
  colourRow->addStretch();

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fonts_);
  layout->addLayout(colourRow);
  layout->addWidget(buttons);

  connect(colourButton, &QPushButton::clicked, this, &CFontColourChooser::PickColour);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  SetColour(start.colour);
}

FontAndColour CFontColourChooser::Selected() const { return {fonts_->currentFont(), colour_}; }

void CFontColourChooser::SetColour(const QColor& colour) {
  colour_ = colour;
  QPalette palette = swatch_->palette();
  palette.setColor(QPalette::WindowText, colour);
  swatch_->setPalette(palette);
}

void CFontColourChooser::PickColour() {
  const QColor chosen = QColorDialog::getColor(colour_, this, QStringLiteral("色の設定"));
  if (chosen.isValid()) SetColour(chosen);
}

}  // namespace vek
