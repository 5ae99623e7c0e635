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

// How the view chooses its zoom: a fixed factor, or the factor at which the page fills the
// window's width (never below 1:1) or shows the whole page.
enum class ZoomMode { Fixed, FitWidth, FitPage };

// The zoom factors Ctrl++ and Ctrl+- step through (1 = the sheet at the screen's resolution).
inline constexpr double kZoomSteps[] = {0.25, 0.33, 0.5, 0.67, 0.75, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};
double NextZoomStep(double zoom, bool larger);
// The zoom of a fitting mode for a viewport of `width` x `height` pixels (the vertical scroll bar,
// `barWidth` wide, stays beside a page fitted to the width). FitWidth never goes below 1; FitPage
// shows the whole page without a scroll bar.
double FittedZoom(ZoomMode mode, int width, int height, int barWidth);

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

  // Zoom: the factor in use (the fitting modes follow the window's size).
  double Zoom() const { return zoom_; }
  ZoomMode ZoomModeInUse() const { return zoomMode_; }
  void SetZoom(double zoom);
  void SetZoomMode(ZoomMode mode);
  void ZoomIn() { SetZoom(NextZoomStep(zoom_, true)); }
  void ZoomOut() { SetZoom(NextZoomStep(zoom_, false)); }
  // Resolution the page is drawn at: the screen's, times the zoom.
  int PageDpiX() const;
  int PageDpiY() const;
  // Where the page's top-left corner is in the window: a page smaller than the window is centred.
  QPoint PageOrigin() const;
  // "ページ n / N    倍率 z%": where the reader is, for the status bar and screen readers.
  QString WhereText();

 signals:
  // Emitted after every paint of the page.
  void PagePainted();
  // The zoom factor changed.
  void ZoomChanged(double zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void UpdateScrollBars();
  void ApplyZoom(double zoom);
  void RefitZoom();
  // After a command that may have changed the page: a new page starts at its top.
  void ShowTopIfPageChanged(int pageBefore);
  int Scaled(int deviceUnits) const;

  CVekDoc& doc_;
  ViewState state_;
  std::unique_ptr<PrintController> print_;
  int paintCount_ = 0;
  double zoom_ = 1.0;
  ZoomMode zoomMode_ = ZoomMode::FitWidth;
  bool paperQueryPending_ = false;  // the first update's printer query, run after the first paint
};

}  // namespace vek
