#pragma once
// The one table of form commands: every form of the menus with the record it edits and how it
// runs. Each run builds its dialog on the frame's records and settings, runs it and its after-step
// and answers {accepted, record changed}; the frame marks the document only on a real change.
#include <span>

#include "core/form_outcome.h"

class QWidget;

namespace vek {

class CMainFrame;
struct SheetSettings;
struct ViewState;

// Which record a form edits. The settings forms store their values at once in the program folder
// and never mark the document; the list forms and the help form edit no record.
enum class FormRecord { Calibration, Test, Settings, None };

struct FormCommand {
  int id;
  FormRecord record;
  FormOutcome (*run)(CMainFrame& frame, QWidget* parent);
};

std::span<const FormCommand> FormCommandTable();

// Registers every form of the table with the frame (which enables its menu item).
void RegisterFormCommands(CMainFrame& frame);

// After the format form, OK or Cancel: the view goes back to page 1 unless the calculation text
// has a page of its own.
void ReturnToPageAfterFormatForm(const SheetSettings& settings, ViewState& view);

}  // namespace vek
