#include "core/messages.h"

#include <cstdio>
#include <utility>

namespace vek {

namespace {

struct MessageEntry {
  int id;
  const char* text;
};

// Every numbered message of the program, texts exactly as shown to the user.
constexpr MessageEntry kMessages[] = {
    {msg::DataChangedCancel, "データが変更されましたが、キャンセルしてよいのですか？"},
    {msg::FooterOffPaper, "フッタ表示位置が用紙外の可能性があります \n( %1 mm)"},
    {msg::NoOldVersionData, "旧バージョンからの追加データはありませんでした.　"},
    {msg::OldVersionDataAdded, "旧バージョンからの追加データ数=[ %1 ]　"},
    {msg::MaxRows, "最大行数です. 追加できません."},
    {msg::NoOrBadData, "データが無い、または不正です."},
    {msg::CannotOverwrite, "上書きできません."},
    {msg::RowOutOfRange, "上書きできません. 指定行が範囲外です."},
    {msg::NoSuchEntry, "上書きできません、同じ %1 がありません."},
    {msg::SameEntryExists, "同じ %1データがあります.\n修正なら上書きしてください."},
    {msg::TooMuchData, "これ以上データを扱えません"},
    {msg::CannotSave, "保存できませんでした"},
    {msg::BadNumber, "数値が異常です"},
    {msg::NoData, "データがありません"},
    {msg::BadScale, "目盛りが異常です"},
    {msg::BadWaterLevel, "水位が異常です"},
    {msg::BadCalData, "CALのデータが異常です"},
    {msg::BadStandpipe, "スタンドパイプの値が異常です"},
    {msg::FileNotFound, "ファイルが見つかりません\n( %1 )"},
    {msg::NoCalFile, "キャリブレーションファイルが指定されていません.\n既存のCALファイルを開いて下さい."},
    {msg::CannotExecute, "実行できませんでした"},
    {msg::DeviceError, "ハードウェア、デバイスエラー"},
    {msg::NotVekData, "ヴェクのデータではありません"},
    {msg::EnterInteger, "整数を入力してください。"},
    {msg::EnterNumber, "数字を入力してください。"},
    {msg::EnterIntegerRange, "%1 から %2 までの整数を入力してください。"},
};

}  // namespace

std::string_view MessageText(int id) {
  for (const auto& m : kMessages) {
    if (m.id == id) return m.text;
  }
  return {};
}

std::string FormatMessage(std::string_view text, std::string_view arg1, std::string_view arg2) {
  std::string out;
  out.reserve(text.size() + arg1.size() + arg2.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? arg1 : arg2;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string NumberedMessage(int id, std::string_view arg1, std::string_view arg2) {
  return FormatMessage(MessageText(id), arg1, arg2);
}

void StderrMessageSink::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "vek: %s\n", text.c_str());
}

bool StderrMessageSink::AskYesNo(const std::string& text) {
  std::fprintf(stderr, "vek: %s [%s]\n", text.c_str(), answer_ ? "はい" : "いいえ");
  return answer_;
}

}  // namespace vek
