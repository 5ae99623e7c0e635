#include "settings/help_dialog.h"

#include <QDesktopServices>
#include <QFont>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "qt/cp932_text.h"
#include "qt/qt_draw_device.h"

namespace vek {

namespace {

constexpr int kHelpFontPoints = 10;

QString HostPathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

bool OpenWithDesktop(const std::filesystem::path& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(HostPathText(path)));
}

// Starts `editor` when it is on the PATH.
bool OpenWithEditor(const QString& editor, const std::filesystem::path& path) {
  const QString program = QStandardPaths::findExecutable(editor);
  return !program.isEmpty() && QProcess::startDetached(program, {HostPathText(path)});
}

// Text editors of the common desktops, tried when the desktop has no handler for text files.
constexpr const char* kTextEditors[] = {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma"};

}  // namespace

std::vector<HelpOpener> DesktopHelpOpeners() {
  // The desktop's handler for a file is what xdg-open starts.
  std::vector<HelpOpener> openers{{"xdg-open", OpenWithDesktop}};
  for (const char* editor : kTextEditors)
    openers.push_back({editor, [editor](const std::filesystem::path& path) {
                         return OpenWithEditor(QString::fromLatin1(editor), path);
                       }});
  return openers;
}

CHelpDlg::CHelpDlg(QWidget* parent, const std::filesystem::path& helpFile, MessageSink* sink,
                   std::vector<HelpOpener> openers)
    : FormDialog(parent, 0, sink), helpFile_(helpFile), openers_(std::move(openers)) {
  ui.setupUi(this);
  QFont font(SubstituteFaceName(QStringLiteral("ＭＳ ゴシック")), kHelpFontPoints);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  ui.helpList->setFont(font);
  ui.helpList->setUniformItemSizes(true);
  for (const std::string& line : ReadHelpLines(helpFile_, Sink())) ui.helpList->addItem(FromCp932(line));
  connect(ui.openButton, &QPushButton::clicked, this,
          [this] { OpenHelpForPrinting(helpFile_, openers_, Sink()); });
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vek
