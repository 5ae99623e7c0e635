#pragma once
// Saving the settings a form has changed into the program folder. Unlike the file writers in io/,
// these tell the user which file could not be written (message 4005 with the file's path), so a
// choice that would be lost at the next start does not pass unnoticed.
#include "core/messages.h"
#include "core/sheet_settings.h"

namespace vek {

// Writes Sys.ndx. False (after the message) when it cannot be written.
bool StoreSystemSettings(const SheetSettings& settings, MessageSink& sink);

// Writes Font1.ndx ... Font6.ndx; a file that cannot be written is named in its own message and the
// others are still written. False when any of them failed.
bool StoreFontFiles(const SheetSettings& settings, MessageSink& sink);

}  // namespace vek
