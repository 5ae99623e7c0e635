#pragma once
// Entry validation for fields that end up in records and files: text is refused as it is typed (or
// pasted) when CP932 cannot hold one of its characters, when it is longer than the field's byte limit,
// or when the data file could not store it (see io/storable_text.h).
#include <QValidator>

class QComboBox;
class QLineEdit;

namespace vek {

enum class TextSlot {
  Plain,       // settings and other texts that are not data-file lines
  HeaderText,  // a data-file header line: no line break, no "$$"
  TableCell,   // a data-file table cell: no comma, no line break
};

class Cp932Validator : public QValidator {
  Q_OBJECT
 public:
  // maxBytes <= 0: no byte limit.
  Cp932Validator(int maxBytes, TextSlot slot, QObject* parent = nullptr);
  State validate(QString& input, int& pos) const override;

 private:
  int maxBytes_;
  TextSlot slot_;
};

// True when `text` passes the validator's rules (for values set from code or checked on OK).
bool IsAcceptableEntry(const QString& text, int maxBytes, TextSlot slot);

// Installs a Cp932Validator on an edit, or on the edit of an editable combo box.
void LimitToCp932(QLineEdit* edit, int maxBytes, TextSlot slot = TextSlot::Plain);
void LimitToCp932(QComboBox* combo, int maxBytes, TextSlot slot = TextSlot::Plain);

}  // namespace vek
