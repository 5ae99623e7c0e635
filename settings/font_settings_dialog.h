#pragma once
// The font form ("フォント") on screen: six rows, each with its button, face, size and a sample in
// the font's colour. OK writes all six font files.
#include <array>

#include "dialog/form_dialog.h"
#include "settings/font_colour_chooser.h"
#include "settings/logic/font_settings_logic.h"
#include "ui_font_settings_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vek {

// What a chooser answer means for a row whose font was `original`: face (the original face name
// when the chooser kept the face that stands in for it), the chooser's height at `dpi`, colour and
// underline. nullopt when the face name cannot be kept in a font file.
std::optional<ChosenFont> ChosenFontOf(const FontAndColour& answer, const RoleFont& original, int dpi);

// Where the chooser starts for a font: its stand-in face, its cell height at `dpi`, its colour.
FontAndColour ChooserStartOf(const RoleFont& font, int dpi);

class CFontSettingsDlg : public FormDialog {
  Q_OBJECT
 public:
  // `chooser` answers the row buttons (CFontColourChooser when empty).
  CFontSettingsDlg(QWidget* parent, SheetSettings& settings, MessageSink* sink = nullptr, FontChooser chooser = {});

  // A row button: runs the chooser for the row (0-5, top to bottom).
  void ChooseRow(int row);

 protected:
  bool HasChanges() const override { return form_.HasChanges(); }
  bool CommitForm() override;

 private:
  void ShowRow(int row);

  Ui::CFontSettingsDlg ui;
  SheetSettings& settings_;
  FontSettingsLogic form_;
  FontChooser chooser_;
  struct RowWidgets {
    QPushButton* button;
    QLineEdit* face;
    QLineEdit* size;
    QLabel* sample;
  };
  std::array<RowWidgets, kFontRowCount> rows_{};
};

}  // namespace vek
