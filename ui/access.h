// SPDX-License-Identifier: MIT
// What every form offers a learner who listens with a screen reader or moves with the keyboard.
#pragma once

namespace ui {

// Each form is presented to a screen reader as a window (the About screen as a dialog), and the
// control with the keyboard focus wears a ring on every form, whatever the size of the screen.
void installAccessAids();

} // namespace ui
