// FontForCellHeight measures only the pixel sizes it needs, measures all but the first on the face
// found for the first, and remembers its answers per face and height. These shortcuts must give the
// size a full search through the font database gives, on every device, for installed faces and for
// a face that only has a stand-in, also when the answer comes from the cache.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <cmath>

#include "qt/qt_draw_device.h"

namespace vek {
namespace {

// Every size within two of the scaled estimate is measured; the nearest cell wins, the smallest
// size on a tie.
int FullSearchPixelSize(const QString& face, int cell_height, QPaintDevice* device) {
  QFont font;
  font.setFamilies({face, QStringLiteral("IPAMincho")});
  font.setStyleStrategy(QFont::PreferMatch);
  auto cellAt = [&](int size) {
    font.setPixelSize(size);
    const QFontMetricsF m(font, device);
    return m.ascent() + m.descent();
  };
  const double cell = cellAt(cell_height);
  if (cell <= 0) return cell_height;
  const int best = std::max(1, int(std::lround(cell_height * cell_height / cell)));
  double best_error = 1e9;
  int chosen = best;
  for (int size = std::max(1, best - 2); size <= best + 2; ++size) {
    const double error = std::abs(cellAt(size) - cell_height);
    if (error < best_error - 1e-9) {
      best_error = error;
      chosen = size;
    }
  }
  return chosen;
}

QImage Device(int dpi) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
  image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
  return image;
}

TEST(FontChoiceTest, ChosenSizeEqualsTheFullSearchOnEveryDeviceAndFromTheCache) {
  QImage screen = Device(96);
  QImage printer = Device(600);
  std::vector<int> heights;
  for (int h = 1; h <= 48; ++h) heights.push_back(h);
  for (int h : {55, 64, 87, 100, 133, 201, 250}) heights.push_back(h);
  for (const char* face : {"IPAMincho", "IPAPGothic", "DejaVu Sans", "Arial"}) {
    const QString f = QString::fromLatin1(face);
    for (QPaintDevice* device : {static_cast<QPaintDevice*>(&printer), static_cast<QPaintDevice*>(&screen),
                                 static_cast<QPaintDevice*>(nullptr)}) {
      for (int h : heights) {
        const int expected = FullSearchPixelSize(f, h, device);
        EXPECT_EQ(FontForCellHeight(f, h, device).pixelSize(), expected) << face << " " << h;
        // The second answer comes from the cache.
        const QFont again = FontForCellHeight(f, h, device);
        EXPECT_EQ(again.pixelSize(), expected) << face << " " << h;
        // IPAMincho, the stand-in for missing glyphs, is not named twice.
        const QStringList families = f == QStringLiteral("IPAMincho") ? QStringList({f})
                                                                      : QStringList({f, QStringLiteral("IPAMincho")});
        EXPECT_EQ(again.families(), families);
      }
    }
  }
}

}  // namespace
}  // namespace vek
