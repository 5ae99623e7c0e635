#include "qt/cp932_text.h"

#include <QByteArray>

#include "core/encoding.h"

namespace vek {

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FromCp932(std::string_view cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

std::optional<std::string> ToCp932(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return TryUtf8ToCp932(std::string_view(utf8.constData(), size_t(utf8.size())));
}

std::string ToCp932Accepted(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Sjis(std::string_view(utf8.constData(), size_t(utf8.size())));
}

}  // namespace vek
