// SPDX-License-Identifier: MIT
// The bank file reader: every rule a bank can break is caught and named with its file and line;
// a good bank is read exactly.
#include "bankfile.h"
#include "levelbanks.h"

#include "runtime.h"

#include <QTest>

using bank::BankError;
using bank::parseLevelBank;

namespace {

// Record k asks "Fixture question k", its options are "Fixture answer ka" .. "kd", and its
// correct option is 1 + k % 4.
QByteArray goodFile()
{
    QByteArray text = QByteArray(bank::BankHeader) + '\n';
    for (int k = 1; k <= bank::LevelBank::Size; ++k)
        text += QStringLiteral("Fixture question %1\tFixture answer %1a\tFixture answer %1b\t"
                               "Fixture answer %1c\tFixture answer %1d\t%2\n")
                    .arg(k)
                    .arg(1 + k % 4)
                    .toLatin1();
    return text;
}

// The file with line n (1-based, the header is line 1) replaced.
QByteArray withLine(int n, const QByteArray &line)
{
    QList<QByteArray> lines = goodFile().split('\n');
    lines[n - 1] = line;
    return lines.join('\n');
}

QString errorFor(const QByteArray &data)
{
    try {
        parseLevelBank(data, QStringLiteral("level3.tsv"));
    } catch (const BankError &error) {
        return QString::fromLatin1(error.what());
    }
    return QStringLiteral("(accepted)");
}

} // namespace

class BankFileTest : public QObject
{
    Q_OBJECT

private slots:
    void goodBankIsReadExactly()
    {
        QByteArray data = goodFile();
        // Two blanks in a row, an ampersand and asterisks are texts like any other.
        data.replace("Fixture question 7\t", "Rays from  outer space & beyond\t");
        data.replace("Fixture answer 9c", "***");
        const bank::LevelBank read = parseLevelBank(data, "level1.tsv");
        QCOMPARE(read.records[0].Question, QString("Fixture question 1"));
        QCOMPARE(read.records[0].Correct, qint16(2));
        QCOMPARE(read.records[6].Question, QString("Rays from  outer space & beyond"));
        QCOMPARE(read.records[8].Option3, QString("***"));
        QCOMPARE(read.records[249].Option4, QString("Fixture answer 250d"));
        QCOMPARE(read.records[249].Correct, qint16(3));
    }

    void brokenRulesAreNamedWithFileAndLine_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");

        const QByteArray q155(155, 'q'), q156(156, 'q'), o85(85, 'o'), o86(86, 'o');
        QTest::newRow("five fields") << withLine(4, "Question three\ta\tb\tc\t1")
                                     << "level3.tsv: line 4: the record has 5 fields; it must "
                                        "have 6";
        QTest::newRow("seven fields") << withLine(4, "Question three\ta\tb\tc\td\t1\tx")
                                      << "level3.tsv: line 4: the record has 7 fields";
        QTest::newRow("short question")
            << withLine(10, "Why so?\ta\tb\tc\td\t1").replace("Why so?", "Why?")
            << "line 10: the question has 4 characters; it must "
               "have 7 to 155";
        QTest::newRow("long question")
            << withLine(10, q156 + "\ta\tb\tc\td\t1") << "line 10: the question has 156 characters";
        QTest::newRow("empty option") << withLine(11, "A fair question\ta\t\tc\td\t1")
                                      << "line 11: the option 2 has 0 characters; it must have "
                                         "1 to 85";
        QTest::newRow("long option") << withLine(12, "A fair question\ta\tb\tc\t" + o86 + "\t1")
                                     << "line 12: the option 4 has 86 characters";
        QTest::newRow("leading blank") << withLine(13, " A fair question\ta\tb\tc\td\t1")
                                       << "line 13: the question begins or ends with a blank";
        QTest::newRow("trailing blank") << withLine(13, "A fair question\ta\tb \tc\td\t1")
                                        << "line 13: the option 2 begins or ends with a blank";
        QTest::newRow("not ASCII") << withLine(14, "A fair question\t100 \xc2\xb0"
                                                   "C\tb\tc\td\t1")
                                   << "line 14: the option 1 holds a character that is not "
                                      "printable ASCII";
        QTest::newRow("delete character") << withLine(14, "A fair question\ta\tb\x7f\tc\td\t1")
                                          << "line 14: the option 2 holds a character that is "
                                             "not printable ASCII (code 127)";
        QTest::newRow("control character") << withLine(14, "A fair\x01question\ta\tb\tc\td\t1")
                                           << "line 14: the question holds a character that "
                                              "is not printable ASCII (code 1)";
        QTest::newRow("correct 0") << withLine(15, "A fair question\ta\tb\tc\td\t0")
                                   << "line 15: the correct option is \"0\"; it must be 1, 2, 3 "
                                      "or 4";
        QTest::newRow("correct 5")
            << withLine(15, "A fair question\ta\tb\tc\td\t5") << "the correct option is \"5\"";
        QTest::newRow("correct empty")
            << withLine(15, "A fair question\ta\tb\tc\td\t") << "the correct option is \"\"";
        QTest::newRow("correct 12")
            << withLine(15, "A fair question\ta\tb\tc\td\t12") << "the correct option is \"12\"";
        QTest::newRow("question twice") << withLine(40, "Fixture question 3\ta\tb\tc\td\t1")
                                        << "level3.tsv: line 40: the question is already asked "
                                           "by an earlier record";
        QTest::newRow("bad header") << withLine(1, "question\toption1\toption2")
                                    << "level3.tsv: line 1: the header must be";
        QTest::newRow("CR LF") << QByteArray(goodFile()).replace("\n", "\r\n")
                               << "level3.tsv: line 1: lines must end with LF alone";
        QTest::newRow("no final line end")
            << goodFile().chopped(1) << "level3.tsv: the last line has no line end";
        QTest::newRow("249 records") << goodFile().left(goodFile().lastIndexOf('\n', -2) + 1)
                                     << "level3.tsv: the file has 249 records; a level has "
                                        "exactly 250";
        QTest::newRow("251 records") << goodFile() + "One more question\ta\tb\tc\td\t1\n"
                                     << "the file has 251 records";
        QTest::newRow("blank line at the end") << goodFile() + "\n"
                                               << "the file has 251 records";
        QTest::newRow("empty") << QByteArray() << "level3.tsv: the file is empty";

        // The limits themselves are allowed, lengths and characters from a blank to a tilde.
        QTest::newRow("limits") << withLine(20, q155 + "\t" + o85 + "\t~ !\tc\td\t4")
                                << "(accepted)";
    }

    void brokenRulesAreNamedWithFileAndLine()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        const QString error = errorFor(data);
        QVERIFY2(error.startsWith(message) || error.contains(message), qPrintable(error));
    }

    void recordsOutsideTheBankAreRuntimeErrors()
    {
        const bank::LevelBank fixture = parseLevelBank(goodFile(), "level1.tsv");
        QCOMPARE(bank::record(fixture, 1).Question, QString("Fixture question 1"));
        QCOMPARE(bank::record(fixture, 250).Question, QString("Fixture question 250"));
        QVERIFY_THROWS_EXCEPTION(ui::RuntimeError, bank::record(fixture, 0));
        QVERIFY_THROWS_EXCEPTION(ui::RuntimeError, bank::record(fixture, 251));
    }
};

QTEST_GUILESS_MAIN(BankFileTest)
#include "test_bankfile.moc"
