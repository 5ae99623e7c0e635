#pragma once
// The lines form ("線種/係数/余白") on screen: binds the controls to LinesLogic, paints each colour
// edit in the colour it names and offers the colour chooser; OK stores the settings.
#include <array>

#include "dialog/form_dialog.h"
#include "settings/colour_chooser.h"
#include "settings/logic/lines_logic.h"
#include "ui_lines_dialog.h"

class QLineEdit;

namespace vek {

class CLinesDlg : public FormDialog {
  Q_OBJECT
 public:
  // Edits a copy of `settings`; OK copies it back and stores Sys.ndx. `chooser` answers the "色"
  // buttons (the platform's colour chooser when empty).
  CLinesDlg(QWidget* parent, SheetSettings& settings, MessageSink* sink = nullptr, ColourChooser chooser = {});

 protected:
  bool CommitForm() override;

 private:
  QLineEdit* Edit(LinesField field) const { return edits_[static_cast<int>(field)]; }
  void ShowForm();
  void ReadForm();
  void OnGridStyle(int style, bool checked);
  void OnStandard();
  void PickColour(LinesField field);
  void PaintColourEdit(QLineEdit* edit);

  Ui::CLinesDlg ui;
  SheetSettings& settings_;
  LinesLogic form_;
  ColourChooser chooser_;
  std::array<QLineEdit*, kLinesFieldCount> edits_{};
  bool showing_ = false;
};

}  // namespace vek
