#include "render/primitives.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/sheet_settings.h"

namespace vek {

namespace {

constexpr size_t kMaxFaceBytes = 31;

int Sign(long long v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

int ToInt(long long v) {
  if (v > kDeviceCoordinateLimit) return kDeviceCoordinateLimit;
  if (v < -kDeviceCoordinateLimit) return -kDeviceCoordinateLimit;
  return static_cast<int>(v);
}

// The first 31 bytes of a face name, without splitting a double-byte character.
std::string FaceName(const std::string& face) {
  if (face.size() <= kMaxFaceBytes) return face;
  size_t i = 0;
  while (i < kMaxFaceBytes) {
    const size_t step = IsCp932LeadByte(static_cast<unsigned char>(face[i])) ? 2 : 1;
    if (i + step > kMaxFaceBytes) break;
    i += step;
  }
  return face.substr(0, i);
}

const RoleFont* Role(const SheetCanvas& c, int role) {
  if (role < 1 || role > kRoleFontCount) return nullptr;
  return &c.settings.fonts[role - 1];
}

}  // namespace

void DrawLine(DrawDevice& device, int x1, int y1, int x2, int y2, PenStyle style, int width,
              Colour colour) {
  if (width == 0) return;
  const Pen old = device.SelectPen({style, width, colour});
  device.MoveTo(x1, y1);
  device.LineTo(x2, y2);
  device.SelectPen(old);
}

void DrawDashedLine(DrawDevice& device, int x1, int y1, int x2, int y2, int dash, int gap, int width,
                    Colour colour) {
  if (width == 0) return;
  dash = device.PrintedLength(dash);
  gap = device.PrintedLength(gap);
  if (gap <= 0) {
    DrawLine(device, x1, y1, x2, y2, PenStyle::Solid, width, colour);
    return;
  }
  if (dash <= 0) return;
  const int sx = Sign(static_cast<long long>(x2) - x1);
  const int sy = Sign(static_cast<long long>(y2) - y1);
  const long long step = static_cast<long long>(dash) + gap;
  long long x = x1;
  long long y = y1;
  const Pen old = device.SelectPen({PenStyle::Solid, width, colour});
  // A piece is drawn while more than one dash is left to the end point along either axis. Measuring
  // the distance in the direction of travel keeps the loop finite for lines of any direction.
  for (long pieces = 0; pieces < kMaxDashPieces; ++pieces) {
    const bool x_left = (static_cast<long long>(x2) - x) * sx > static_cast<long long>(dash) * sx * sx;
    const bool y_left = (static_cast<long long>(y2) - y) * sy > static_cast<long long>(dash) * sy * sy;
    if (!x_left && !y_left) break;
    device.MoveTo(ToInt(x), ToInt(y));
    device.LineTo(ToInt(x + static_cast<long long>(dash) * sx), ToInt(y + static_cast<long long>(dash) * sy));
    x += step * sx;
    y += step * sy;
  }
  device.SelectPen(old);
}

void DrawCircle(DrawDevice& device, int cx, int cy, int radius, PenStyle style, int width,
                Colour colour) {
  if (width == 0) return;
  const Pen old = device.SelectPen({style, width, colour});
  const long long r = radius;
  device.Ellipse(ToInt(cx - r), ToInt(cy - r), ToInt(cx + r), ToInt(cy + r));
  device.SelectPen(old);
}

void DrawLineMm(SheetCanvas& c, double x1, double y1, double x2, double y2, PenStyle style,
                int width, Colour colour) {
  DrawLine(c.device, MmToDeviceX(c, x1), MmToDeviceY(c, y1), MmToDeviceX(c, x2), MmToDeviceY(c, y2),
           style, width, colour);
}

void DrawDashedLineMm(SheetCanvas& c, double x1, double y1, double x2, double y2, int dash, int gap,
                      int width, Colour colour) {
  DrawDashedLine(c.device, MmToDeviceX(c, x1), MmToDeviceY(c, y1), MmToDeviceX(c, x2),
                 MmToDeviceY(c, y2), dash, gap, width, colour);
}

void DrawCircleMm(SheetCanvas& c, double cx, double cy, double radius, PenStyle style, int width,
                  Colour colour) {
  DrawCircle(c.device, MmToDeviceX(c, cx), MmToDeviceY(c, cy),
             ClampToDevice(radius * c.placement.pxPerMmY), style, width, colour);
}

void DrawTextMm(SheetCanvas& c, double x, double y, std::string_view text) {
  c.device.TextOut(MmToDeviceX(c, x), MmToDeviceY(c, y), text);
}

bool DrawTextWithinMm(SheetCanvas& c, double x, double y, double right, std::string_view text) {
  const int left = MmToDeviceX(c, x);
  const int room = MmToDeviceX(c, right) - left;
  int width = c.device.TextExtent(text).width;
  if (width <= room || room <= 0 || c.fontSpec.height <= 0) {
    c.device.TextOut(left, MmToDeviceY(c, y), text);
    return false;
  }
  // The same face, smaller: first in proportion to the overflow, then a pixel at a time, since
  // text widths do not scale exactly with the height. A device that cannot make the first smaller
  // font draws the text in the current one.
  FontSpec smaller = c.fontSpec;
  smaller.height = std::max(1, int(int64_t(smaller.height) * room / width));
  c.device.SaveFont();
  bool condensed = false;
  while (c.device.SelectFont(smaller)) {
    condensed = true;
    if ((width = c.device.TextExtent(text).width) <= room || smaller.height <= 1) break;
    --smaller.height;
  }
  c.device.TextOut(left, MmToDeviceY(c, y), text);
  c.device.RestoreFont();
  return condensed;
}

void DrawTextInRectMm(SheetCanvas& c, double x1, double y1, double x2, double y2,
                      std::string_view text) {
  int left = MmToDeviceX(c, x1);
  int right = MmToDeviceX(c, x2);
  int top = MmToDeviceY(c, y1);
  int bottom = MmToDeviceY(c, y2);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  c.device.TextInRect(left + 1, top + 1, right - 1, bottom - 1, text);
}

void DrawSpreadTextMm(SheetCanvas& c, double x1, double x2, double y1, double y2, double char_width,
                      double char_height, std::string_view text) {
  const double y = (y1 + y2 - char_height) * 0.5;
  SetTextAlign(c, HAlign::Left, VAlign::Top);
  double right = x2;
  if (x2 - x1 < char_width) right = x1 + char_width;
  const size_t n = text.size();
  const double pitch = n > 2 ? (right - x1 - char_width) / static_cast<double>(n - 2)
                             : (right - x1) * 0.5;
  size_t i = 0;
  while (i < n) {
    size_t len = 1;
    if (IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < n) len = 2;
    DrawTextMm(c, x1 + static_cast<double>(i) * pitch, y, text.substr(i, len));
    i += len;
  }
}

void SetTextAlign(SheetCanvas& c, HAlign horizontal, VAlign vertical, bool update_current_position) {
  c.device.SetTextAlign({horizontal, vertical, update_current_position});
}

int RoleFontHeightPx(const SheetCanvas& c, int role) {
  const RoleFont* f = Role(c, role);
  if (!f) return 0;
  return ClampToDevice(c.placement.dpiY * f->size / 72.0);
}

double RoleFontHeightMm(const SheetCanvas& c, int role) {
  return RoleFontHeightPx(c, role) / c.placement.pxPerMmY;
}

double CurrentFontHeightMm(const SheetCanvas& c) { return c.fontHeightPx / c.placement.pxPerMmY; }

bool SelectRoleFont(SheetCanvas& c, int role, int escapement_degrees) {
  const RoleFont* f = Role(c, role);
  FontSpec spec;
  if (f) {
    spec.height = RoleFontHeightPx(c, role);
    spec.escapement = escapement_degrees * 10;
    spec.face = FaceName(f->face);
  }
  if (!f || !c.device.SelectFont(spec)) {
    c.sink.ShowMessage("Can't create font");
    return false;
  }
  c.device.SetTextColour(static_cast<Colour>(f->colour));
  c.fontHeightPx = spec.height;
  c.fontSpec = spec;
  return true;
}

double Interpolate(double value, double from_low, double from_high, double to_low, double to_high) {
  if (std::abs(from_high - from_low) >= 0.000001)
    return to_low + (value - from_low) / (from_high - from_low) * (to_high - to_low);
  return 0.0;
}

}  // namespace vek
