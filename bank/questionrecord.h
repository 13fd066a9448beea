// SPDX-License-Identifier: MIT
// One question with its four options, and a level's fixed list of 250 of them.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace bank {

struct QuestionRecord
{
    QString Question;
    QString Option1;
    QString Option2;
    QString Option3;
    QString Option4;
    qint16 Correct = 0; // the number, 1 to 4, of the correct option
};

// Record number k (1 to 250) is records[k - 1].
struct LevelBank
{
    static constexpr int Size = 250;
    std::array<QuestionRecord, Size> records;
};

constexpr int LevelCount = 6;

} // namespace bank
