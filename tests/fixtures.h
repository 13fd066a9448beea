// SPDX-License-Identifier: MIT
// Small question banks of the tests' own, as records and as bank-file text.
#pragma once

#include "bankfile.h"
#include "questionrecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fixtures {

// Record k asks "Fixture question k" and its correct option is 1 + k % 4.
inline bank::LevelBank numberedBank(const QString &tag = QStringLiteral("Fixture"))
{
    bank::LevelBank bank;
    for (int k = 1; k <= bank::LevelBank::Size; ++k) {
        bank::QuestionRecord &r = bank.records[std::size_t(k - 1)];
        r.Question = QStringLiteral("%1 question %2").arg(tag).arg(k);
        r.Option1 = QStringLiteral("%1 answer %2a").arg(tag).arg(k);
        r.Option2 = QStringLiteral("%1 answer %2b").arg(tag).arg(k);
        r.Option3 = QStringLiteral("%1 answer %2c").arg(tag).arg(k);
        r.Option4 = QStringLiteral("%1 answer %2d").arg(tag).arg(k);
        r.Correct = qint16(1 + k % 4);
    }
    return bank;
}

inline QByteArray bankFileText(const bank::LevelBank &bank)
{
    QByteArray text = QByteArray(bank::BankHeader) + '\n';
    for (const bank::QuestionRecord &r : bank.records) {
        const QStringList fields = QStringList()
                                   << r.Question << r.Option1 << r.Option2 << r.Option3 << r.Option4
                                   << QString::number(r.Correct);
        text += fields.join('\t').toLatin1();
        text += '\n';
    }
    return text;
}

} // namespace fixtures
