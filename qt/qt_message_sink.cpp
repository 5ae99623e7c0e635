#include "qt/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace vek {

namespace {

// The boxes carry the program's Japanese name as their caption, as its main window does.
QString Caption() { return QString::fromUtf8(kProgramTitle); }

// A box raised while a form is open belongs to that form, so it stays above it and returns the
// focus to it; otherwise it belongs to the sink's own window.
QWidget* Owner(QWidget* fallback) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return fallback;
}

}  // namespace

void QtMessageSink::ShowMessage(const std::string& text) {
  QMessageBox::information(Owner(parent_.data()), Caption(), QString::fromStdString(text), QMessageBox::Ok);
}

std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* owner, const QString& text, bool defaultYes) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, Caption(), text,
                                           QMessageBox::Yes | QMessageBox::No, owner);
  box->setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

bool QtMessageSink::Ask(const std::string& text, bool defaultYes) {
  return MakeQuestionBox(Owner(parent_.data()), QString::fromStdString(text), defaultYes)->exec() == QMessageBox::Yes;
}

bool QtMessageSink::AskYesNo(const std::string& text) { return Ask(text, true); }

bool QtMessageSink::AskBeforeLoss(const std::string& text) { return Ask(text, false); }

}  // namespace vek
