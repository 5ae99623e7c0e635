#pragma once
// A program folder under a temporary VEK_HOME holding Sys.ndx and the six font files, loaded into
// the settings as start-up loads them: what a settings form finds when it opens. Header-only so
// that only the suites that use it link the io layer.
#include <algorithm>
#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/settings_files.h"
#include "io/settings_location.h"
#include "support/temp_dir.h"

namespace vek::testing {

// Settings with most values away from their factory values, in the shape the forms keep them
// (digits 0..6, margins in range, a black-and-white grid so that its gap stays as it is).
inline SheetSettings UnusualSettings() {
  SheetSettings s;
  s.SystemNoLabel = Sjis("ボーリング名");
  s.LengthUnit = 1;
  s.SystemTableTitle = Sjis("測定記録表");
  s.DigitsPressure = 2;
  s.DigitsReading = 3;
  s.DigitsH = 3;
  s.DigitsPe = 2;
  s.DigitsR = 4;
  s.ShowSiFactor = 1;
  s.SystemGraphTitle = Sjis("ＶＥＫ試験結果図");
  s.ModulusHeading = Sjis("弾性係数");
  s.ModulusSymbol = Sjis("Ｇ");
  s.RotateAxisNames = 0;
  s.FormulaPosition = 2;
  s.DigitsPoPyPl = 0;
  s.DigitsK = 3;
  s.DigitsE = 1;
  s.DigitsRm = 4;
  s.HidePointLetters = 1;
  s.DigitsDr = 6;
  s.SymbolLineWidth = 3;
  s.FrameLineWidth = 4;
  s.RuleLineWidth = 2;
  s.GridLineWidth = 2;
  s.GridDashLength = 7;
  s.GridGapLength = 3;
  s.DefaultSondeRadius = 3.1235;
  s.DefaultSondeLength = 45.5;
  s.DefaultStandpipeArea = 12.125;
  s.SiFactor = "98.0665";
  s.GraphTopMargin = 30;
  s.GraphLeftMargin = 25;
  s.RLineWidth = 3;
  s.DhLineWidth = 4;
  s.SystemCompanyName = Sjis("有限会社 地盤");
  s.SystemSurveyNameLabel = Sjis("調査件名");
  s.SystemEngineerLabel = Sjis("技術者");
  s.SystemFormulaTitle = Sjis("孔内水平載荷試験計算経過式");
  s.GridMonochrome = 1;
  s.GridColour = "0x0000ff";
  s.RLineColour = "0x00ff00";
  s.DhLineColour = "0xff0000";
  s.FormulaTopMargin = 250;
  s.FormulaLeftMargin = 0;
  s.TableTopMargin = 220;
  s.TableLeftMargin = 200;
  s.RLineMode = 2;
  s.DhLineMode = 1;
  s.EnterKeyMode = 2;
  const char* faces[] = {"ＭＳ ゴシック", "ＭＳ 明朝", "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック", "ＭＳ ゴシック", "ＭＳ 明朝"};
  for (int i = 0; i < kRoleFontCount; ++i) {
    s.fonts[i].size = 9.5 + i;
    s.fonts[i].face = Sjis(faces[i]);
    s.fonts[i].colour = 0x102030 * (i + 1);
    s.fonts[i].underline = i % 2;
  }
  return s;
}

class SettingsFolder {
 public:
  // Writes `written` as Sys.ndx and font files into the default program folder, then loads them.
  explicit SettingsFolder(const SheetSettings& written = UnusualSettings()) {
    SheetSettings at = written;
    at.installDrive = "C";
    at.installFolder = "\\Kavrion\\Pemo5";
    SaveSystemSettings(at, SystemSettingsHostPath(at));
    SaveAllFontFiles(at);
    LoadSettings(settings, store, false, sink);
    sink.shown.clear();
  }

  std::string SysBytes() const { return ReadFileBytes(SystemSettingsHostPath(settings)); }
  std::string FontBytes(int n) const { return ReadFileBytes(FontFileHostPath(settings, n)); }
  std::string AllFontBytes() const {
    std::string all;
    for (int n = 1; n <= kRoleFontCount; ++n) all += FontBytes(n) + "|";
    return all;
  }

  TempHome home;
  SheetSettings settings;
  RecordStore store;
  RecordingMessageSink sink;
};

// The lines of a settings file, split at CR LF.
inline std::vector<std::string> FileLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

// Numbers of the lines in which two files differ.
inline std::vector<int> ChangedLines(const std::string& before, const std::string& after) {
  const auto a = FileLines(before);
  const auto b = FileLines(after);
  std::vector<int> changed;
  for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    if (i >= a.size() || i >= b.size() || a[i] != b[i]) changed.push_back(static_cast<int>(i));
  }
  return changed;
}

// Opens a form on the settings of a fresh SettingsFolder, lets `change` edit it and presses OK: the
// numbers of the Sys.ndx lines that came out different.
template <typename Form>
std::vector<int> SysLinesChangedBy(void (*change)(Form&)) {
  SettingsFolder folder;
  const std::string before = folder.SysBytes();
  Form form(folder.settings);
  change(form);
  RecordingMessageSink sink;
  form.Commit(folder.settings, sink);
  return ChangedLines(before, folder.SysBytes());
}

}  // namespace vek::testing
