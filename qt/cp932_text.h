#pragma once
// The one boundary between record text (CP932 bytes) and Qt's QString.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

// UTF-8 bytes (the program's own texts) -> QString.
QString FromUtf8(std::string_view utf8);

// CP932 bytes -> QString; bytes that are not valid CP932 show as U+FFFD.
QString FromCp932(std::string_view cp932);

// QString -> CP932 bytes; nullopt when the text holds a character CP932 cannot represent.
std::optional<std::string> ToCp932(const QString& text);

// ToCp932 for texts the entry validator has already accepted: an unrepresentable character would
// have been refused at the keyboard, so it becomes "?" here rather than dropping the whole text.
std::string ToCp932Accepted(const QString& text);

}  // namespace vek
