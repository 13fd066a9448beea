// SPDX-License-Identifier: MIT
// The program's screens made known to the forms layer, and its start.
#pragma once

namespace shell {

// Defines frmmenu, frmPelko and the six level screens by name.
void defineForms();
// Loads and shows the menu, the start-up screen.
void start();

} // namespace shell
