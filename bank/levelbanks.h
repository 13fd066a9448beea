// SPDX-License-Identifier: MIT
// The six level banks built into the program, each read on first use and kept unchanged.
#pragma once

#include "questionrecord.h"

namespace bank {

// The bank of level 1 to 6.
const LevelBank &levelBank(int level);

// The record with that number (1 to 250); a run-time error for any other number.
const QuestionRecord &record(const LevelBank &bank, int number);

} // namespace bank
