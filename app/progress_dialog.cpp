#include "app/progress_dialog.h"

#include <QCoreApplication>
#include <algorithm>

#include "qt/cp932_text.h"

namespace vek {

namespace {

QString UnitText(std::string_view unit) {
  if (unit == "files") return QString::fromUtf8("ファイル");
  if (unit == "pages") return QString::fromUtf8("ページ");
  return FromUtf8(unit);
}

}  // namespace

DialogProgress::DialogProgress(QWidget* parent, const char* caption)
    : dialog_(QString(), QString::fromUtf8("キャンセル"), 0, 1, parent) {
  dialog_.setWindowTitle(QString::fromUtf8(caption));
  // Application-modal: while the work runs (also inside the print preview's drawing), no other
  // window may start more of it.
  dialog_.setWindowModality(Qt::ApplicationModal);
  dialog_.setMinimumDuration(1000);
  dialog_.setAutoReset(false);
  dialog_.setAutoClose(false);
  dialog_.setValue(0);
}

bool DialogProgress::Step(size_t done, size_t total, std::string_view unit) {
  if (dialog_.wasCanceled()) return false;
  const int max = static_cast<int>(std::max<size_t>(total, 1));
  if (dialog_.maximum() != max) dialog_.setMaximum(max);
  dialog_.setLabelText(QStringLiteral("%1 / %2 %3").arg(done).arg(total).arg(UnitText(unit)));
  // setValue shows the dialog once the minimum duration has passed and, being modal, lets the
  // window process its events, so Cancel is seen.
  dialog_.setValue(static_cast<int>(std::min(done, total)));
  QCoreApplication::processEvents();
  return !dialog_.wasCanceled();
}

}  // namespace vek
