#pragma once
// The header forms' notice of heading values too long for their place on the sheet. While the user
// types, a label under the fields names the fields whose values the sheet will print smaller
// ("「調査名」は印刷時に縮小されます"), and each such field carries the same text as its tooltip and
// accessible description. The sheet is measured as the printer measures it, at its resolution, so
// the notice says what the paper will show.
#include <QObject>
#include <QString>
#include <map>
#include <vector>

#include "forms/header_field_binding.h"

class QLabel;
class QWidget;

namespace vek {

class HeadingFitNotice {
 public:
  // Checks the bound fields now and whenever one of their texts changes. `notice` shows the notice
  // and is hidden while there is none.
  void Attach(QLabel* notice, const HeaderFieldBinding& binding, const HeaderLogic& logic);

  // Measures the heading with the texts the form shows now and updates the notice and the marks.
  void Check();

 private:
  // The form label that names `widget` (its buddy label; else its accessible name).
  static QString LabelOf(const QWidget* widget);
  void Mark(const std::map<QWidget*, QString>& tips);

  struct OwnTexts {
    QString toolTip;
    QString description;
  };

  QObject connections_;  // the checks on text changes end with the notice
  QLabel* notice_ = nullptr;
  const HeaderFieldBinding* binding_ = nullptr;
  const HeaderLogic* logic_ = nullptr;
  std::map<QWidget*, OwnTexts> marked_;  // fields marked now, with what they showed before
};

}  // namespace vek
