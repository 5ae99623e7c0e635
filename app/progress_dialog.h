#pragma once
// Progress of long work in the window: a modal progress dialog with a Cancel button that appears
// when the work has run for about a second.
#include <QProgressDialog>

#include "core/progress.h"

namespace vek {

class DialogProgress : public Progress {
 public:
  // `caption` is the dialog's title (UTF-8).
  DialogProgress(QWidget* parent, const char* caption);
  bool Step(size_t done, size_t total, std::string_view unit) override;
  void Finish() override { dialog_.reset(); }
  bool Cancelled() const { return dialog_.wasCanceled(); }
  QProgressDialog& Dialog() { return dialog_; }

 private:
  QProgressDialog dialog_;
};

}  // namespace vek
