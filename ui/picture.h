// SPDX-License-Identifier: MIT
// The program's pictures, read from its resources through Qt's ICO reader.
#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// A picture and the words that a screen reader says for it; a null pixmap is the empty picture.
struct Picture
{
    QPixmap pixmap;
    QString description;
    bool isNull() const { return pixmap.isNull(); }
};

// The 32 x 32 image of the icon file, the one with the most colours where it holds several.
Picture loadPicture(const char *iconFile);

} // namespace ui
