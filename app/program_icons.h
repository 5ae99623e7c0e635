#pragma once
// The toolbar and program icons. They are drawn with QPainter at whatever size and pixel ratio a
// button or window asks for, so they stay sharp on any screen and the start of the program decodes
// no image files (decoding one makes Qt load every image-format plugin).
#include <QIcon>

namespace vek {

// The icon of a toolbar command (kCmd…), or a null icon for a command without one.
QIcon CommandIcon(int command);

// The program's own icon (window, About box); linux/vek.png is its 256-pixel rendering.
QIcon ProgramIcon();

}  // namespace vek
