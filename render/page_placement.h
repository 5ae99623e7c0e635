#pragma once
// Where a sheet block lands on the page: margins, block offset and device resolution, and the
// canvas every block draws through (device + placement + the records and settings it reads).
//
// Sheet coordinates are millimetres from the current left margin (x) and from the current top
// margin plus the block offset (y), y downwards.
#include "render/draw_device.h"

namespace vek {

class MessageSink;
struct RecordStore;
struct SheetSettings;

constexpr double kMmPerInchInverse = 0.03937007874015748;  // 1 / 25.4
constexpr int kDeviceCoordinateLimit = 32767;

struct PagePlacement {
  double leftMargin = 0.0;   // mm
  double topMargin = 0.0;    // mm
  double blockOffset = 0.0;  // mm, added to every y
  int dpiX = 96;
  int dpiY = 96;
  double pxPerMmX = 96 * kMmPerInchInverse;
  double pxPerMmY = 96 * kMmPerInchInverse;

  void SetResolution(int dpi_x, int dpi_y);
};

// The margin pairs of SheetSettings, one per kind of page.
enum class MarginKind { Graph, Formula, Table };

// Everything a block needs to draw. The page composition owns one per draw and rewrites the
// placement before each block; blocks read the records and settings and never change them.
struct SheetCanvas {
  DrawDevice& device;
  const SheetSettings& settings;
  const RecordStore& store;
  MessageSink& sink;
  PagePlacement placement;
  // Height in device pixels of the font made current by the last successful SelectRoleFont
  // (0 before the first one).
  int fontHeightPx = 0;
  // The font made current by the last successful SelectRoleFont (for drawing a text condensed).
  FontSpec fontSpec;

  SheetCanvas(DrawDevice& d, const SheetSettings& s, const RecordStore& r, MessageSink& m)
      : device(d), settings(s), store(r), sink(m) {}
};

// Sheet millimetres -> device units: truncated toward zero, clamped to -32767 ... 32767.
int MmToDeviceX(const PagePlacement& p, double x);
int MmToDeviceY(const PagePlacement& p, double y);
inline int MmToDeviceX(const SheetCanvas& c, double x) { return MmToDeviceX(c.placement, x); }
inline int MmToDeviceY(const SheetCanvas& c, double y) { return MmToDeviceY(c.placement, y); }

// Truncates toward zero and clamps to the device coordinate range (NaN gives 0).
int ClampToDevice(double device_units);

// Sets left and top margin from the settings' pair for that kind of page (whole mm).
void UseMargins(SheetCanvas& canvas, MarginKind kind);

// Start of every draw: resolution from the device, graph-page margins, block offset 0, device
// origin and transparent background.
void PrepareDraw(SheetCanvas& canvas);

}  // namespace vek
