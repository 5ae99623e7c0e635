#pragma once
// The scrolling view: one page of the current sheet at the window's resolution, the page
// navigation (buttons and keys), the data-number toggle, and the print hooks.
#include <QAbstractScrollArea>
#include <memory>

#include "app/print_support.h"
#include "render/view_state.h"

namespace vek {

class CVekDoc;

// Scroll sizes of the view, in device pixels.
constexpr int kScrollWidth = 831;
constexpr int kScrollHeight = 1171;
constexpr int kPageScrollX = 103;
constexpr int kPageScrollY = 146;
constexpr int kLineScrollX = 25;
constexpr int kLineScrollY = 36;

// The data-number toggle: test header field 59 becomes "0" when it is non-zero, else "1".
void ToggleDataNumber(RecordStore& store);
// True while test header field 59 is non-zero (the menu item's check mark).
bool DataNumberShown(const RecordStore& store);

class CVekView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  CVekView(CVekDoc& doc, QWidget* parent = nullptr);
  ~CVekView() override;

  CVekDoc& Document() { return doc_; }
  ViewState& State() { return state_; }
  const ViewState& State() const { return state_; }
  PrintController& Printing() { return *print_; }

  // First show: scroll sizes, then the view update (its printer query follows the first paint).
  void OnInitialUpdate();
  // View update: settings pass, paper size, redraw.
  void OnUpdate();
  // The next paint draws the current page of the current sheet.
  void RedrawView();

  // Toolbar and menu commands.
  void OnNextPage();
  void OnPrevPage();
  void OnGraphPage();
  void OnTablePage();
  void OnDataNumber();
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnFilePrintSetup();

  // Number of paints so far (start-up measurement and tests).
  int PaintCount() const { return paintCount_; }

 signals:
  // Emitted after every paint of the page.
  void PagePainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateScrollBars();

  CVekDoc& doc_;
  ViewState state_;
  std::unique_ptr<PrintController> print_;
  int paintCount_ = 0;
  bool paperQueryPending_ = false;  // the first update's printer query, run after the first paint
};

}  // namespace vek
