#pragma once
// Fills empty or implausible header fields of both records from the settings; run at every view
// update, after the settings are loaded.
#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

// Test record: probe radius, length and standpipe area (fields 17-19) and the Pe scale maximum
// and step (41, 42) when below 0.1; captions 45-48 and the company name (24) when empty.
// Calibration record: table and graph titles (22, 23), captions 45-47 and company name when empty.
void FillHeaderDefaults(const SheetSettings& settings, RecordStore& store);

}  // namespace vek
