#include "dialog/form_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "dialog/enter_key_rule.h"
#include "qt/qt_message_sink.h"

namespace vek {

FormDialog::FormDialog(QWidget* parent, int enterKeyMode, MessageSink* sink)
    : QDialog(parent), enterKeyMode_(enterKeyMode) {
  if (!sink) {
    ownSink_ = std::make_unique<QtMessageSink>(this);
    sink = ownSink_.get();
  }
  sink_ = sink;
  setModal(true);
  // Keys of every control pass the dialog's filter first; the filter only acts on this form's own.
  qApp->installEventFilter(this);
}

FormDialog::~FormDialog() = default;

FormOutcome FormDialog::Run() {
  const bool accepted = exec() == QDialog::Accepted;
  return {accepted, AfterClose(accepted)};
}

void FormDialog::accept() {
  if (CommitForm()) QDialog::accept();
}

void FormDialog::reject() {
  if (HasChanges() && !sink_->AskBeforeLoss(msg::DataChangedCancel)) {
    activateWindow();  // the question's box had the keyboard: back to the form
    return;
  }
  QDialog::reject();
  // Without a window manager to hand it on, the keyboard would stay with no window at all.
  if (QWidget* owner = parentWidget()) owner->window()->activateWindow();
}

void FormDialog::FocusField(QWidget* field) {
  if (!field) return;
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

bool FormDialog::OwnsWidget(QObject* object) const {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget && widget->window() == this;
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::InputMethod && OwnsWidget(watched)) {
    composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
  } else if (event->type() == QEvent::KeyPress && isVisible() && OwnsWidget(watched)) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && HandleEnterFirst(watched)) return true;
    EnterKeyEvent facts;
    facts.isEnter = enter;
    facts.composing = composing_;
    facts.popupOpen = QApplication::activePopupWidget() != nullptr;
    switch (ApplyEnterKeyRule(enterKeyMode_, facts)) {
      case EnterKeyAction::PassOn: break;
      case EnterKeyAction::FocusNext: focusNextChild(); return true;
      case EnterKeyAction::Swallow: return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FormDialog::showEvent(QShowEvent* event) {
  if (!named_) {
    NameControlsAfterLabels();
    named_ = true;
  }
  QDialog::showEvent(event);
}

void FormDialog::NameControlsAfterLabels() {
  for (QLabel* label : findChildren<QLabel*>()) {
    QWidget* buddy = label->buddy();
    if (!buddy || !buddy->accessibleName().isEmpty()) continue;
    QString text = label->text();
    text.remove(QLatin1Char('&'));
    buddy->setAccessibleName(text.trimmed());
  }
}

}  // namespace vek
