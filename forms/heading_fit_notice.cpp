#include "forms/heading_fit_notice.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <algorithm>

#include "qt/extent_draw_device.h"
#include "render/printed_width_device.h"

namespace vek {

void HeadingFitNotice::Attach(QLabel* notice, const HeaderFieldBinding& binding, const HeaderLogic& logic) {
  notice_ = notice;
  binding_ = &binding;
  logic_ = &logic;
  QPalette warning = notice->palette();
  warning.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
  notice->setPalette(warning);
  binding.OnTextChanged(&connections_, [this] { Check(); });
  Check();
}

QString HeadingFitNotice::LabelOf(const QWidget* widget) {
  for (const QLabel* label : widget->window()->findChildren<QLabel*>()) {
    if (label->buddy() != widget) continue;
    QString text = label->text();
    text.remove(QLatin1Char('&'));
    return text.trimmed();
  }
  return widget->accessibleName();
}

void HeadingFitNotice::Check() {
  // A fresh device per check: it keeps what it measured, and fonts and text widths are kept by the
  // font cache behind it anyway.
  ExtentDrawDevice printer(kPrinterDpi, kPrinterDpi);
  std::vector<std::string> labels;
  std::map<QWidget*, QString> tips;
  for (const HeadingFields& value : logic_->CondensedValues(printer, binding_->ShownTexts())) {
    const QWidget* named = binding_->WidgetOf(value.front());
    const QString label = named ? LabelOf(named) : QString();
    if (label.isEmpty()) continue;
    const std::string utf8 = label.toStdString();
    if (std::find(labels.begin(), labels.end(), utf8) == labels.end()) labels.push_back(utf8);
    const QString tip = QString::fromStdString(CondensedNotice({&utf8, 1}));
    for (int field : value)
      if (QWidget* widget = binding_->WidgetOf(field)) tips[widget] = tip;
  }
  Mark(tips);
  notice_->setText(QString::fromStdString(CondensedNotice(labels)));
  notice_->setVisible(!labels.empty());
}

void HeadingFitNotice::Mark(const std::map<QWidget*, QString>& tips) {
  for (auto it = marked_.begin(); it != marked_.end();) {
    if (tips.count(it->first)) {
      ++it;
      continue;
    }
    it->first->setToolTip(it->second.toolTip);
    it->first->setAccessibleDescription(it->second.description);
    it = marked_.erase(it);
  }
  for (const auto& [widget, tip] : tips) {
    if (!marked_.count(widget)) marked_[widget] = {widget->toolTip(), widget->accessibleDescription()};
    widget->setToolTip(tip);
    widget->setAccessibleDescription(tip);
  }
}

}  // namespace vek
