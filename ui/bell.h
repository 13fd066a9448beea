// SPDX-License-Identifier: MIT
// The desktop's own event sound, for a right answer.
#pragma once

namespace ui {

// Starts the sound and returns at once; silent where the desktop has no sound, or turns event
// sounds off. Nothing of the sound system is touched before the first call.
void ringBell();

} // namespace ui
