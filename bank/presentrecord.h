// SPDX-License-Identifier: MIT
// Puts one question of a level's bank on a level screen.
#pragma once

#include "questionrecord.h"

namespace ui {
class Form;
}

namespace bank {

// Question to Text1, options 1..4 to Label6..Label9, the correct option to correctOption; every
// text exactly as stored. Touches nothing else on the screen.
void PresentRecord(ui::Form &screen, const LevelBank &bank, int recordNumber,
                   qint16 &correctOption);

} // namespace bank
