// The program's pictures, read from its resources through Qt's ICO reader.
#pragma once

#include <QPixmap>

namespace ui {

// The 32 x 32 image of the icon file, the one with the most colours where it holds several.
QPixmap loadPicture(const char *iconFile);

} // namespace ui
