#pragma once
// The base of every modal form: applies the Enter-key rule to the keys of its controls, asks the
// Cancel question when the form's logic holds changes, runs the form's OK check and moves the focus
// to the field a refused OK names, and gives every labelled control its label as accessible name.
#include <QDialog>
#include <memory>

#include "core/form_outcome.h"
#include "core/messages.h"

namespace vek {

class FormDialog : public QDialog {
  Q_OBJECT
 public:
  // enterKeyMode: the EnterKeyMode setting when the form opens. sink: where the form's messages and
  // questions go; nullptr gives message boxes owned by the form.
  FormDialog(QWidget* parent, int enterKeyMode, MessageSink* sink = nullptr);
  ~FormDialog() override;

  MessageSink& Sink() { return *sink_; }
  int EnterKeyMode() const { return enterKeyMode_; }

  // Runs the form modally, then its after-step (AfterClose): whether OK closed it and whether that
  // changed the form's record.
  FormOutcome Run();

  // OK: CommitForm() decides; the form stays open when it refuses.
  void accept() override;
  // Cancel, Esc or the window's close button: with changes, question 132 decides.
  void reject() override;

 protected:
  // Whether the form holds changes that Cancel would discard (question 132).
  virtual bool HasChanges() const { return false; }
  // Runs the logic's OK. False keeps the form open; the form then calls FocusField for the
  // refused field.
  virtual bool CommitForm() { return true; }
  // The form's after-step once it has closed (the working copy back on OK, the recomputation).
  // True when the form's record changed; forms that edit no record keep the default.
  virtual bool AfterClose(bool /*accepted*/) { return false; }
  // Gives the form a first look at Enter (an in-place editor commits on it). True when consumed.
  virtual bool HandleEnterFirst(QObject* /*receiver*/) { return false; }

  // Focus to a field whose value was refused, its text selected for retyping.
  void FocusField(QWidget* field);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool OwnsWidget(QObject* object) const;
  void NameControlsAfterLabels();

  int enterKeyMode_;
  std::unique_ptr<MessageSink> ownSink_;
  MessageSink* sink_;
  bool composing_ = false;
  bool named_ = false;
};

}  // namespace vek
