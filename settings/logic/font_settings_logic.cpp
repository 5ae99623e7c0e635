#include "settings/logic/font_settings_logic.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "settings/logic/settings_storage.h"

namespace vek {

const std::array<FontRow, kFontRowCount> kFontRows = {{
    {"　タイトル", "図表最上部のタイトル", 5},
    {"　見出し", "調査名、年月日などの標題部分", 1},
    {"　データ表", "データ表の内部の数字、文字", 2},
    {"　グラフ", "グラフの目盛り文字など", 3},
    {"　計算結果", "計算経過式、計算結果", 4},
    {"　ページ", "フッタ ページ部分", 6},
}};

namespace {
constexpr double kPointsPerInch = 72.0;
}

bool IsStorableFaceName(const std::string& cp932) {
  constexpr size_t kFaceBytes = 78;  // the reader keeps 78 bytes of a font file line
  return cp932.size() > 1 && cp932.size() <= kFaceBytes && cp932.find_first_of("\r\n") == std::string::npos;
}

int ChooserStartHeight(double sizePoints, int dpi) {
  return static_cast<int>(sizePoints * dpi / kPointsPerInch);
}

double PointsFromChooserHeight(int height, int dpi) {
  return std::abs(height) * kPointsPerInch / dpi;
}

std::string FontSizeText(double sizePoints) {
  char buf[64];
  std::snprintf(buf, sizeof buf, " %2d     (%.1f)", static_cast<int>(std::lround(sizePoints)), sizePoints);
  return buf;
}

FontSettingsLogic::FontSettingsLogic(const SheetSettings& settings) : fonts_(settings.fonts) {}

const RoleFont& FontSettingsLogic::RowFont(int row) const { return fonts_[kFontRows[row].fontNumber - 1]; }

void FontSettingsLogic::ApplyChoice(int row, const ChosenFont& chosen, int dpi) {
  RoleFont& font = fonts_[kFontRows[row].fontNumber - 1];
  font.size = PointsFromChooserHeight(chosen.height, dpi);
  font.face = chosen.face;
  font.colour = chosen.colour;
  font.underline = chosen.underline ? 1 : 0;
  ++changes_;
}

void FontSettingsLogic::Commit(SheetSettings& settings, MessageSink& sink) const {
  settings.fonts = fonts_;
  StoreFontFiles(settings, sink);
}

}  // namespace vek
