// The question order: a permutation of 1..250 drawn by rejection, reseeded at every shuffle.
#include "questionorder.h"

#include "runtime.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using quiz::QuestionOrderArray;

namespace {

// A draw that the shuffle turns into record number d.
float drawFor(int d)
{
    return float((d - 1 + 0.5) / 250.0);
}

std::vector<int> entries(const QuestionOrderArray &order)
{
    std::vector<int> values;
    for (int i = 1; i <= 250; ++i)
        values.push_back(order(i));
    return values;
}

bool isPermutation(const QuestionOrderArray &order)
{
    std::vector<int> values = entries(order);
    std::sort(values.begin(), values.end());
    for (int i = 0; i < 250; ++i) {
        if (values[std::size_t(i)] != i + 1)
            return false;
    }
    return true;
}

} // namespace

class ShuffleTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ui::test::reset(); }

    void fedDrawsFillTheOrderAndRepeatsAreDrawnAgain()
    {
        // Position i gets 251 - i; before each, the draws that give numbers already used.
        std::vector<float> draws;
        for (int i = 1; i <= 250; ++i) {
            if (i > 1) {
                draws.push_back(drawFor(250));     // the first number used
                draws.push_back(drawFor(252 - i)); // the one used just before
            }
            draws.push_back(drawFor(251 - i));
        }
        draws.push_back(0.5f); // must be left over: the order is complete before it
        ui::test::feedRandom(draws);

        QuestionOrderArray order;
        qint16 fill = -3;
        quiz::shuffleQuestionOrder(order, fill);

        for (int i = 1; i <= 250; ++i)
            QCOMPARE(order(i), qint16(251 - i));
        QCOMPARE(fill, qint16(251));
        QCOMPARE(order(0), qint16(0));
        QCOMPARE(ui::rtcRandomNext(), 0.5f);
        QCOMPARE(ui::test::randomizeCount(), 1);
    }

    void drawsMapToRecordsWithoutBias()
    {
        // 0 gives record 1; the largest float below 1 gives 250, never 251.
        const float top = std::nextafter(1.0f, 0.0f);
        std::vector<float> draws{0.0f, top, 0.004f, 0.996f};
        for (int d = 3; d <= 249; ++d)
            draws.push_back(drawFor(d));
        ui::test::feedRandom(draws);
        QuestionOrderArray order;
        qint16 fill = 0;
        quiz::shuffleQuestionOrder(order, fill);
        QCOMPARE(order(1), qint16(1));
        QCOMPARE(order(2), qint16(250));
        QCOMPARE(order(3), qint16(2));   // 0.004 x 250 = 1.00000005 in double: record 2
        QCOMPARE(order(4), qint16(249)); // 0.996 lies in (248/250, 249/250): the 249th record
        QCOMPARE(order(5), qint16(3));
        QVERIFY(isPermutation(order));
    }

    void theLastPlaceTakesTheOneNumberLeft()
    {
        std::vector<float> draws;
        for (int d = 1; d <= 250; ++d) {
            if (d != 137)
                draws.push_back(drawFor(d));
        }
        for (int used = 1; used <= 40; ++used)
            draws.push_back(drawFor(used)); // all taken already: drawn again each time
        draws.push_back(drawFor(137));
        ui::test::feedRandom(draws);
        QuestionOrderArray order;
        qint16 fill = 0;
        quiz::shuffleQuestionOrder(order, fill);
        QCOMPARE(order(250), qint16(137));
        QVERIFY(isPermutation(order));
    }

    void whatAnEarlierOrderLeftHasNoEffect()
    {
        QuestionOrderArray order;
        for (int i = 1; i <= 250; ++i)
            order.set(i, qint16(i)); // an earlier load's order, still in the array
        std::vector<float> draws;
        for (int d = 250; d >= 1; --d)
            draws.push_back(drawFor(d));
        ui::test::feedRandom(draws);
        qint16 fill = 0;
        quiz::shuffleQuestionOrder(order, fill);
        QCOMPARE(order(1), qint16(250));
        QCOMPARE(order(250), qint16(1));
        QVERIFY(isPermutation(order));
    }

    void everyShuffleIsAFreshPermutation()
    {
        std::vector<std::vector<int>> seen;
        for (int run = 0; run < 20; ++run) {
            QuestionOrderArray order;
            qint16 fill = 0;
            quiz::shuffleQuestionOrder(order, fill);
            QVERIFY(isPermutation(order));
            QCOMPARE(order(0), qint16(0));
            QVERIFY(std::find(seen.begin(), seen.end(), entries(order)) == seen.end());
            seen.push_back(entries(order));
        }
        QCOMPARE(ui::test::randomizeCount(), 20);
    }

    void firstPlacesAreSpreadOverTheBank()
    {
        // Over many shuffles, each record is about equally likely to be asked first.
        std::vector<int> firsts(251, 0);
        constexpr int Runs = 5000;
        for (int run = 0; run < Runs; ++run) {
            QuestionOrderArray order;
            qint16 fill = 0;
            quiz::shuffleQuestionOrder(order, fill);
            ++firsts[std::size_t(order(1))];
        }
        const int most = *std::max_element(firsts.begin(), firsts.end());
        QVERIFY2(most < 60,
                 qPrintable(QString("a record came first %1 times in %2").arg(most).arg(Runs)));
        QVERIFY(std::count(firsts.begin() + 1, firsts.end(), 0) < 5);
    }
};

QTEST_GUILESS_MAIN(ShuffleTest)
#include "test_shuffle.moc"
