#include "app/commands.h"

#include <array>

namespace vek {

namespace {

using S = SheetBefore;

// Texts are shown as they stand. Items whose string number has no text of its own carry a short
// status text of the framework kind ("…の表示/非表示").
constexpr CommandInfo kCommands[] = {
    {kCmdFileNew, "新規作成(&N)\tCtrl+N", "Ctrl+N", "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ", S::Keep, false},
    {kCmdFileOpen, "開く(&O)...\tCtrl+O", "Ctrl+O", "既存のﾌｧｲﾙを開く\n開く", S::Keep, false},
    {kCmdFileSave, "上書き保存(&S)\tCtrl+S", "Ctrl+S", "作業中のﾌｧｲﾙを上書きして保存\n保存", S::Keep,
     false},
    {kCmdFileSaveAs, "名前を付けて保存(&A)...", nullptr, "作業中のﾌｧｲﾙを新しい名前で保存\n名前を付けて保存",
     S::Keep, false},
    {kCmdFileExportCsv, "CSV出力(&C)...", nullptr, "開いている記録をCSVファイルに出力\nCSV出力", S::Keep, false},
    {kCmdFilePrint, "印刷(&P)...\tCtrl+P", "Ctrl+P", "作業中のﾌｧｲﾙを印刷\n印刷", S::Keep, false},
    {kCmdFilePrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", nullptr, "ﾌﾙ ﾍﾟｰｼﾞ表示\n印刷ﾌﾟﾚﾋﾞｭｰ", S::Keep, false},
    {kCmdFileReportPrint, "まとめて印刷(&B)...", nullptr,
     "複数の試験をまとめて報告書として印刷（目次、結果一覧、各試験、キャリブレーション）\nまとめて印刷", S::Keep, false},
    {kCmdFilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)...", nullptr, "ﾌﾟﾘﾝﾀおよびﾌﾟﾘﾝﾀ接続の変更\n印刷設定", S::Keep,
     false},
    {kCmdFileMru1, "", nullptr, "指定のﾌｧｲﾙを開く", S::Keep, false},
    {kCmdAppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", nullptr, "ｱﾌﾟﾘｹｰｼｮﾝを終了\n終了", S::Keep, false},

    {kCmdCalHeader, "見出し(&M)", nullptr, "調査名などのデータ　TABｷｰでカーソル移動", S::Calibration, true},
    {kCmdCalData, "データ(&A)", nullptr, "測定データ　TABｷｰでカーソル移動", S::Calibration, true},
    {kCmdCalPage, "ページ(&P)", nullptr, "キャリブレーション図表のページ、フッタ", S::Keep, true},

    {kCmdTestHeader, "見出し(&M)", nullptr, "見出し部分のデータ　TABｷｰでカーソル移動", S::Test, true},
    {kCmdTestData, "データ(&A)", nullptr, "測定データ", S::Test, true},
    {kCmdTestAnalysis, "解析/目盛り(&N)", nullptr, "降伏圧などの点を指定", S::Test, true},
    {kCmdTestPage, "ページ(&P)", nullptr, "VEK図表のページ、フッタ", S::Keep, true},
    {kCmdTestDataCheck, "データ点検(&K)", nullptr, "開いている記録のデータを点検\nデータ点検", S::Keep, false},

    {kCmdViewToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)", nullptr, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰ", S::Keep, false},
    {kCmdViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", nullptr, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰ", S::Keep, false},
    {kCmdViewDataNumber, "データNo.(&N)", nullptr, "測定データNo.の表示/非表示", S::Keep, false},

    {kCmdSetFormat, "様式/桁数(&Y)", nullptr, "図表名、表示桁数など", S::Keep, true},
    {kCmdSetLines, "線種/係数/余白(&L)", nullptr, "線の太さ、、ゾンデ、ＳＩ換算係数、マージン、会社名", S::Keep,
     true},
    {kCmdSetEngineers, "登録 技術者名(&R)", nullptr, "技術者名の登録編集", S::Keep, true},
    {kCmdSetSoils, "登録 土質名(&D)", nullptr, "土質名の登録編集", S::Keep, true},
    {kCmdSetFont, "フォント(&F)", nullptr, "", S::Keep, true},
    {kCmdSetKey, "キーの動作(&E)", nullptr, "Enterキーの動作", S::Keep, true},
    {kCmdSetSetup, "セットアップ(&S)", nullptr, "このプログラムのインストール先の表示、確認", S::Keep, true},

    {kCmdAppAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)", nullptr, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝ\nﾊﾞｰｼﾞｮﾝ情報", S::Keep, false},
    {kCmdHelpForm, "操作＆ヘルプ(&H)\tF1", "F1", "", S::Keep, true},

    {kCmdGraphPage, "", nullptr, "グラフ\nグラフ", S::Keep, false},
    {kCmdTablePage, "", nullptr, "データ表\nデータ表", S::Keep, false},
    {kCmdPrevPage, "", nullptr, "前のページへ\n前頁", S::Keep, false},
    {kCmdNextPage, "", nullptr, "次のページへ\n次頁", S::Keep, false},
};

constexpr int kFileMenu[] = {kCmdFileNew,   kCmdFileOpen,         kCmdFileSave,       kCmdFileSaveAs, kCmdFileExportCsv, kCmdNone,
                             kCmdFilePrint, kCmdFilePrintPreview, kCmdFileReportPrint, kCmdFilePrintSetup, kCmdNone,
                             kCmdFileMru1,
                             kCmdNone,      kCmdAppExit};
constexpr int kCalMenu[] = {kCmdCalHeader, kCmdCalData, kCmdNone, kCmdCalPage};
constexpr int kTestMenu[] = {kCmdTestHeader, kCmdTestData, kCmdTestAnalysis, kCmdNone, kCmdTestPage, kCmdNone,
                             kCmdTestDataCheck};
constexpr int kViewMenu[] = {kCmdViewToolBar, kCmdViewStatusBar, kCmdNone, kCmdViewDataNumber};
constexpr int kSettingsMenu[] = {kCmdSetFormat, kCmdSetLines, kCmdNone, kCmdSetEngineers, kCmdSetSoils,
                                 kCmdNone,      kCmdSetFont,  kCmdSetKey, kCmdNone,       kCmdSetSetup};
constexpr int kHelpMenu[] = {kCmdAppAbout, kCmdHelpForm};

constexpr MenuInfo kMenus[] = {
    {"ﾌｧｲﾙ(&F)", kFileMenu},  {"ＣＡＬ(&C)", kCalMenu},  {"ＶＥＫ(&L)", kTestMenu},
    {"表示(&V)", kViewMenu},  {"設定(&S)", kSettingsMenu}, {"ﾍﾙﾌﾟ(&H)", kHelpMenu},
};

constexpr int kToolBar[] = {kCmdFileNew,   kCmdFileOpen,  kCmdFileSave, kCmdNone,     kCmdFilePrint,
                            kCmdAppAbout,  kCmdNone,      kCmdGraphPage, kCmdTablePage, kCmdNone,
                            kCmdPrevPage,  kCmdNextPage};

}  // namespace

std::span<const CommandInfo> CommandTable() { return kCommands; }
std::span<const MenuInfo> MenuTable() { return kMenus; }
std::span<const int> ToolBarTable() { return kToolBar; }

const CommandInfo* FindCommand(int id) {
  for (const auto& c : kCommands) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

StatusParts SplitStatusText(std::string_view text) {
  size_t nl = text.find('\n');
  if (nl == std::string_view::npos) return {text, text};
  return {text.substr(0, nl), text.substr(nl + 1)};
}

}  // namespace vek
