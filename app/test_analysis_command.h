#pragma once
// The VEK menu's "解析/目盛り" command: the analysis form on the test record.

class QWidget;

namespace vek {

class MessageSink;
struct RecordStore;
struct SheetSettings;

// Opens the analysis form modally; true when OK changed the test record.
bool RunTestAnalysisForm(QWidget* parent, RecordStore& store, const SheetSettings& settings);

}  // namespace vek
