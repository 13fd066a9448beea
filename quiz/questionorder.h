// SPDX-License-Identifier: MIT
// The random order in which a level screen asks its 250 questions.
#pragma once

#include "int16.h"

namespace quiz {

// Index 0..250; entries 1..250 hold the record numbers 1..250 in the order they are asked.
using QuestionOrderArray = ui::Array16<0, 250>;

// Reseeds the generator from the clock, then fills order(1..250) with record numbers drawn at
// random, drawing again whenever a number is already used. The fill position is kept in
// fill, which the caller owns; entry 0 is left as it is.
void shuffleQuestionOrder(QuestionOrderArray &order, qint16 &fill);

} // namespace quiz
