// SPDX-License-Identifier: MIT
// Packed colours, red in the low byte and blue in the third, as the designs give them.
#pragma once

#include <QColor>

namespace ui {

inline QColor fromPacked(quint32 packed)
{
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

} // namespace ui
