// The fair floor of the start-up figures: a bare Qt program that draws a page-like drawing (400
// lines, 150 Japanese texts in an IPA face at a few sizes, 60 circles), as a window that quits after
// its first paint, or as a 2-page PDF at 600 dpi. It pays for what every Vek start pays for (Qt,
// fontconfig, the IPA fonts, the PDF engine) and for nothing of Vek.
//
//   vek_bench_startup_floor window        show the drawing, quit after the first paint
//   vek_bench_startup_floor chrome        the same drawing in a scrolled main window with a menu bar
//                                         of six menus, a toolbar of nine buttons and a status bar:
//                                         what Qt's window furniture costs on top of the drawing
//   vek_bench_startup_floor pdf OUT.pdf   write the drawing on two A4 pages at 600 dpi
// bench/startup_ratio.sh times these against `vek_bench_startup --cold vek` and `vek --export-pdf`.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Texts of the kind a sheet holds: captions, headings and numbers.
const char* const kTexts[] = {"孔内水平載荷試験", "調査名", "試験者", "地盤の種類", "測定深度",
                              "圧力 Ｐe(kN/㎡)",  "半径ｒ （cm）", "変形係数", "計算経過式", "ボーリング№"};

// The drawing on a page of `width` x `height` device pixels.
void DrawPage(QPainter& p, int width, int height) {
  p.setRenderHint(QPainter::Antialiasing, false);
  const int left = width / 12, top = height / 12, w = width - 2 * left, h = height - 2 * top;
  p.setPen(QPen(Qt::black, std::max(1, width / 800)));
  for (int i = 0; i < 200; ++i) {  // a grid of 400 lines
    const int x = left + w * i / 200, y = top + h * i / 200;
    p.drawLine(x, top, x, top + h / 2);
    p.drawLine(left, y, left + w, y);
  }
  for (int i = 0; i < 60; ++i) {
    const int r = std::max(2, width / 150);
    p.drawEllipse(QPoint(left + w * (i + 1) / 62, top + h / 2 - h * i / 140), r, r);
  }
  const int sizes[] = {height / 60, height / 75, height / 90};
  for (int i = 0; i < 150; ++i) {
    QFont font(QStringLiteral("IPAMincho"));
    font.setPixelSize(std::max(6, sizes[i % 3]));
    p.setFont(font);
    const QString text = QString::fromUtf8(kTexts[i % 10]) + QString::number(i * 12.5, 'f', 1);
    p.drawText(left + (i % 5) * w / 5, top + h / 2 + (i / 5) * h / 62, text);
  }
}

class Page : public QWidget {
 public:
  bool painted = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    DrawPage(p, width(), height());
    painted = true;
  }
};

// The drawing as the page of a main window with the usual furniture; menus and buttons carry
// Japanese texts as a Japanese program's do.
void ShowInMainWindow(Page& page) {
  QMainWindow window;
  for (const char* title : {"ファイル(&F)", "ＣＡＬ(&C)", "ＶＥＫ(&L)", "表示(&V)", "設定(&S)", "ヘルプ(&H)"}) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(title));
    for (int i = 0; i < 6; ++i) menu->addAction(QString::fromUtf8(kTexts[i]));
  }
  QToolBar* tools = window.addToolBar(QStringLiteral("tools"));
  for (int i = 0; i < 9; ++i) {
    QPixmap icon(24, 24);
    icon.fill(QColor(40 * i % 255, 90, 170));
    tools->addAction(QIcon(icon), QString::number(i));
  }
  for (const char* text : {"ページ 1 / 2", "倍率 100%", "ｶﾅ", "CAP", "NUM", "SCRL"})
    window.statusBar()->addPermanentWidget(new QLabel(QString::fromUtf8(text)));
  window.statusBar()->showMessage(QString::fromUtf8("↑↓またはPageUp, PageDownキーで改ページ"));
  auto* scroll = new QScrollArea;
  page.resize(794, 1123);  // A4 at 96 dpi
  scroll->setWidget(&page);
  window.setCentralWidget(scroll);
  window.resize(688, 640);
  window.show();
  while (!page.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
  scroll->takeWidget();
}

int WritePdf(const char* path) {
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::WriteOnly)) return 1;
  QPdfWriter writer(&file);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                   QPageLayout::Millimeter));
  QPainter painter(&writer);
  const QRect page = painter.viewport();
  DrawPage(painter, page.width(), page.height());
  writer.newPage();
  DrawPage(painter, page.width(), page.height());
  return painter.end() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  if (argc == 3 && std::strcmp(argv[1], "pdf") == 0) return WritePdf(argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "chrome") == 0) {
    Page page;
    ShowInMainWindow(page);
    return 0;
  }
  if (argc != 2 || std::strcmp(argv[1], "window") != 0) {
    std::fprintf(stderr, "usage: %s window | chrome | pdf OUT.pdf\n", argv[0]);
    return 2;
  }
  Page page;
  page.resize(688, 640);
  page.show();
  while (!page.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
  return 0;
}
