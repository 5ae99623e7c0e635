#include "app/vek_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <cstdlib>

#include "qt/qt_draw_device.h"
#include "app/vek_doc.h"
#include "core/encoding.h"
#include "io/settings_files.h"
#include "render/page_compose.h"

namespace vek {

void ToggleDataNumber(RecordStore& store) {
  TextField& field = store.test.Header(hf::ShowDataNo);
  field.assign(1, std::atoi(field.c_str()) != 0 ? '0' : '1');
}

bool DataNumberShown(const RecordStore& store) {
  return std::atoi(store.test.Header(hf::ShowDataNo).c_str()) != 0;
}

CVekView::CVekView(CVekDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent),
      doc_(doc),
      print_(std::make_unique<PrintController>(doc.Store(), doc.Settings(), state_, doc.Sink())) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&doc_, &CVekDoc::UpdateViews, this, &CVekView::OnUpdate);
}

CVekView::~CVekView() = default;

void CVekView::OnInitialUpdate() {
  horizontalScrollBar()->setPageStep(kPageScrollX);
  horizontalScrollBar()->setSingleStep(kLineScrollX);
  verticalScrollBar()->setPageStep(kPageScrollY);
  verticalScrollBar()->setSingleStep(kLineScrollY);
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
  RedrawView();
}

void CVekView::RedrawView() { viewport()->update(); }

void CVekView::UpdateScrollBars() {
  const QSize area = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, kScrollWidth - area.width()));
  verticalScrollBar()->setRange(0, std::max(0, kScrollHeight - area.height()));
  // The page steps stay those of the view; the bars' handles still follow the visible share.
  horizontalScrollBar()->setPageStep(kPageScrollX);
  verticalScrollBar()->setPageStep(kPageScrollY);
}

void CVekView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CVekView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), Qt::white);
  painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  QtDrawDevice device(painter);
  DrawCurrentPage(device, doc_.Store(), doc_.Settings(), state_, doc_.Sink());
  painter.end();
  ++paintCount_;
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
  if (state_.currentPage > count) state_.currentPage = 1;
  if (key == Qt::Key_PageUp || key == Qt::Key_Up) {
    if (state_.currentPage >= 2) --state_.currentPage;
  } else if (state_.currentPage < count) {
    ++state_.currentPage;
  }
  RedrawView();
  QAbstractScrollArea::keyPressEvent(event);
}

void CVekView::OnNextPage() {
  if (state_.printing) return;
  GoToNextPage(doc_.Store(), doc_.Settings(), state_);
  RedrawView();
}

void CVekView::OnPrevPage() {
  if (state_.printing) return;
  GoToPreviousPage(doc_.Store(), doc_.Settings(), state_);
  RedrawView();
}

void CVekView::OnGraphPage() {
  GoToGraphPage(state_);
  RedrawView();
}

void CVekView::OnTablePage() {
  GoToTablePage(doc_.Store(), doc_.Settings(), state_);
  RedrawView();
}

void CVekView::OnDataNumber() {
  ToggleDataNumber(doc_.Store());
  RedrawView();
}

void CVekView::OnFilePrint() { print_->Print(this); }
void CVekView::OnFilePrintPreview() {
  print_->Preview(this);
  RedrawView();
}
void CVekView::OnFilePrintSetup() { print_->Setup(this); }

}  // namespace vek
