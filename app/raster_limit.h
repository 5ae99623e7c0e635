#pragma once
// How large a page image the PNG export may make. A page is painted whole into one image of 4
// bytes per pixel before it is compressed, so its pixel count is the export's memory: an A4 page
// at 2400 dpi (19843 x 28063) would need 2.2 GB and minutes of work. Beyond the limit the export
// is refused before anything is drawn, naming the largest resolution that fits.
#include <optional>
#include <string>

namespace vek {

// 300 million pixels: about 1.2 GB for the image; an A3 page at 1200 dpi, an A4 page at 1761.
constexpr double kMaxExportPixels = 300e6;

// The largest whole dpi at which a page of `widthMm` x `heightMm` stays within the limit.
int LargestDpiWithinLimit(double widthMm, double heightMm);

// Nothing when a page of that size at `dpi` fits; otherwise the English note for the command line:
// the page's pixels, the limit and the largest dpi that fits.
std::optional<std::string> RasterTooLarge(double widthMm, double heightMm, int dpi);

}  // namespace vek
