#pragma once
// The calibration data and test data commands: the measurement grid form on the document's record,
// then its after-step (H recomputed and the curve refitted; the test reduction).

class QWidget;

namespace vek {

class CVekDoc;

// True when the form's OK changed the record.
bool RunCalDataCommand(CVekDoc& doc, QWidget* parent);
bool RunTestDataCommand(CVekDoc& doc, QWidget* parent);

}  // namespace vek
