#include "qt/cp932_validator.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QToolTip>

#include "io/storable_text.h"
#include "qt/cp932_text.h"

namespace vek {

namespace {

// What a typed number may hold while it is being typed ("-", "1.", "1e" are on their way).
constexpr const char* kNumberCharacters = "0123456789+-.eE ";

}  // namespace

bool IsAcceptableEntry(const QString& text, int maxBytes, TextSlot slot) {
  const std::optional<std::string> bytes = ToCp932(text);
  if (!bytes) return false;
  if (maxBytes > 0 && int(bytes->size()) > maxBytes) return false;
  switch (slot) {
    case TextSlot::Plain: return true;
    case TextSlot::HeaderText: return IsStorableHeaderText(*bytes);
    case TextSlot::TableCell: return IsStorableCellText(*bytes);
    case TextSlot::NumberCell: return bytes->find_first_not_of(kNumberCharacters) == std::string::npos;
  }
  return true;
}

namespace {

// The first character of `text` that CP932 cannot hold, or an empty string.
QString FirstUnencodable(const QString& text) {
  for (const char32_t code : text.toUcs4()) {
    const QString one = QString::fromUcs4(&code, 1);
    if (!ToCp932(one)) return one;
  }
  return {};
}

}  // namespace

QString RefusalReason(const QString& text, int maxBytes, TextSlot slot) {
  if (IsAcceptableEntry(text, maxBytes, slot)) return {};
  const QString unencodable = FirstUnencodable(text);
  if (!unencodable.isEmpty()) {
    return QStringLiteral("「%1」はファイルに保存できない文字です。").arg(unencodable);
  }
  if (slot != TextSlot::Plain && (text.contains(u'\n') || text.contains(u'\r'))) {
    return QStringLiteral("改行は入力できません。");
  }
  if (slot != TextSlot::Plain && text.contains(QStringLiteral("$$"))) {
    return QStringLiteral("「$$」は入力できません。");
  }
  const bool cell = slot == TextSlot::TableCell || slot == TextSlot::NumberCell;
  if (cell && text.contains(u',')) {
    return QStringLiteral("「,」は入力できません（小数点は「.」です）。");
  }
  if (slot == TextSlot::NumberCell) {
    const QString allowed = QString::fromLatin1(kNumberCharacters);
    for (const QChar c : text) {
      if (!allowed.contains(c)) return QStringLiteral("数字を入力してください（「%1」は入力できません）。").arg(c);
    }
  }
  if (cell && text.contains(u'"')) {
    return QStringLiteral("「\"」は入力できません。");
  }
  return QStringLiteral("%1バイトを超えて入力できません（全角文字は2バイトです）。").arg(maxBytes);
}

void ShowRefusal(QWidget* field, const QString& reason) {
  QApplication::beep();
  QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), reason, field);
}

Cp932Validator::Cp932Validator(int maxBytes, TextSlot slot, QLineEdit* edit)
    : QValidator(edit), maxBytes_(maxBytes), slot_(slot), edit_(edit) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
  if (IsAcceptableEntry(input, maxBytes_, slot_)) return Acceptable;
  // Only a field the user is working in shows the refusal, and only when the edit really turned the
  // text away: a text set from code keeps an invalid text (the validator is asked about it all the
  // same), which is looked at once the edit has settled.
  if (edit_ != nullptr && edit_->hasFocus()) {
    QMetaObject::invokeMethod(
        edit_,
        [edit = edit_, validator = QPointer<const Cp932Validator>(this), input,
         reason = RefusalReason(input, maxBytes_, slot_)] {
          if (!validator || edit->text() == input) return;
          ShowRefusal(edit, reason);
          emit validator->refused(reason);
        },
        Qt::QueuedConnection);
  }
  return Invalid;
}

void LimitToCp932(QLineEdit* edit, int maxBytes, TextSlot slot) {
  edit->setValidator(new Cp932Validator(maxBytes, slot, edit));
}

void LimitToCp932(QComboBox* combo, int maxBytes, TextSlot slot) {
  if (QLineEdit* edit = combo->lineEdit()) LimitToCp932(edit, maxBytes, slot);
}

}  // namespace vek
