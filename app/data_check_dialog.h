#pragma once
// VEK → "データ点検": the findings of the open record in a list; a file opened with findings says
// so in the status bar.
#include <QDialog>
#include <QString>
#include <vector>

#include "core/data_checks.h"

class QListWidget;

namespace vek {

inline constexpr const char* kDataCheckTitle = "データ点検";

// The status-bar note of a record with findings; empty for none.
QString FindingsNote(size_t count);

// The list of findings of the open record, with an OK button.
class CDataCheckDlg : public QDialog {
  Q_OBJECT
 public:
  CDataCheckDlg(const std::vector<Finding>& findings, QWidget* parent = nullptr);
  QListWidget* List() const { return list_; }

 private:
  QListWidget* list_ = nullptr;
};

}  // namespace vek
