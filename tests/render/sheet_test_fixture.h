#pragma once
// Records, settings with six real role fonts and a 96-dpi recording device, shared by the tests of
// the sheet blocks and page compositions. Px() converts millimetres on the page (margin included)
// to device units on its own, so expectations do not go through the code under test.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/page_placement.h"
#include "support/recording_device.h"

namespace vek::testing {

class SheetTest : public ::testing::Test {
 protected:
  SheetTest() {
    const double sizes[kRoleFontCount] = {10.5, 9.0, 10.0, 9.0, 16.0, 10.5};
    for (int i = 0; i < kRoleFontCount; ++i) {
      settings.fonts[i].size = sizes[i];
      settings.fonts[i].face = Sjis("ＭＳ 明朝");
      settings.fonts[i].colour = 0x000010 * (i + 1);
    }
  }

  // A canvas prepared as at the start of a draw (graph-page margins, block offset 0).
  SheetCanvas Canvas() {
    SheetCanvas c(device, settings, store, sink);
    PrepareDraw(c);
    return c;
  }

  // Page millimetres -> device units at 96 dpi.
  static int Px(double mm) { return static_cast<int>(std::trunc(mm * 96.0 / 25.4)); }

  // Font height in mm of a role at 96 dpi.
  double FontMm(int role) const {
    return std::trunc(96.0 * settings.fonts[role - 1].size / 72.0) * 25.4 / 96.0;
  }

  // Number of texts equal to the UTF-8 text.
  size_t CountTexts(const std::string& utf8) const { return device.TextsEqual(utf8).size(); }

  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  RecordingDevice device{96, 96};
};

}  // namespace vek::testing
