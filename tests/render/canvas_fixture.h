#pragma once
// A canvas on a recording device with factory settings, an empty record store and a recording
// message sink, plus helpers to state expectations in sheet millimetres.
#include <gtest/gtest.h>

#include <string>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/page_placement.h"
#include "support/recording_device.h"

namespace vek::testing {

class CanvasTest : public ::testing::Test {
 protected:
  explicit CanvasTest(int dpi = 96) : device(dpi, dpi), canvas(device, settings, store, sink) {
    canvas.placement.SetResolution(dpi, dpi);
    for (auto& f : settings.fonts) {
      f.size = 10.5;
      f.face = Sjis("ＭＳ 明朝");
    }
  }

  int X(double mm) const { return MmToDeviceX(canvas, mm); }
  int Y(double mm) const { return MmToDeviceY(canvas, mm); }

  // The single text output whose text is `utf8`; fails the test when there is not exactly one.
  RecordedText OnlyText(const std::string& utf8) const {
    const auto found = device.TextsEqual(utf8);
    EXPECT_EQ(found.size(), 1u) << "text: " << utf8;
    return found.empty() ? RecordedText{} : found.front();
  }

  // True when a line with these end points (either direction) was drawn with that width.
  bool HasLine(double x1, double y1, double x2, double y2, int width) const {
    for (const auto& l : device.lines) {
      if (l.pen.width != width) continue;
      if (l.x1 == X(x1) && l.y1 == Y(y1) && l.x2 == X(x2) && l.y2 == Y(y2)) return true;
      if (l.x1 == X(x2) && l.y1 == Y(y2) && l.x2 == X(x1) && l.y2 == Y(y1)) return true;
    }
    return false;
  }

  SheetSettings settings;
  RecordStore store;
  RecordingMessageSink sink;
  RecordingDevice device;
  SheetCanvas canvas;
};

}  // namespace vek::testing
