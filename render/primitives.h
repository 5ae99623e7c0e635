#pragma once
// Drawing primitives in sheet millimetres (and the device-unit line, dashed line and circle they
// are built on, which the small graphs of the forms use directly), role fonts and text alignment.
#include <string_view>

#include "core/colour_text.h"
#include "render/draw_device.h"
#include "render/page_placement.h"

namespace vek {

// Device units. A width of 0 draws nothing. The previously selected pen is put back afterwards.
void DrawLine(DrawDevice& device, int x1, int y1, int x2, int y2, PenStyle style, int width,
              Colour colour);
// Solid pieces of `dash` px separated by `gap` px (printed-page pixels, in the device's own through
// DrawDevice::PrintedLength), from (x1, y1) towards (x2, y2); meant for
// horizontal and vertical lines drawn left-to-right or top-to-bottom. gap <= 0 draws a solid line;
// dash <= 0 (with a positive gap) draws nothing. At most kMaxDashPieces pieces are drawn.
void DrawDashedLine(DrawDevice& device, int x1, int y1, int x2, int y2, int dash, int gap, int width,
                    Colour colour);
constexpr long kMaxDashPieces = 1000001;
// Circle outline of radius r px around (cx, cy).
void DrawCircle(DrawDevice& device, int cx, int cy, int radius, PenStyle style, int width,
                Colour colour);

// Sheet millimetres.
void DrawLineMm(SheetCanvas& c, double x1, double y1, double x2, double y2, PenStyle style,
                int width, Colour colour);
void DrawDashedLineMm(SheetCanvas& c, double x1, double y1, double x2, double y2, int dash, int gap,
                      int width, Colour colour);
// Radius in px = trunc(radius mm x px per mm in y), for both axes.
void DrawCircleMm(SheetCanvas& c, double cx, double cy, double radius, PenStyle style, int width,
                  Colour colour);
// Text at the converted point with the current font, colour and alignment.
void DrawTextMm(SheetCanvas& c, double x, double y, std::string_view text);
// DrawTextMm for a value that must end before x = `right` (the next label, the paper's edge): a
// text that fits is drawn exactly as DrawTextMm draws it; a longer one in a smaller size of the
// current font, so that it ends inside. Left alignment. True when the text was drawn smaller.
bool DrawTextWithinMm(SheetCanvas& c, double x, double y, double right, std::string_view text);
// Rectangle converted, normalised and shrunk by 1 px each side; text centred on one line, unclipped.
void DrawTextInRectMm(SheetCanvas& c, double x1, double y1, double x2, double y2,
                      std::string_view text);
// Characters of a CP932 text spread evenly over x1 ... x2, at y = (y1 + y2 - char height) / 2.
// Leaves alignment at left/top.
void DrawSpreadTextMm(SheetCanvas& c, double x1, double x2, double y1, double y2, double char_width,
                      double char_height, std::string_view text);

void SetTextAlign(SheetCanvas& c, HAlign horizontal, VAlign vertical,
                  bool update_current_position = false);

// Role fonts 1-6 of SheetSettings. Height in px = trunc(dpi y x points / 72).
int RoleFontHeightPx(const SheetCanvas& c, int role);
double RoleFontHeightMm(const SheetCanvas& c, int role);
// Height in mm of the font made current by the last SelectRoleFont.
double CurrentFontHeightMm(const SheetCanvas& c);
// Makes role font `role` current with the escapement in degrees (0 or 90) and sets the text colour
// to the role's colour. Shows "Can't create font" and returns false when the device cannot make
// it; drawing then goes on with the font the device had.
bool SelectRoleFont(SheetCanvas& c, int role, int escapement_degrees = 0);

// Maps value from the scale from_low ... from_high to to_low ... to_high; 0 for a degenerate scale.
double Interpolate(double value, double from_low, double from_high, double to_low, double to_high);

}  // namespace vek
