#include "app/data_check_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace vek {

QString FindingsNote(size_t count) {
  if (count == 0) return {};
  return QString::fromUtf8("データ点検: %1 件の指摘があります（ＶＥＫ → データ点検）").arg(count);
}

CDataCheckDlg::CDataCheckDlg(const std::vector<Finding>& findings, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(kDataCheckTitle));
  setModal(true);

  auto* caption = new QLabel(findings.empty() ? QString::fromUtf8("問題は見つかりませんでした")
                                              : QString::fromUtf8("%1 件の指摘:").arg(findings.size()),
                             this);
  list_ = new QListWidget(this);
  list_->setAccessibleName(QString::fromUtf8("指摘"));
  for (const Finding& f : findings) list_->addItem(QString::fromStdString(FindingLine(f)));
  list_->setVisible(!findings.empty());
  list_->setMinimumWidth(760);
  caption->setBuddy(list_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
}

}  // namespace vek
