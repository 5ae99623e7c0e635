#pragma once
// Process-wide settings that shape the sheets and forms but belong to no record. Texts are CP932
// (they are drawn and stored like record fields). Defaults are the factory values; io/settings_files
// reads and writes them (Sys.ndx, Font1.ndx ... Font6.ndx).
#include <array>
#include <cstdint>
#include <string>

#include "core/encoding.h"
#include "core/text_field.h"

namespace vek {

// One of the six role fonts (Font1.ndx ... Font6.ndx).
struct RoleFont {
  double size = 0.0;         // points
  TextField face;            // CP932 face name
  int32_t colour = 0;        // 0x00BBGGRR
  int underline = 0;         // kept for the font form; sheets never underline
};

constexpr int kRoleFontCount = 6;

struct SheetSettings {
  // Sys.ndx, in line order (line numbers in comments).
  TextField SystemNoLabel = Sjis("Ｎｏ．");          // 1 (and 42)
  int LengthUnit = 0;                                  // 2: 0 cm, 1 m
  TextField SystemTableTitle = Sjis("　");            // 3
  int DigitsPressure = 0;                              // 4
  int DigitsReading = 1;                               // 5
  int DigitsH = 1;                                     // 6
  int DigitsPe = 0;                                    // 7
  int DigitsR = 2;                                     // 8
  int ShowSiFactor = 0;                                // 10
  TextField SystemGraphTitle = Sjis("　");            // 11
  TextField ModulusHeading = Sjis("変形係数");         // 12
  TextField ModulusSymbol = "E";                       // 13
  int RotateAxisNames = 1;                             // 14
  int FormulaPosition = 1;                             // 15: 0 none, 1 in graph page, 2 own page
  int DigitsPoPyPl = 2;                                // 16
  int DigitsK = 2;                                     // 17
  int DigitsE = 2;                                     // 18
  int DigitsRm = 2;                                    // 19
  int HidePointLetters = 0;                            // 20
  int DigitsDr = 4;                                    // 21
  int SymbolLineWidth = 2;                             // 24
  int FrameLineWidth = 2;                              // 25
  int RuleLineWidth = 1;                               // 26
  int GridLineWidth = 1;                               // 27
  int GridDashLength = 5;                              // 28
  int GridGapLength = 5;                               // 29
  double DefaultSondeRadius = 4.0;                     // 30
  double DefaultSondeLength = 60.0;                    // 31
  double DefaultStandpipeArea = 108.5;                 // 32
  TextField SiFactor = "100.0";                        // 33
  int GraphTopMargin = 20;                             // 34
  int GraphLeftMargin = 15;                            // 35
  int RLineWidth = 1;                                  // 36
  int DhLineWidth = 1;                                 // 37
  TextField SystemCompanyName = Sjis("株式会社 ");     // 39
  TextField ContactLabel = "Tel.";                     // 40
  TextField SystemSurveyNameLabel = Sjis("調査名");    // 41
  TextField SystemEngineerLabel;                       // 43
  TextField SystemFormulaTitle;                        // 44
  int GridMonochrome = 0;                              // 45
  TextField GridColour = "0x808080";                   // 46
  TextField RLineColour = "0x800000";                  // 47
  TextField DhLineColour = "0x006000";                 // 48
  int FormulaTopMargin = 20;                           // 51
  int FormulaLeftMargin = 15;                          // 52
  int TableTopMargin = 20;                             // 53
  int TableLeftMargin = 15;                            // 54
  int RLineMode = 0;                                   // 55
  int DhLineMode = 0;                                  // 56
  int EnterKeyMode = 1;                                // 60

  // Role fonts 1-6 (index 0-5): 1 headings, 2-4 and 6 body roles, 5 titles.
  std::array<RoleFont, kRoleFontCount> fonts{};

  // Program folder (Windows-style strings; mapped to host paths by io/program_folder).
  std::string windowsDrive;   // e.g. "C:"
  std::string installDrive;   // one letter
  std::string installFolder;  // below the drive, begins with a backslash
  std::string engineerListPath;  // program folder + "\M.mst"
  std::string soilListPath;      // program folder + "\D.mst"

  // Load counters of LoadSettings: location detection, Sys.ndx, font files.
  int locationCounter = 0;
  int systemFileCounter = 0;
  int fontCounter = 0;
};

}  // namespace vek
