#pragma once
// The version box of the Help menu and the toolbar.
#include <QDialog>

namespace vek {

// Texts of the box, shown as they stand.
inline constexpr const char* kAboutTitle = "ﾊﾞｰｼﾞｮﾝ情報";
inline constexpr const char* kAboutVersionLine = "ヴェク Version5  R104";
inline constexpr const char* kAboutVendorLine1 = "ヴェク開発プロジェクト";
inline constexpr const char* kAboutVendorLine2 = "Copyright (C) ヴェク開発プロジェクトの貢献者一同";

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace vek
