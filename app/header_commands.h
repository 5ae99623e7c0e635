#pragma once
// The handlers of the header forms' and master lists' menu commands.
#include "io/master_list.h"

class QWidget;

namespace vek {

class CMainFrame;

// Each runs its form on the frame's records and its after-step; true when the record changed.
bool CalHeaderCommand(CMainFrame& frame, QWidget* parent);
bool TestHeaderCommand(CMainFrame& frame, QWidget* parent);
// The list form changes no record: always false.
bool MasterListCommand(CMainFrame& frame, QWidget* parent, MasterListKind kind);

}  // namespace vek
