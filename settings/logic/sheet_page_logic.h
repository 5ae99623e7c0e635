#pragma once
// The page form of a record: the page-number footer of its graph page and of its data-table page
// (text before, start page, text after) and where the footer sits on the paper. The values are
// header fields 61-66 and 70-75 of the record and travel with its file. The form works on a copy
// and writes the record back only on OK.
#include <array>
#include <string>

#include "core/messages.h"
#include "core/record_store.h"

namespace vek {

// The two footer rows of the form.
enum class FooterRow { Graph = 0, Table = 1 };

// Vertical reference of the footer: from the top edge of the paper or from the company name.
enum class FooterVertical { PaperTop = 0, CompanyName = 1 };
// Horizontal reference: from the left edge of the paper or centred on it.
enum class FooterHorizontal { PaperLeft = 0, Centred = 1 };

struct FooterRowTexts {
  TextField prefix;  // "前文字"
  TextField page;    // "頁(開始頁)"
  TextField suffix;  // "後文字"

  bool operator==(const FooterRowTexts&) const = default;
};

// Everything the form edits, as texts in CP932 (the references as radio indexes).
struct SheetPageValues {
  std::array<FooterRowTexts, 2> rows;
  FooterVertical vertical = FooterVertical::PaperTop;
  FooterHorizontal horizontal = FooterHorizontal::PaperLeft;
  TextField topMargin;     // "用紙上端から", mm
  TextField nameOffset;    // "名称(社名)から", mm
  TextField leftMargin;    // "用紙左端から", mm
  TextField centreOffset;  // "用紙左右中央": half the paper width, shown only

  bool operator==(const SheetPageValues&) const = default;
};

// The paper the view knows for the current printer, whole millimetres (A4 unless told).
struct PaperSizeMm {
  int width = 210;
  int height = 297;
};

// The before-text presets ("   <無し>" clears the text at the next refresh) and after-text presets.
inline constexpr const char* kFooterPrefixPresets[] = {"   <無し>", "-", "("};
inline constexpr const char* kFooterSuffixPresets[] = {"", "-", ")"};

inline constexpr int kFooterBottomClearanceMm = 16;

class SheetPageLogic {
 public:
  // Opens the form on `record` (the calibration or the test record, `sheet` says which): the
  // fields are copied in, the centre is half the paper width, a record without top-edge and
  // left-edge distances gets the standard settings, and both previews are refreshed.
  SheetPageLogic(Record& record, int sheet, PaperSizeMm paper);

  // "CAL ページ設定" or "VEK ページ設定" (UTF-8).
  std::string Caption() const;

  SheetPageValues& Values() { return values_; }
  const SheetPageValues& Values() const { return values_; }

  // The paper height less the printer's bottom margin: the lowest footer position that is surely
  // on the paper.
  int UsablePaperHeight() const { return paper_.height - kFooterBottomClearanceMm; }

  // Enable rules of the two references.
  bool TopMarginEnabled() const { return values_.vertical == FooterVertical::PaperTop; }
  bool NameOffsetEnabled() const { return values_.vertical == FooterVertical::CompanyName; }
  bool LeftMarginEnabled() const { return values_.horizontal == FooterHorizontal::PaperLeft; }

  // The preview of a row as the last refresh left it: before-text, page and after-text joined.
  const TextField& Preview(FooterRow row) const { return previews_[Index(row)]; }

  // The preview is refreshed when the after-text list drops down, when the page edit loses the
  // focus and when the preview gains it. A "<無し>" before-text is emptied first.
  void RefreshPreview(FooterRow row);
  // The before-text list drops down: besides the refresh, an empty after-text follows a "(" with
  // ")" and a "-" with "-".
  void PrefixListDropped(FooterRow row);

  // "←": the footer at the height of the company name (distance "0").
  void PlaceAtCompanyName();
  // "標準の設定": positions from the paper; texts and start pages keep their values.
  void ApplyStandard();

  // OK: warns (133) when the footer may fall below the paper, then writes the fields back to the
  // record (references as "%d"). Returns true when the record changed.
  bool Commit(MessageSink& sink);

 private:
  static int Index(FooterRow row) { return static_cast<int>(row); }

  Record& record_;
  int sheet_;
  PaperSizeMm paper_;
  SheetPageValues values_;
  std::array<TextField, 2> previews_;
};

}  // namespace vek
