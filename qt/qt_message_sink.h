#pragma once
// Message boxes of the window: OK boxes and Yes/No questions through QMessageBox.
#include <QPointer>
#include <QWidget>
#include <memory>

class QMessageBox;

#include "core/messages.h"

namespace vek {

// A Yes/No question box; `defaultYes` false makes No the default button (and the answer of Enter).
std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* owner, const QString& text, bool defaultYes);

class QtMessageSink : public MessageSink {
 public:
  explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  bool AskBeforeLoss(const std::string& text) override;

 private:
  bool Ask(const std::string& text, bool defaultYes);

  QPointer<QWidget> parent_;
};

}  // namespace vek
