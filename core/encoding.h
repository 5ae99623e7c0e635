#pragma once
// CP932 (Shift_JIS) <-> UTF-8. Records and files hold CP932 bytes; the screen, messages and host
// paths use UTF-8. Literal texts that go into records are converted through Sjis().
#include <optional>
#include <string>
#include <string_view>

namespace vek {

// UTF-8 -> CP932. nullopt when the text holds a character CP932 cannot represent (or bad UTF-8).
std::optional<std::string> TryUtf8ToCp932(std::string_view utf8);

// CP932 -> UTF-8. Bytes that are not valid CP932 become U+FFFD, so the result is always shown.
std::string Cp932ToUtf8(std::string_view cp932);

// UTF-8 literal of our own source -> CP932. For texts known to be representable; an unconvertible
// character becomes "?" rather than being dropped.
std::string Sjis(std::string_view utf8);

// True when byte b starts a double-byte CP932 character.
inline bool IsCp932LeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace vek
