#include "qt/cp932_validator.h"

#include <QComboBox>
#include <QLineEdit>

#include "io/storable_text.h"
#include "qt/cp932_text.h"

namespace vek {

bool IsAcceptableEntry(const QString& text, int maxBytes, TextSlot slot) {
  const std::optional<std::string> bytes = ToCp932(text);
  if (!bytes) return false;
  if (maxBytes > 0 && int(bytes->size()) > maxBytes) return false;
  switch (slot) {
    case TextSlot::Plain: return true;
    case TextSlot::HeaderText: return IsStorableHeaderText(*bytes);
    case TextSlot::TableCell: return IsStorableCellText(*bytes);
  }
  return true;
}

Cp932Validator::Cp932Validator(int maxBytes, TextSlot slot, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes), slot_(slot) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
  return IsAcceptableEntry(input, maxBytes_, slot_) ? Acceptable : Invalid;
}

void LimitToCp932(QLineEdit* edit, int maxBytes, TextSlot slot) {
  edit->setValidator(new Cp932Validator(maxBytes, slot, edit));
}

void LimitToCp932(QComboBox* combo, int maxBytes, TextSlot slot) {
  if (QLineEdit* edit = combo->lineEdit()) LimitToCp932(edit, maxBytes, slot);
}

}  // namespace vek
