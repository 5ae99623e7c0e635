#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/program_icons.h"

namespace vek {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(kAboutTitle));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName("aboutIcon");
  icon->setPixmap(ProgramIcon().pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);

  auto* lines = new QVBoxLayout;
  for (const char* text : {kAboutVersionLine, kAboutVendorLine1, kAboutVendorLine2}) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    lines->addWidget(label);
  }

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(12);
  top->addLayout(lines, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vek
