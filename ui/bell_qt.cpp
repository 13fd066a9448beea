// SPDX-License-Identifier: MIT
// Windows and macOS play their default sound for Qt's beep.
#include "bell.h"

#include <QApplication>

namespace ui {

void ringBell()
{
    QApplication::beep();
}

} // namespace ui
