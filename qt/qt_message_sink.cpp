#include "qt/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace vek {

namespace {

// The boxes carry the application's name as their caption.
QString Caption() { return QApplication::applicationDisplayName(); }

}  // namespace

void QtMessageSink::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_.data(), Caption(), QString::fromStdString(text), QMessageBox::Ok);
}

bool QtMessageSink::AskYesNo(const std::string& text) {
  return QMessageBox::question(parent_.data(), Caption(), QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace vek
