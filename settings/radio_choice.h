#pragma once
// A setting chosen by a row of radio buttons, stored as the index of the checked one. A stored value
// outside the row checks none of them and is kept as it is, so a form opened and closed with OK
// does not change it.
#include <initializer_list>

class QRadioButton;

namespace vek {

void CheckRadioAt(std::initializer_list<QRadioButton*> radios, int index);
int CheckedRadioIndex(std::initializer_list<QRadioButton*> radios, int noneChecked);

}  // namespace vek
