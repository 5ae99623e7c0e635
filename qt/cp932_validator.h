#pragma once
// Entry validation for fields that end up in records and files: text is refused as it is typed (or
// pasted) when CP932 cannot hold one of its characters, when it is longer than the field's byte limit,
// or when the data file could not store it (see io/storable_text.h). A refusal the user caused at the
// keyboard or by a paste is shown at the field (a tooltip saying why) with the platform's beep, so a
// character never just goes missing.
#include <QString>
#include <QValidator>

class QComboBox;
class QLineEdit;
class QWidget;

namespace vek {

enum class TextSlot {
  Plain,       // settings and other texts that are not data-file lines
  HeaderText,  // a data-file header line: no line break, no "$$"
  TableCell,   // a data-file table cell: no comma, no line break
  NumberCell,  // a table cell that holds a number: digits, sign, decimal point and exponent only
};

class Cp932Validator : public QValidator {
  Q_OBJECT
 public:
  // maxBytes <= 0: no byte limit. `edit` (may be null) is the field whose refusals are shown.
  Cp932Validator(int maxBytes, TextSlot slot, QLineEdit* edit);
  State validate(QString& input, int& pos) const override;

 signals:
  // A text the user was typing or pasting into the field was refused, with the reason shown.
  void refused(const QString& reason) const;

 private:
  int maxBytes_;
  TextSlot slot_;
  QLineEdit* edit_;
};

// True when `text` passes the validator's rules (for values set from code or checked on OK).
bool IsAcceptableEntry(const QString& text, int maxBytes, TextSlot slot);

// Why `text` is refused, in the words shown to the user; empty when it is acceptable.
QString RefusalReason(const QString& text, int maxBytes, TextSlot slot);

// Shows `reason` as a tooltip under `field` and beeps: the one way a refused entry is made visible.
void ShowRefusal(QWidget* field, const QString& reason);

// Installs a Cp932Validator on an edit, or on the edit of an editable combo box.
void LimitToCp932(QLineEdit* edit, int maxBytes, TextSlot slot = TextSlot::Plain);
void LimitToCp932(QComboBox* combo, int maxBytes, TextSlot slot = TextSlot::Plain);

}  // namespace vek
