// The fair floor of the start-up figures: a bare Qt program that draws a page-like drawing (400
// lines, 60 circles, and texts in an IPA face at the sizes of the sheets' fonts, 9 to 11 points),
// as a window that quits after its first paint, or as PDF pages at 600 dpi. It pays for what every
// Vek start pays for (Qt, fontconfig, the IPA fonts, the PDF engine) and for nothing of Vek.
//
//   vek_bench_startup_floor window [TEXT] the drawing as an A4 page at 96 dpi in a scroll area of a
//                                         bare window, quit after the first paint; with TEXT, the
//                                         words of its first page (see pdf)
//   vek_bench_startup_floor chrome [TEXT] the same page in a main window with a menu bar of six
//                                         menus, a toolbar of nine buttons and a status bar: what
//                                         Qt's window furniture costs on top of the drawing
//   vek_bench_startup_floor pdf OUT.pdf [TEXT]
//                                         the drawing on two A4 pages at 600 dpi; with TEXT (UTF-8,
//                                         pages separated by form feeds, as pdftotext writes them)
//                                         one page per page of TEXT, each word of it drawn as one
//                                         text, so that the PDF embeds the glyphs of Vek's pages
// bench/startup_ratio.sh times these against `vek_bench_startup --cold vek` and `vek --export-pdf`.
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
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
#include <vector>

namespace {

// Texts of the kind a sheet holds: captions, headings and numbers.
const char* const kTexts[] = {"孔内水平載荷試験", "調査名", "試験者", "地盤の種類", "測定深度",
                              "圧力 Ｐe(kN/㎡)",  "半径ｒ （cm）", "変形係数", "計算経過式", "ボーリング№"};

// The words drawn on a page when no page text is given: captions, headings and numbers.
QStringList DefaultWords() {
  QStringList words;
  for (int i = 0; i < 150; ++i) words << QString::fromUtf8(kTexts[i % 10]) + QString::number(i * 12.5, 'f', 1);
  return words;
}

// The drawing on a page of `width` x `height` device pixels at `dpi`: a grid, circles, and the
// words in IPAMincho at 11, 9 and 10.5 points in turn.
void DrawPage(QPainter& p, int width, int height, int dpi, const QStringList& words) {
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
  const int sizes[] = {dpi * 11 / 72, dpi * 9 / 72, dpi * 21 / 144};
  const int rows = std::max(1, (static_cast<int>(words.size()) + 5) / 6);
  for (int i = 0; i < words.size(); ++i) {
    QFont font(QStringLiteral("IPAMincho"));
    font.setPixelSize(std::max(6, sizes[i % 3]));
    p.setFont(font);
    p.drawText(left + (i % 6) * w / 6, top + h / 2 + (i / 6) * (h / 2) / rows, words[i]);
  }
}

// The words of each page of a text file as pdftotext writes it (pages end with a form feed).
std::vector<QStringList> PageWords(const char* path) {
  QFile file(QString::fromLocal8Bit(path));
  std::vector<QStringList> pages;
  if (!file.open(QIODevice::ReadOnly)) return pages;
  const QString text = QString::fromUtf8(file.readAll());
  for (const QString& page : text.split(QChar(u'\f'))) {
    const QStringList words = page.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (!words.isEmpty()) pages.push_back(words);
  }
  return pages;
}

class Page : public QWidget {
 public:
  bool painted = false;
  QStringList words = DefaultWords();

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    DrawPage(p, width(), height(), logicalDpiY(), words);
    painted = true;
  }
};

// The page, A4 at 96 dpi, in a scroll area as the central widget of `window`, shown until the page
// is painted.
void ShowPage(QMainWindow& window, Page& page) {
  auto* scroll = new QScrollArea;
  page.resize(794, 1123);
  scroll->setWidget(&page);
  window.setCentralWidget(scroll);
  window.resize(688, 640);
  window.show();
  while (!page.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
  scroll->takeWidget();
}

// The page in a main window with the usual furniture; menus and buttons carry Japanese texts as a
// Japanese program's do.
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
  ShowPage(window, page);
}

int WritePdf(const char* path, const char* textPath) {
  std::vector<QStringList> pages{DefaultWords(), DefaultWords()};
  if (textPath) {
    pages = PageWords(textPath);
    if (pages.empty()) return 1;
  }
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::WriteOnly)) return 1;
  QPdfWriter writer(&file);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                   QPageLayout::Millimeter));
  QPainter painter(&writer);
  const QRect page = painter.viewport();
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) writer.newPage();
    DrawPage(painter, page.width(), page.height(), writer.resolution(), pages[i]);
  }
  return painter.end() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "pdf") == 0) return WritePdf(argv[2], argc == 4 ? argv[3] : nullptr);
  const bool chrome = argc >= 2 && std::strcmp(argv[1], "chrome") == 0;
  if (argc < 2 || argc > 3 || (!chrome && std::strcmp(argv[1], "window") != 0)) {
    std::fprintf(stderr, "usage: %s window [TEXT] | chrome [TEXT] | pdf OUT.pdf [TEXT]\n", argv[0]);
    return 2;
  }
  Page page;
  if (argc == 3) {  // the words of the first page of TEXT
    const std::vector<QStringList> pages = PageWords(argv[2]);
    if (pages.empty()) return 1;
    page.words = pages.front();
  }
  if (chrome) {
    ShowInMainWindow(page);
  } else {
    QMainWindow window;
    ShowPage(window, page);
  }
  return 0;
}
