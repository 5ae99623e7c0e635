#include "settings/popup_combo_box.h"

namespace vek {

void PopupComboBox::showPopup() {
  emit PopupAboutToShow();
  QComboBox::showPopup();
}

}  // namespace vek
