// The main window's bars: menus, zoom items, toolbar and status bar, built from the command
// tables, and the check marks and recent-file items that follow the window's state.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "app/commands.h"
#include "app/main_frame.h"
#include "app/program_icons.h"
#include "app/recent_files.h"
#include "app/vek_view.h"
#include "qt/cp932_text.h"

namespace vek {

namespace {

// The status-bar indicators of the lock keys. Linux offers no portable way to read their state, so
// the panes are shown without a state (greyed).
constexpr const char* kIndicators[] = {"ｶﾅ", "CAP", "NUM", "SCRL"};

constexpr const char* kNoRecentFiles = "最近使ったﾌｧｲﾙ";

}  // namespace

QAction* CMainFrame::MakeAction(int id) {
  auto found = actions_.find(id);
  if (found != actions_.end()) return found->second;
  const CommandInfo* info = FindCommand(id);
  const StatusParts parts = SplitStatusText(info ? info->statusText : "");
  QString text = info && *info->menuText ? FromUtf8(info->menuText) : FromUtf8(parts.tip);
  auto* action = new QAction(text, this);
  if (info && info->shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(info->shortcut)));
  action->setStatusTip(FromUtf8(parts.status));
  action->setToolTip(FromUtf8(parts.tip));
  if (QIcon icon = CommandIcon(id); !icon.isNull()) {
    action->setIcon(icon);
    action->setIconVisibleInMenu(false);
  }
  if (info && info->isForm) action->setEnabled(forms_.count(id) > 0);
  connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
  actions_[id] = action;
  return action;
}

QAction* CMainFrame::Action(int id) const {
  auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::BuildMenus() {
  for (const MenuInfo& menuInfo : MenuTable()) {
    QMenu* menu = menuBar()->addMenu(FromUtf8(menuInfo.title));
    for (int id : menuInfo.items) {
      if (id == kCmdNone) {
        menu->addSeparator();
      } else if (id == kCmdFileMru1) {
        const StatusParts parts = SplitStatusText(FindCommand(kCmdFileMru1)->statusText);
        recentPlaceholder_ = menu->addAction(FromUtf8(kNoRecentFiles));
        recentPlaceholder_->setEnabled(false);
        for (int i = 0; i < kRecentFileCount; ++i) {
          recentActions_[i] = menu->addAction(QString());
          recentActions_[i]->setStatusTip(FromUtf8(parts.status));
          connect(recentActions_[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileMenu);
      } else {
        QAction* action = MakeAction(id);
        if (id == kCmdViewToolBar || id == kCmdViewStatusBar || id == kCmdViewDataNumber)
          action->setCheckable(true);
        menu->addAction(action);
      }
    }
    // The check marks of the View menu follow the bars and the test record.
    if (std::find(menuInfo.items.begin(), menuInfo.items.end(), kCmdViewDataNumber) != menuInfo.items.end()) {
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateViewMenu);
      BuildZoomActions(menu);
    }
  }
  UpdateRecentFileMenu();
  // Ctrl+Q quits, as everywhere on the desktop; the exit item keeps its texts.
  if (QAction* exit = Action(kCmdAppExit)) exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void CMainFrame::BuildZoomActions(QMenu* viewMenu) {
  viewMenu->addSeparator();
  auto make = [&](const char* text, const QList<QKeySequence>& keys, auto slot) {
    auto* action = viewMenu->addAction(FromUtf8(text));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  zoomIn_ = make("拡大(&I)", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                 [this] { view_->ZoomIn(); });
  zoomOut_ = make("縮小(&U)", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { view_->ZoomOut(); });
  actualSize_ = make("等倍(&A)", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { view_->SetZoom(1.0); });
  fitWidth_ = make("幅に合わせる(&W)", {}, [this] { view_->SetZoomMode(ZoomMode::FitWidth); });
  fitPage_ = make("ページ全体(&E)", {}, [this] { view_->SetZoomMode(ZoomMode::FitPage); });
  fitWidth_->setCheckable(true);
  fitPage_->setCheckable(true);
  connect(viewMenu, &QMenu::aboutToShow, this, [this] {
    fitWidth_->setChecked(view_->ZoomModeInUse() == ZoomMode::FitWidth);
    fitPage_->setChecked(view_->ZoomModeInUse() == ZoomMode::FitPage);
  });
}

QAction* CMainFrame::ZoomAction(ZoomMode mode) const {
  if (mode == ZoomMode::FitWidth) return fitWidth_;
  if (mode == ZoomMode::FitPage) return fitPage_;
  return actualSize_;
}

void CMainFrame::BuildToolBar() {
  toolBar_ = new QToolBar(FromUtf8(FindCommand(kCmdViewToolBar)->menuText).remove(QStringLiteral("(&T)")), this);
  toolBar_->setObjectName(QStringLiteral("mainToolBar"));
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setIconSize(QSize(24, 24));
  for (int id : ToolBarTable()) {
    if (id == kCmdNone)
      toolBar_->addSeparator();
    else
      toolBar_->addAction(MakeAction(id));
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
  connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateViewMenu);
}

void CMainFrame::BuildStatusBar() {
  idleLabel_ = new QLabel(FromUtf8(kIdleStatusText), this);
  idleLabel_->setObjectName(QStringLiteral("idleText"));
  statusBar()->addWidget(idleLabel_, 1);
  otherChangedLabel_ = new QLabel(this);
  otherChangedLabel_->setObjectName(QStringLiteral("otherRecordChanged"));
  otherChangedLabel_->setVisible(false);
  statusBar()->addPermanentWidget(otherChangedLabel_);
  calibrationLabel_ = new QLabel(this);
  calibrationLabel_->setObjectName(QStringLiteral("calibrationInPlay"));
  statusBar()->addPermanentWidget(calibrationLabel_);
  whereLabel_ = new QLabel(this);
  whereLabel_->setObjectName(QStringLiteral("whereText"));
  statusBar()->addPermanentWidget(whereLabel_);
  for (const char* indicator : kIndicators) {
    auto* pane = new QLabel(FromUtf8(indicator), this);
    pane->setObjectName(QStringLiteral("indicator_") + QString::fromLatin1(indicator));
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
    pane->setEnabled(false);
    statusBar()->addPermanentWidget(pane);
  }
}

QString CMainFrame::StatusMessage() const {
  const QString message = statusBar()->currentMessage();
  return message.isEmpty() ? idleLabel_->text() : message;
}

void CMainFrame::UpdateViewMenu() {
  Action(kCmdViewToolBar)->setChecked(toolBar_->isVisibleTo(this));
  Action(kCmdViewStatusBar)->setChecked(statusBar()->isVisibleTo(this));
  Action(kCmdViewDataNumber)->setChecked(DataNumberShown(store_));
}

void CMainFrame::UpdateRecentFileMenu() {
  const QStringList& entries = recent_->Entries();
  for (int i = 0; i < kRecentFileCount; ++i) {
    if (!recentActions_[i]) continue;
    recentActions_[i]->setVisible(i < entries.size());
    recentActions_[i]->setText(recent_->MenuText(i));
  }
  if (recentPlaceholder_) recentPlaceholder_->setVisible(entries.isEmpty());
}

}  // namespace vek
