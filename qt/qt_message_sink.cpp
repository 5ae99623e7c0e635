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

bool QtMessageSink::Ask(const std::string& text, bool defaultYes) {
  return QMessageBox::question(Owner(parent_.data()), Caption(), QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No,
                               defaultYes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

bool QtMessageSink::AskYesNo(const std::string& text) { return Ask(text, true); }

bool QtMessageSink::AskBeforeLoss(const std::string& text) { return Ask(text, false); }

}  // namespace vek
