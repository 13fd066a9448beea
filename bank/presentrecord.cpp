// SPDX-License-Identifier: MIT
#include "presentrecord.h"

#include "levelbanks.h"

#include "form.h"

namespace bank {

void PresentRecord(ui::Form &screen, const LevelBank &bank, int recordNumber, qint16 &correctOption)
{
    const QuestionRecord &shown = record(bank, recordNumber);
    screen.control(QStringLiteral("Text1")).setText(shown.Question);
    screen.control(QStringLiteral("Label6")).setCaption(shown.Option1);
    screen.control(QStringLiteral("Label7")).setCaption(shown.Option2);
    screen.control(QStringLiteral("Label8")).setCaption(shown.Option3);
    screen.control(QStringLiteral("Label9")).setCaption(shown.Option4);
    correctOption = shown.Correct;
}

} // namespace bank
