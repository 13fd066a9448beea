// SPDX-License-Identifier: MIT
// Packed colours, red in the low byte and blue in the third, as the designs give them.
#pragma once

#include <QColor>

namespace ui {

inline QColor fromPacked(quint32 packed)
{
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

inline quint32 toPacked(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

} // namespace ui
