#include "app/vek_view.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "qt/file_dialogs.h"
#include "qt/qt_draw_device.h"
#include "app/vek_doc.h"
#include "core/encoding.h"
#include "io/settings_files.h"
#include "render/page_compose.h"
#include "render/printed_width_device.h"

namespace vek {

void ToggleDataNumber(RecordStore& store) {
  TextField& field = store.test.Header(hf::ShowDataNo);
  field.assign(1, std::atoi(field.c_str()) != 0 ? '0' : '1');
}

bool DataNumberShown(const RecordStore& store) {
  return std::atoi(store.test.Header(hf::ShowDataNo).c_str()) != 0;
}

double NextZoomStep(double zoom, bool larger) {
  constexpr double kTolerance = 0.005;
  if (larger) {
    for (double step : kZoomSteps)
      if (step > zoom + kTolerance) return step;
    return std::max(zoom, std::end(kZoomSteps)[-1]);
  }
  for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
    if (*it < zoom - kTolerance) return *it;
  return std::min(zoom, kZoomSteps[0]);
}

double FittedZoom(ZoomMode mode, int width, int height, int barWidth) {
  const double byWidth = double(std::max(1, width - barWidth)) / kScrollWidth;
  if (mode == ZoomMode::FitWidth) return std::max(1.0, byWidth);
  const double byHeight = double(std::max(1, height)) / kScrollHeight;
  const double whole = std::min(double(std::max(1, width)) / kScrollWidth, byHeight);
  // The scroll sizes are rounded to whole pixels at this zoom: keep them within the window, so
  // that no scroll bar appears for a pixel.
  const double inside = whole - 0.5 / std::max(kScrollWidth, kScrollHeight);
  return std::clamp(inside, kZoomSteps[0], std::end(kZoomSteps)[-1]);
}

CVekView::CVekView(CVekDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent),
      doc_(doc),
      print_(std::make_unique<PrintController>(doc.Store(), doc.Settings(), state_, doc.Sink())) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&doc_, &CVekDoc::UpdateViews, this, &CVekView::OnUpdate);
  setAccessibleName(QStringLiteral("シート"));
}

CVekView::~CVekView() = default;

void CVekView::OnInitialUpdate() {
  UpdateScrollBars();
  // The first update leaves the printer query until the page is on screen: asking the print system
  // for the default printer costs as much as drawing the page, and nothing on the page depends on
  // the paper size.
  LoadSettings(doc_.Settings(), doc_.Store(), false, doc_.Sink());
  paperQueryPending_ = true;
  RedrawView();
}

void CVekView::OnUpdate() {
  paperQueryPending_ = false;
  LoadSettings(doc_.Settings(), doc_.Store(), false, doc_.Sink());
  print_->QueryPaperSize();
  // A new or newly loaded file starts at the top of its page.
  verticalScrollBar()->setValue(0);
  RedrawView();
}

void CVekView::RedrawView() { viewport()->update(); }

int CVekView::PageDpiX() const { return std::max(1, int(std::lround(logicalDpiX() * zoom_))); }
int CVekView::PageDpiY() const { return std::max(1, int(std::lround(logicalDpiY() * zoom_))); }

int CVekView::Scaled(int deviceUnits) const { return int(std::lround(deviceUnits * zoom_)); }

void CVekView::UpdateScrollBars() {
  // The scroll sizes of the page are device units at 1:1 and grow with the zoom, so the same share
  // of the page is scrolled at every zoom.
  const QSize area = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, Scaled(kScrollWidth) - area.width()));
  verticalScrollBar()->setRange(0, std::max(0, Scaled(kScrollHeight) - area.height()));
  horizontalScrollBar()->setPageStep(Scaled(kPageScrollX));
  verticalScrollBar()->setPageStep(Scaled(kPageScrollY));
  horizontalScrollBar()->setSingleStep(Scaled(kLineScrollX));
  verticalScrollBar()->setSingleStep(Scaled(kLineScrollY));
}

void CVekView::ApplyZoom(double zoom) {
  zoom = std::clamp(zoom, kZoomSteps[0], std::end(kZoomSteps)[-1]);
  if (std::abs(zoom - zoom_) < 1e-9) return;
  // Keep the point at the top-left of the window on the page while the page grows or shrinks.
  const double ratio = zoom / zoom_;
  const int x = int(std::lround(horizontalScrollBar()->value() * ratio));
  const int y = int(std::lround(verticalScrollBar()->value() * ratio));
  zoom_ = zoom;
  UpdateScrollBars();
  horizontalScrollBar()->setValue(x);
  verticalScrollBar()->setValue(y);
  RedrawView();
  emit ZoomChanged(zoom_);
}

void CVekView::RefitZoom() {
  if (zoomMode_ == ZoomMode::Fixed) return;
  const QSize area = maximumViewportSize();
  ApplyZoom(FittedZoom(zoomMode_, area.width(), area.height(), verticalScrollBar()->sizeHint().width()));
}

