#pragma once
// The small graph of a measurement grid form: the points of the working copy's lines in grey and
// the selected line in blue with its label, on the ranges fixed when the form opened; a notice in
// red where the points cannot be drawn (a test without its calibration).
#include "render/draw_device.h"

namespace vek {

class MeasurementGridLogic;

void DrawGridGraph(DrawDevice& device, int width, int height, const MeasurementGridLogic& grid);

}  // namespace vek
