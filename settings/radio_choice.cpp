#include "settings/radio_choice.h"

#include <QRadioButton>

namespace vek {

void CheckRadioAt(std::initializer_list<QRadioButton*> radios, int index) {
  int i = 0;
  for (QRadioButton* radio : radios) {
    if (i++ == index) radio->setChecked(true);
  }
}

int CheckedRadioIndex(std::initializer_list<QRadioButton*> radios, int noneChecked) {
  int i = 0;
  for (QRadioButton* radio : radios) {
    if (radio->isChecked()) return i;
    ++i;
  }
  return noneChecked;
}

}  // namespace vek