void CVekView::SetZoom(double zoom) {
  zoomMode_ = ZoomMode::Fixed;
  ApplyZoom(zoom);
}

void CVekView::SetZoomMode(ZoomMode mode) {
  zoomMode_ = mode;
  RefitZoom();
}

QString CVekView::WhereText() {
  RecordStore& store = doc_.Store();
  const int count = PageCount(store, doc_.Settings(), state_, store.currentSheet);
  return QStringLiteral("ページ %1 / %2    倍率 %3%")
      .arg(state_.currentPage)
      .arg(count)
      .arg(int(std::lround(zoom_ * 100)));
}

void CVekView::ShowTopIfPageChanged(int pageBefore) {
  if (state_.currentPage != pageBefore) verticalScrollBar()->setValue(0);
}

void CVekView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  RefitZoom();
}

void CVekView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  const int delta = event->angleDelta().y();
  if (delta != 0) SetZoom(NextZoomStep(zoom_, delta > 0));
  event->accept();
}

QPoint CVekView::PageOrigin() const {
  const QSize area = viewport()->size();
  const int x = std::max(0, (area.width() - Scaled(kScrollWidth)) / 2);
  const int y = std::max(0, (area.height() - Scaled(kScrollHeight)) / 2);
  return {x - horizontalScrollBar()->value(), y - verticalScrollBar()->value()};
}

void CVekView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  // The page white on a grey desk, so that a page smaller than the window shows where it ends.
  const QPoint origin = PageOrigin();
  const QRect page(origin, QSize(Scaled(kScrollWidth), Scaled(kScrollHeight)));
  painter.fillRect(viewport()->rect(), QColor(0xa0, 0xa0, 0xa0));
  painter.fillRect(page, Qt::white);
  painter.translate(origin);
  QtDrawDevice device(painter, PageDpiX(), PageDpiY());
  device.SetScreenText(true);
  // Lines as wide as they print, at the page's resolution on the screen.
  PrintedWidthDevice screen(device);
  DrawCurrentPage(screen, doc_.Store(), doc_.Settings(), state_, doc_.Sink());
  painter.end();
  ++paintCount_;
  const QString where = WhereText();
  if (accessibleDescription() != where) setAccessibleDescription(where);
  if (paperQueryPending_) {
    paperQueryPending_ = false;
    QTimer::singleShot(0, this, [this] { print_->QueryPaperSize(); });
  }
  emit PagePainted();
}

void CVekView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool pageKey =
      key == Qt::Key_PageUp || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_Down;
  if (!pageKey) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  if (state_.printing) {
    event->accept();
    return;
  }
  RecordStore& store = doc_.Store();
  const int count = PageCount(store, doc_.Settings(), state_, store.currentSheet);
  const int before = state_.currentPage;
  if (state_.currentPage > count) state_.currentPage = 1;
  if (key == Qt::Key_PageUp || key == Qt::Key_Up) {
    if (state_.currentPage >= 2) --state_.currentPage;
  } else if (state_.currentPage < count) {
    ++state_.currentPage;
  }
  RedrawView();
  // A new page starts at its top; on the first and last page the key scrolls as usual.
  if (state_.currentPage != before) {
    verticalScrollBar()->setValue(0);
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void CVekView::OnNextPage() {
  if (state_.printing) return;
  const int before = state_.currentPage;
  GoToNextPage(doc_.Store(), doc_.Settings(), state_);
  ShowTopIfPageChanged(before);
  RedrawView();
}

void CVekView::OnPrevPage() {
  if (state_.printing) return;
  const int before = state_.currentPage;
  GoToPreviousPage(doc_.Store(), doc_.Settings(), state_);
  ShowTopIfPageChanged(before);
  RedrawView();
}

void CVekView::OnGraphPage() {
  GoToGraphPage(state_);
  verticalScrollBar()->setValue(0);
  RedrawView();
}

void CVekView::OnTablePage() {
  GoToTablePage(doc_.Store(), doc_.Settings(), state_);
  verticalScrollBar()->setValue(0);
  RedrawView();
}

void CVekView::OnDataNumber() {
  ToggleDataNumber(doc_.Store());
  RedrawView();
}

void CVekView::OnFilePrint() {
  // The job is named after the document; printed to a file, it goes beside the document (or into
  // the home folder for a document never saved) as NAME.pdf.
  const std::filesystem::path& path = doc_.PathName();
  const std::string title = doc_.Title();
  const QString name = QString::fromStdString(title.empty() ? std::string(kUntitledTitle) : title);
  const QFileInfo info(name);
  const QString folder = path.empty() ? QDir::homePath() : PathToQString(path.parent_path());
  print_->SetDocumentName(name, QDir(folder).filePath(info.completeBaseName() + QStringLiteral(".pdf")));
  print_->Print(this);
}
void CVekView::OnFilePrintPreview() {
  print_->Preview(this);
  RedrawView();
}
void CVekView::OnFilePrintSetup() { print_->Setup(this); }

}  // namespace vek
