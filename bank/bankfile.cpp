// SPDX-License-Identifier: MIT
#include "bankfile.h"

#include <QList>
#include <QSet>

namespace bank {

namespace {

[[noreturn]] void reject(const QString &fileName, int line, const QString &rule)
{
    const QString where = line > 0 ? QStringLiteral("%1: line %2: ").arg(fileName).arg(line)
                                   : QStringLiteral("%1: ").arg(fileName);
    throw BankError((where + rule).toStdString());
}

// Checks one text field against the length limits and the character rules.
void checkText(const QString &fileName, int line, const char *field, QByteArrayView text, int min,
               int max)
{
    const auto length = int(text.size());
    if (length < min || length > max)
        reject(fileName, line,
               QStringLiteral("the %1 has %2 characters; it must have %3 to %4")
                   .arg(QLatin1String(field))
                   .arg(length)
                   .arg(min)
                   .arg(max));
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
            reject(fileName, line,
                   QStringLiteral("the %1 holds a character that is not printable ASCII "
                                  "(code %2)")
                       .arg(QLatin1String(field))
                       .arg(static_cast<unsigned char>(c)));
    }
    if (text.front() == ' ' || text.back() == ' ')
        reject(fileName, line,
               QStringLiteral("the %1 begins or ends with a blank").arg(QLatin1String(field)));
}

} // namespace

LevelBank parseLevelBank(QByteArrayView data, const QString &fileName)
{
    if (data.isEmpty())
        reject(fileName, 0, QStringLiteral("the file is empty"));
    if (!data.endsWith('\n'))
        reject(fileName, 0, QStringLiteral("the last line has no line end"));

    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < data.size();) {
        const qsizetype end = data.indexOf('\n', start);
        lines.append(data.sliced(start, end - start));
        start = end + 1;
    }
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].endsWith('\r'))
            reject(fileName, i + 1, QStringLiteral("lines must end with LF alone, not CR LF"));
    }
    if (lines.front() != QByteArrayView(BankHeader))
        reject(fileName, 1,
               QStringLiteral("the header must be question, option1 .. option4, correct, "
                              "separated by tabs"));
    if (lines.size() - 1 != LevelBank::Size)
        reject(fileName, 0,
               QStringLiteral("the file has %1 records; a level has exactly %2")
                   .arg(lines.size() - 1)
                   .arg(LevelBank::Size));

    static constexpr const char *Fields[] = {"question", "option 1", "option 2", "option 3",
                                             "option 4"};
    LevelBank bank;
    QSet<QByteArrayView> questions;
    for (int k = 1; k <= LevelBank::Size; ++k) {
        const int line = k + 1;
        const QList<QByteArrayView> fields = [&] {
            QList<QByteArrayView> parts;
            const QByteArrayView text = lines[k];
            qsizetype start = 0;
            for (qsizetype tab; (tab = text.indexOf('\t', start)) >= 0; start = tab + 1)
                parts.append(text.sliced(start, tab - start));
            parts.append(text.sliced(start));
            return parts;
        }();
        if (fields.size() != 6)
            reject(fileName, line,
                   QStringLiteral("the record has %1 fields; it must have 6").arg(fields.size()));
        checkText(fileName, line, Fields[0], fields[0], 7, 155);
        for (int i = 1; i <= 4; ++i)
            checkText(fileName, line, Fields[i], fields[i], 1, 85);
        const QByteArrayView correct = fields[5];
        if (correct.size() != 1 || correct.front() < '1' || correct.front() > '4')
            reject(fileName, line,
                   QStringLiteral("the correct option is \"%1\"; it must be 1, 2, 3 or 4")
                       .arg(QString::fromLatin1(correct)));
        if (questions.contains(fields[0]))
            reject(fileName, line,
                   QStringLiteral("the question is already asked by an earlier "
                                  "record"));
        questions.insert(fields[0]);

        QuestionRecord &record = bank.records[std::size_t(k - 1)];
        record.Question = QString::fromLatin1(fields[0]);
        record.Option1 = QString::fromLatin1(fields[1]);
        record.Option2 = QString::fromLatin1(fields[2]);
        record.Option3 = QString::fromLatin1(fields[3]);
        record.Option4 = QString::fromLatin1(fields[4]);
        record.Correct = qint16(correct.front() - '0');
    }
    return bank;
}

} // namespace bank
