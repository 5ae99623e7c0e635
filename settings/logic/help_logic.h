#pragma once
// The help form: lists the program folder's Help.txt line by line and hands the file to a text
// editor for printing.
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/messages.h"

namespace vek {

// The most lines the list takes; the rest of a longer file is not shown (message 4001).
inline constexpr size_t kMaxHelpLines = 32767;

// Reads the help file: one entry per line (CP932), the line end removed and nothing else. A missing
// file gives message 4012 with its path and no lines.
std::vector<std::string> ReadHelpLines(const std::filesystem::path& hostPath, MessageSink& sink);

// A way to open a file in a text editor: the program it runs, as the user is told it, and the start,
// false when it could not be started.
struct HelpOpener {
  std::string program;
  std::function<bool(const std::filesystem::path&)> open;
};

// "開いて印刷": tries the openers in turn until one starts; message 4032 naming every program tried
// when none does, 4012 when the file is missing. True when an editor was started.
bool OpenHelpForPrinting(const std::filesystem::path& hostPath, std::span<const HelpOpener> openers,
                         MessageSink& sink);

}  // namespace vek
