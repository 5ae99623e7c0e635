#pragma once
// A combo box that says when its list is about to drop down, so that a form can refresh what
// depends on the text before the user picks (the page form's footer previews).
#include <QComboBox>

namespace vek {

class PopupComboBox : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;
  void showPopup() override;

 signals:
  void PopupAboutToShow();
};

}  // namespace vek
